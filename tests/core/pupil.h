#pragma once
// What a pupil does to the lesson, on whichever face it is shown. The
// lesson's tables spell it in steps: "katei" (a click on that control),
// "migi*4" (four of them), "pick:3" (the list's third entry, chosen from the
// open list), "down" and "up" (keys on the closed list) and "type:ＡＰ" (text
// typed into the list's field). They are read here, once, into single
// actions; each face's driver carries an action out the way that face's
// pupil does, and reads back what the lesson shows.

#include <string>
#include <vector>

namespace godo::test {

struct PupilAction {
    enum class Kind { Click, Choose, Key, Type };
    Kind kind;
    std::string control; // Click: the control's name
    int entry = 0;       // Choose: 1-based, as the list is numbered
    std::string key;     // Key: "ArrowDown" or "ArrowUp", as browsers name them
    std::string text;    // Type: UTF-8

    bool operator==(const PupilAction&) const = default;
};

// The steps as single actions; false for a step that is none of the above.
bool toActions(const std::vector<std::string>& steps, std::vector<PupilAction>& actions);

// A face's hands. Each call returns false, saying why on stderr or in its
// test framework's log, when the face did not react as it should.
class Pupil {
public:
    virtual ~Pupil() = default;
    virtual bool click(const std::string& control) = 0;
    virtual bool choose(int entry) = 0;
    virtual bool key(const std::string& key) = 0;
    virtual bool type(const std::string& text) = 0;

    bool act(const PupilAction& a);
    // Every step in order; stops at the first that fails.
    bool walk(const std::vector<std::string>& steps);
};

// The controls whose enabled flags the lesson changes, in the order of the
// tables' flag strings ('1' enabled, '0' disabled).
inline constexpr const char* kLessonControls[] = {"katei", "hidari", "migi", "keturon",
                                                  "sankaku", "henkaku", "godo"};

} // namespace godo::test
