// The window as the core lays it out, against the layout table row for row:
// the kind, caption or text, place in twips, tab index and font of each of
// the thirteen controls, the window itself, the tab order and which label
// names what. The faces' suites check their widgets against the core's
// layout; this is where the layout is checked against the table.

#include "lesson/figure_export.h"
#include "lesson/layout.h"
#include "lesson/terminal_text.h"
#include "lesson/utf.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

using namespace godo;

namespace {

struct Row {
    std::string_view name;
    ControlKind kind;
    std::u16string_view caption;
    TwipsRect rect;
    int tabIndex;
    double points;
    int weight;
};

constexpr auto B = ControlKind::PushButton;
constexpr Row kTable[] = {
    {"Command1", B, u"印刷", {9240, 5760, 1815, 375}, 12, 12, 700},
    {"keturon", ControlKind::ComboBox, u"　　　　結論", {9240, 2520, 1812, 330}, 11, 10.5, 700},
    {"godo", B, u"合同条件", {9240, 4320, 1812, 372}, 9, 10.5, 700},
    {"henkaku", B, u"等しい辺・角", {9240, 3720, 1812, 372}, 8, 10.5, 700},
    {"sankaku", B, u"注目する三角形", {9240, 3120, 1812, 372}, 7, 10.5, 700},
    {"katei", B, u"仮定", {9240, 360, 1812, 372}, 5, 10.5, 700},
    {"owari", B, u"終了", {9240, 7200, 1815, 375}, 4, 10.5, 700},
    {"saisyo", B, u"最初", {9240, 6480, 1815, 375}, 3, 10.5, 700},
    {"migi", B, u"右回転", {10200, 1440, 852, 372}, 2, 10.5, 700},
    {"hidari", B, u"左回転", {9240, 1440, 852, 372}, 1, 10.5, 700},
    {"gamen", ControlKind::PictureArea, u"", {120, 240, 8805, 7485}, 0, 0, 400},
    {"Label1", ControlKind::Label, u"証明の進め方", {9120, 2160, 1935, 375}, 10, 13.5, 400},
    {"Label3", ControlKind::Label, u"直線ｎの移動", {9120, 1080, 1950, 270}, 6, 13.5, 400},
};

std::string utf8(std::u16string_view s) { return toUtf8(s); }

} // namespace

TEST(Layout, everyControl_asTheTableHasIt)
{
    const WindowLayout& w = windowLayout();
    ASSERT_EQ(std::size(kTable), w.controls.size());
    for (std::size_t i = 0; i < std::size(kTable); ++i) {
        const Row& row = kTable[i];
        const ControlLayout& c = w.controls[i];
        SCOPED_TRACE(std::string(row.name));
        EXPECT_EQ(c.name, row.name);
        EXPECT_EQ(int(c.kind), int(row.kind));
        EXPECT_EQ(utf8(c.text), utf8(row.caption));
        EXPECT_EQ(c.rect, row.rect);
        EXPECT_EQ(c.tabIndex, row.tabIndex);
        EXPECT_EQ(c.font.points, row.points);
        EXPECT_EQ(c.font.weight, row.weight);
    }
}

TEST(Layout, window_sizeColoursCaptionFontAndOrder)
{
    const WindowLayout& w = windowLayout();
    EXPECT_EQ(w.width, 11190);
    EXPECT_EQ(w.height, 7860);
    EXPECT_EQ(twipsToPixels(w.width), 746);
    EXPECT_EQ(twipsToPixels(w.height), 524);
    EXPECT_EQ(w.back, (Rgb{128, 128, 0}));
    EXPECT_EQ(utf8(w.initialCaption), "Form1");
    EXPECT_EQ(utf8(w.fontFamily), "ＭＳ Ｐゴシック");
    std::string order;
    for (Control c : w.tabOrder)
        order += std::string(w[c].name) + ' ';
    EXPECT_EQ(order, "gamen hidari migi saisyo owari katei sankaku henkaku godo keturon Command1 ");
    // The labels paint white on the window's olive; the others their system's.
    for (const ControlLayout& c : w.controls) {
        SCOPED_TRACE(std::string(c.name));
        EXPECT_EQ(c.ownColours, c.kind == ControlKind::Label);
        if (c.ownColours) {
            EXPECT_EQ(c.fore, (Rgb{255, 255, 255}));
            EXPECT_EQ(c.back, (Rgb{128, 128, 0}));
        }
    }
}

TEST(Layout, labels_nameWhatStandsBelowThem)
{
    const WindowLayout& w = windowLayout();
    std::string namings;
    for (const Naming& n : w.namings) {
        namings += std::string(w[n.label].name) + ':';
        for (Control c : n.controls)
            namings += ' ' + std::string(w[c].name);
        namings += " [" + std::string(n.group) + "] ";
    }
    EXPECT_EQ(namings, "Label3: hidari migi [kaiten] Label1: keturon [] ");
    EXPECT_EQ(utf8(w[Control::gamen].accessibleName), "図形");
}

// What the program echoes of an argument it refuses: harmless on a terminal
// and short, whatever it was given.
// The figure taken out of the lesson is the picture area's inside: 583 x 495
// pixels within the 2-pixel frame, at 300 dpi 1821.875 x 1546.875, to the
// nearest pixel; and a file's extension names its format in any case.
TEST(Layout, figureArea_insideTheFrame)
{
    EXPECT_EQ(figureArea(), (TwipsSize{8745, 7425}));
    EXPECT_EQ(figurePixels(), (PixelSize{1822, 1547}));
    EXPECT_EQ(figureFormatOf(u"/home/t/図形.SVG"), FigureFormat::Svg);
    EXPECT_EQ(figureFormatOf(u"a.b.png"), FigureFormat::Png);
    EXPECT_EQ(figureFormatOf(u"c:\\w\\x.Pdf"), FigureFormat::Pdf);
    EXPECT_EQ(figureFormatOf(u"図形"), std::nullopt);
    EXPECT_EQ(figureFormatOf(u"/tmp/x.pdf/図形"), std::nullopt);
}

TEST(TerminalText, argumentsAreShownSafely)
{
    const struct {
        std::string_view raw, shown;
    } rows[] = {
        {"--projecter", "--projecter"},
        {"直線ｎ", "直線ｎ"},
        {"\x1b[31mX", "\\e[31mX"},
        {"a\nb\tc\x7f", "a\\nb\\tc\\x7F"},
        {"\xc2\x9b" "2J", "\\x9B2J"},               // C1 control introducer
        {"\xe2\x80\xae" "txt", "\\u{202E}txt"},     // right-to-left override
        {"\xff\xc0\x80" "ok", "\\xFF\\xC0\\x80ok"}, // not UTF-8, overlong
        {"\xed\xa0\x80", "\\xED\\xA0\\x80"},        // a surrogate
        {"\xe7\x9b", "\\xE7\\x9B"},                 // cut short
    };
    for (const auto& r : rows)
        EXPECT_EQ(shownOnTerminal(r.raw), r.shown) << r.raw;

    const std::string longArgument(120 * 1024, 'x');
    EXPECT_EQ(shownOnTerminal(longArgument), std::string(kShownCharacters, 'x') + "…");
    const std::string escapes(100, '\x1b');
    const std::string cut = shownOnTerminal(escapes);
    EXPECT_EQ(cut.substr(cut.size() - 3), "…");
    EXPECT_LE(cut.size() - 3, kShownCharacters);
}
