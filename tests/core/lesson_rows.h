#pragma once
// The lesson as a pupil walks it, step by step: after each walk, the state,
// the field of the list and the enabled flags. The window's code is walked
// through this table on a fake face, and the Qt window through its widgets.

#include "lesson/texts.h"

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

} // namespace godo::test
