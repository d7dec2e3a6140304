#pragma once
// A face without any toolkit, for driving the window's code in tests: it
// keeps what the lesson asks of it (enabled flags, the field, the caption,
// the description, messages, prints, the end) and plays the closed list the
// way a combo box does, so that a lesson can be walked as a pupil walks it.

#include "draw/display_list.h"
#include "lesson/face.h"
#include "lesson/form1.h"
#include "lesson/layout.h"
#include "pupil.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace godo::test {

class FakeFace final : public Face {
public:
    FakeFace() { enabledFlags.fill(true); }

    DisplayList list;
    std::array<bool, kControlCount> enabledFlags{};
    std::u16string field;
    int entry = 0; // the list's current entry, 0-based
    std::u16string caption;
    std::u16string description;
    std::vector<std::u16string> messages;
    int prints = 0;
    int ends = 0;
    // When set, printing fails with this message.
    std::optional<std::u16string> printFailure;

    bool isEnabled(Control c) const { return enabledFlags[static_cast<int>(c)]; }

    void setEnabled(Control c, bool on) override { enabledFlags[static_cast<int>(c)] = on; }
    std::u16string keturonText() const override { return field; }
    void setKeturonText(std::u16string_view text) override;
    void setCaption(std::u16string_view c) override { caption = c; }
    Surface& gamen() override { return list; }
    void setFigureDescription(std::u16string_view d) override { description = d; }
    void printWindow() override;
    void end() override { ++ends; }
    void showMessage(std::u16string_view m) override { messages.emplace_back(m); }
};

// The layout's control of that name; null, said on stderr, when there is none.
const ControlLayout* controlNamed(std::string_view name);

// A lesson on the fake face, walked by the steps of the lesson's tables.
// The list plays a closed combo box: a key steps to the next or previous
// entry at once and does nothing at its ends; typed text runs nothing.
class LessonDriver final : public Pupil {
public:
    LessonDriver() { form.load(); }

    FakeFace face;
    Form1 form{face};

    bool run(const std::vector<std::string>& steps) { return walk(steps); }
    // The enabled flags of kLessonControls.
    std::string flags() const;

    bool click(const std::string& control) override;
    bool choose(int entry) override;
    bool key(const std::string& key) override;
    bool type(const std::string& text) override;

private:
    void show(int entry);
};

} // namespace godo::test
