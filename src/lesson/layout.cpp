#include "lesson/layout.h"

#include "lesson/texts.h"

namespace godo {

namespace {

constexpr Rgb kOlive{128, 128, 0};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kLightGrey{192, 192, 192};
constexpr Rgb kNone{};

constexpr FontSpec kButtonFont{10.5, 700};
constexpr FontSpec kLabelFont{13.5, 400};

constexpr std::u16string_view kEntries[] = {texts::kConclusionHeading, texts::kConclusionApBq,
                                            texts::kConclusionPmQm, texts::kConclusionAngles};

// Windows names it first; Apple's, Google's and Debian's gothic faces after.
constexpr std::u16string_view kFallbacks[] = {u"IPAPGothic", u"Hiragino Sans", u"Hiragino Kaku Gothic ProN",
                                              u"Noto Sans CJK JP", u"Noto Sans JP"};

constexpr Control kTurningButtons[] = {Control::hidari, Control::migi};
constexpr Control kConclusionList[] = {Control::keturon};
// kaiten: turning, the group of the two turning buttons.
constexpr Naming kNamings[] = {{Control::Label3, kTurningButtons, "kaiten"}, {Control::Label1, kConclusionList, ""}};

constexpr ControlLayout button(Control id, std::string_view name, std::u16string_view caption, TwipsRect r,
                               int tab, FontSpec font = kButtonFont)
{
    return {id, name, ControlKind::PushButton, caption, {}, r, tab, font, false, kNone, kNone};
}

constexpr ControlLayout label(Control id, std::string_view name, std::u16string_view text, TwipsRect r, int tab)
{
    return {id, name, ControlKind::Label, text, {}, r, tab, kLabelFont, true, kWhite, kOlive};
}

const WindowLayout kLayout{
    11190,
    7860,
    kOlive,
    texts::kInitialCaption,
    u"ＭＳ Ｐゴシック",
    kFallbacks,
    {{
        button(Control::Command1, "Command1", texts::kPrint, {9240, 5760, 1815, 375}, 12, {12, 700}),
        {Control::keturon, "keturon", ControlKind::ComboBox, texts::kConclusionHeading, kEntries,
         {9240, 2520, 1812, 330}, 11, kButtonFont, false, kNone, kNone},
        button(Control::godo, "godo", texts::kGodo, {9240, 4320, 1812, 372}, 9),
        button(Control::henkaku, "henkaku", texts::kHenkaku, {9240, 3720, 1812, 372}, 8),
        button(Control::sankaku, "sankaku", texts::kSankaku, {9240, 3120, 1812, 372}, 7),
        button(Control::katei, "katei", texts::kKatei, {9240, 360, 1812, 372}, 5),
        button(Control::owari, "owari", texts::kOwari, {9240, 7200, 1815, 375}, 4),
        button(Control::saisyo, "saisyo", texts::kSaisyo, {9240, 6480, 1815, 375}, 3),
        button(Control::migi, "migi", texts::kMigi, {10200, 1440, 852, 372}, 2),
        button(Control::hidari, "hidari", texts::kHidari, {9240, 1440, 852, 372}, 1),
        {Control::gamen, "gamen", ControlKind::PictureArea, u"", {}, {120, 240, 8805, 7485}, 0, {0, 400},
         false, kNone, kLightGrey, texts::kGamenName},
        label(Control::Label1, "Label1", texts::kLabel1, {9120, 2160, 1935, 375}, 10),
        label(Control::Label3, "Label3", texts::kLabel3, {9120, 1080, 1950, 270}, 6),
    }},
    {Control::gamen, Control::hidari, Control::migi, Control::saisyo, Control::owari, Control::katei,
     Control::sankaku, Control::henkaku, Control::godo, Control::keturon, Control::Command1},
    kNamings,
    2,
};

} // namespace

const WindowLayout& windowLayout() { return kLayout; }

} // namespace godo
