#pragma once
// The lesson as a pupil walks it, step by step: after each walk, the state,
// the field of the list and the enabled flags; the turning bounds; restarts;
// the steps that must change nothing; the forced overflows. The window's code
// is walked through these tables on a fake face, the Qt window through its
// widgets, and the page in each browser engine through the lesson and
// turning tables.

#include "lesson/texts.h"
#include "model/figure_state.h"

#include <cstdint>

#include <string>
#include <string_view>
#include <vector>

namespace godo::test {

struct LessonRow {
    const char* name;
    std::vector<std::string> steps; // "katei", "migi*4", "pick:3", "down", "up"
    int kakudo, fKatei, fSankaku, fHenkaku, fGodo, nKeturon, Px, Qx;
    std::u16string_view field;
    const char* flags; // enabled: katei, hidari, migi, keturon, sankaku, henkaku, godo
};

inline const std::vector<LessonRow>& lessonRows()
{
    // name, steps,
    //   kakudo, fKatei, fSankaku, fHenkaku, fGodo, nKeturon, Px, Qx, field, flags
    static const std::vector<LessonRow> rows = {
        {"Form_Load", {},
         35, 0, 0, 0, 0, 0, 1647, 7353, texts::kConclusionHeading, "1000000"},
        {"katei_Click", {"katei"},
         35, 1, 0, 0, 0, 0, 1647, 7353, texts::kConclusionHeading, "1110000"},
        {"migi_Click x4 to 55", {"katei", "migi*4"},
         55, 1, 0, 0, 0, 0, 3101, 5899, texts::kConclusionHeading, "1111000"},
        {"hidari_Click x6 to 5", {"katei", "hidari*6"},
         5, 1, 0, 0, 0, 0, -18164, 27164, texts::kConclusionHeading, "1111000"},
        {"hidari_Click x7 to 0", {"katei", "hidari*7"},
         0, 1, 0, 0, 0, 0, -18164, 27164, texts::kConclusionHeading, "1111000"},
        {"katei_Click at 0", {"katei", "hidari*7", "katei"},
         0, 0, 0, 0, 0, 0, -18164, 27164, texts::kConclusionHeading, "1111000"},
        {"keturon_Click at 0", {"katei", "hidari*7", "down"},
         0, 1, 0, 0, 0, 1, -18164, 27164, texts::kConclusionApBq, "1111100"},
        {"keturon_Click entry 2", {"katei", "migi*4", "pick:2"},
         55, 1, 0, 0, 0, 1, 3101, 5899, texts::kConclusionApBq, "1111100"},
        {"keturon_Click entry 3", {"katei", "migi*4", "pick:3"},
         55, 1, 0, 0, 0, 2, 3101, 5899, texts::kConclusionPmQm, "1111100"},
        {"keturon_Click entry 4", {"katei", "migi*4", "pick:4"},
         55, 1, 0, 0, 0, 3, 3101, 5899, texts::kConclusionAngles, "1111100"},
        {"keturon_Click Down x3", {"katei", "migi*4", "down*3"},
         55, 1, 0, 0, 0, 3, 3101, 5899, texts::kConclusionAngles, "1111100"},
        {"keturon_Click Up to entry 1", {"katei", "migi*4", "down", "up"},
         55, 1, 0, 0, 0, 0, 3101, 5899, texts::kConclusionHeading, "1111000"},
        {"sankaku_Click", {"katei", "migi*4", "pick:3", "sankaku"},
         55, 1, 1, 0, 0, 2, 3101, 5899, texts::kConclusionPmQm, "1111110"},
        {"henkaku_Click", {"katei", "migi*4", "pick:3", "sankaku", "henkaku"},
         55, 1, 1, 1, 0, 2, 3101, 5899, texts::kConclusionPmQm, "1111111"},
        {"godo_Click", {"katei", "migi*4", "pick:3", "sankaku", "henkaku", "godo"},
         55, 1, 1, 1, 1, 2, 3101, 5899, texts::kConclusionPmQm, "1111111"},
        {"all on, turned to 90", {"katei", "migi*4", "pick:3", "sankaku", "henkaku", "godo", "migi*7"},
         90, 1, 1, 1, 1, 2, 4500, 4500, texts::kConclusionPmQm, "1111111"},
        {"all on, turned to 125", {"katei", "migi*4", "pick:3", "sankaku", "henkaku", "godo", "migi*14"},
         125, 1, 1, 1, 1, 2, 5899, 3101, texts::kConclusionPmQm, "1111111"},
        {"all on, turned to 145", {"katei", "migi*4", "pick:3", "sankaku", "henkaku", "godo", "migi*18"},
         145, 1, 1, 1, 1, 2, 7353, 1647, texts::kConclusionPmQm, "1111111"},
        {"all on, turned to 170", {"katei", "migi*4", "pick:3", "sankaku", "henkaku", "godo", "migi*23"},
         170, 1, 1, 1, 1, 2, 15796, -6796, texts::kConclusionPmQm, "1111111"},
        {"all on, turned to 0", {"katei", "migi*4", "pick:3", "sankaku", "henkaku", "godo", "hidari*11"},
         0, 1, 1, 1, 1, 2, -18164, 27164, texts::kConclusionPmQm, "1111111"},
        {"entry 1 after a conclusion", {"katei", "migi*4", "pick:3", "sankaku", "henkaku", "godo", "pick:1"},
         55, 1, 1, 1, 1, 0, 3101, 5899, texts::kConclusionHeading, "1111011"},
        {"entry 1, then entry 4", {"katei", "migi*4", "pick:3", "sankaku", "henkaku", "godo", "pick:1", "pick:4"},
         55, 1, 1, 1, 1, 3, 3101, 5899, texts::kConclusionAngles, "1111111"},
        {"katei_Click again", {"katei", "migi*4", "pick:3", "sankaku", "henkaku", "godo", "katei"},
         55, 0, 1, 1, 1, 2, 3101, 5899, texts::kConclusionPmQm, "1111111"},
        {"sankaku_Click again", {"katei", "migi*4", "pick:3", "sankaku", "henkaku", "godo", "sankaku"},
         55, 1, 0, 1, 1, 2, 3101, 5899, texts::kConclusionPmQm, "1111111"},
        {"henkaku_Click again", {"katei", "migi*4", "pick:3", "sankaku", "henkaku", "godo", "henkaku"},
         55, 1, 1, 0, 1, 2, 3101, 5899, texts::kConclusionPmQm, "1111111"},
        {"godo_Click again", {"katei", "migi*4", "pick:3", "sankaku", "henkaku", "godo", "godo"},
         55, 1, 1, 1, 0, 2, 3101, 5899, texts::kConclusionPmQm, "1111111"},
        {"godo_Click a third time", {"katei", "migi*4", "pick:3", "sankaku", "henkaku", "godo", "godo", "godo"},
         55, 1, 1, 1, 1, 2, 3101, 5899, texts::kConclusionPmQm, "1111111"},
        {"saisyo_Click", {"katei", "migi*4", "pick:3", "sankaku", "henkaku", "godo", "migi*23", "saisyo"},
         35, 0, 0, 0, 0, 0, 1647, 7353, texts::kConclusionHeading, "1000000"},
        {"saisyo_Click, katei_Click", {"katei", "migi*4", "pick:3", "sankaku", "henkaku", "godo", "saisyo", "katei"},
         35, 1, 0, 0, 0, 0, 1647, 7353, texts::kConclusionHeading, "1110000"},
    };
    return rows;
}

// The turning buttons at and beyond the ends of the angle's range, after
// "katei": the button, how often it is clicked, and where ｎ stands then.
struct TurningRow {
    const char* name;
    const char* button;
    int clicks, kakudo, Px, Qx;
};

inline const std::vector<TurningRow>& turningRows()
{
    static const std::vector<TurningRow> rows = {
        {"7 x hidari", "hidari", 7, 0, -18164, 27164},
        {"8 x hidari", "hidari", 8, 0, -18164, 27164},
        {"27 x migi", "migi", 27, 170, 15796, -6796},
        {"28 x migi", "migi", 28, 170, 15796, -6796},
    };
    return rows;
}

// A turning row as steps: 「仮定」, then the button as often as the row says.
inline std::vector<std::string> turningSteps(const TurningRow& r)
{
    return {"katei", std::string(r.button) + "*" + std::to_string(r.clicks)};
}

// The whole lesson up to the congruence condition, at 55 degrees with ＰＭ＝ＱＭ.
inline std::vector<std::string> wholeLessonAnd(std::vector<std::string> more)
{
    std::vector<std::string> steps = {"katei", "migi*4", "pick:3", "sankaku", "henkaku", "godo"};
    steps.insert(steps.end(), more.begin(), more.end());
    return steps;
}

// Walks after which 「最初」 must give what the first start gave.
struct RestartRow {
    const char* name;
    std::vector<std::string> steps;
};

inline const std::vector<RestartRow>& restartRows()
{
    static const std::vector<RestartRow> rows = {
        {"everything_on_at_170", wholeLessonAnd({"migi*23"})},
        {"at_0_text_typed", wholeLessonAnd({"hidari*11", "type:ＡＰ＝"})},
        {"conclusion_taken_back", wholeLessonAnd({"pick:1"})},
    };
    return rows;
}

// After `steps`, the step `then` must change neither the state, the enabled
// flags nor the figure: a disabled control, a key at an end of the list,
// typing, or what is not a button.
struct NothingRow {
    const char* name;
    std::vector<std::string> steps;
    std::string then;
};

inline const std::vector<NothingRow>& nothingRows()
{
    static const std::vector<NothingRow> rows = {
        {"hidari_after_load", {}, "hidari"},
        {"migi_after_load", {}, "migi"},
        {"list_after_katei", {"katei"}, "down"},
        {"sankaku_after_turning", {"katei", "migi"}, "sankaku"},
        {"sankaku_after_entry_1", {"katei", "migi", "down", "up"}, "sankaku"},
        {"henkaku_after_a_conclusion", {"katei", "migi", "down"}, "henkaku"},
        {"godo_after_sankaku", {"katei", "migi", "down", "sankaku"}, "godo"},
        {"up_at_the_first_entry", {"katei", "migi"}, "up"},
        {"down_at_the_last_entry", {"katei", "migi", "pick:4"}, "down"},
        {"typing_a_conclusion", {"katei", "migi"}, "type:ＡＰ＝ＢＱ"},
        {"gamen", {"katei"}, "gamen"},
        {"Label1", {"katei"}, "Label1"},
        {"Label3", {"katei"}, "Label3"},
    };
    return rows;
}

// A field of the state forced out of range before a click: the handler stops
// with the overflow message, and the lesson goes on once the field is sane
// again or after 「最初」.
struct OverflowRow {
    const char* name;
    std::vector<std::string> steps;
    int16_t FigureState::*field;
    int16_t value;
    const char* button;
    const char* repair; // "restore" the field, or the button that restarts
    int kakudoAfterError, fHenkakuAfterError;
    const char* flagsAfterError;
    int kakudoAfterRepair, fHenkakuAfterRepair;
    const char* flagsAfterRepair;
};

inline const std::vector<OverflowRow>& overflowRows()
{
    static const std::vector<OverflowRow> rows = {
        // Ｍ's label sits at Mx + 100: the erase pass stops there, before the turn.
        {"Mx_plus_100_in_the_erase_pass", {"katei"}, &FigureState::Mx, 32700, "migi", "restore",
         35, 0, "1110000", 40, 0, "1111000"},
        // ｎ's far end is at kakudo + 180: the erase pass stops, kakudo − 5 is not taken.
        {"kakudo_plus_180_in_the_erase_pass", {"katei"}, &FigureState::kakudo, 32767, "hidari", "saisyo",
         32767, 0, "1110000", 35, 0, "1000000"},
        // The equal-angle marks need Ax − Mx: the switch is on when the draw
        // pass stops, and the enabling of godo after it is not done.
        {"Ax_minus_Mx_in_the_draw_pass", {"katei", "migi*4", "pick:3", "sankaku"}, &FigureState::Ax, -32620,
         "henkaku", "restore", 55, 1, "1111110", 55, 0, "1111111"},
    };
    return rows;
}

} // namespace godo::test
