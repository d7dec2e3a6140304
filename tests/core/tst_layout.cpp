// The window as the core lays it out, against the layout table row for row:
// the kind, caption or text, place in twips, tab index and font of each of
// the thirteen controls, the window itself, the tab order and which label
// names what. The faces' suites check their widgets against the core's
// layout; this is where the layout is checked against the table.

#include "draw/colour_scheme.h"
#include "draw/figure.h"
#include "lesson/figure_export.h"
#include "lesson/layout.h"
#include "lesson/readings.h"
#include "lesson/support.h"
#include "lesson/texts.h"
#include "lesson/terminal_text.h"
#include "lesson/utf.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>

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
    // The olive, stated here for every suite: the others read it from the core.
    const ColourScheme& standard = colourScheme(ColourSchemeId::Standard);
    EXPECT_EQ(w.back, (Rgb{128, 128, 0}));
    EXPECT_EQ(standard.window, w.back);
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
            EXPECT_EQ(c.fore, standard.labelText);
            EXPECT_EQ(c.back, w.back);
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

// What the program echoes of an argument it refuses: harmless on a terminal
// and short, whatever it was given; and what the core reads of the same bytes
// in UTF-16, U+FFFD for each maximal subpart of what is not UTF-8.
TEST(TerminalText, argumentsAreShownSafelyAndReadWithReplacements)
{
    const struct {
        std::string_view raw, shown;
        std::u16string_view read;
    } rows[] = {
        {"--projecter", "--projecter", u"--projecter"},
        {"直線ｎ", "直線ｎ", u"直線ｎ"},
        {"\x1b[31mX", "\\e[31mX", u"\x1b[31mX"},
        {"a\nb\tc\x7f", "a\\nb\\tc\\x7F", u"a\nb\tc\x7f"},
        {"\xc2\x9b" "2J", "\\x9B2J", u"\x9b" "2J"},             // C1 control introducer
        {"\xe2\x80\xae" "txt", "\\u{202E}txt", u"\x202e" "txt"}, // right-to-left override
        {"\xf0\x9f\x98\x80", "\xf0\x9f\x98\x80", u"\xd83d\xde00"}, // past U+FFFF: a pair
        {"\xff\xc0\x80" "ok", "\\xFF\\xC0\\x80ok", u"\xfffd\xfffd\xfffd" "ok"}, // not UTF-8, overlong
        {"\xc0\x80", "\\xC0\\x80", u"\xfffd\xfffd"},                        // an overlong U+0000
        {"\xe0\x80\xaf", "\\xE0\\x80\\xAF", u"\xfffd\xfffd\xfffd"},          // an overlong '/'
        {"\xed\xa0\x80", "\\xED\\xA0\\x80", u"\xfffd\xfffd\xfffd"},          // a surrogate
        {"\xf4\x90\x80\x80", "\\xF4\\x90\\x80\\x80", u"\xfffd\xfffd\xfffd\xfffd"}, // past U+10FFFF
        {"\xf7\xbf\xbf\xbf", "\\xF7\\xBF\\xBF\\xBF", u"\xfffd\xfffd\xfffd\xfffd"},
        {"\xe7\x9b", "\\xE7\\x9B", u"\xfffd"},                       // cut short
        {"\xf0\x9f\x98" "a", "\\xF0\\x9F\\x98" "a", u"\xfffd" "a"}, // cut short
    };
    for (const auto& r : rows) {
        EXPECT_EQ(shownOnTerminal(r.raw), r.shown) << r.raw;
        EXPECT_EQ(toUtf16(r.raw), r.read) << r.shown;
    }
    // And back: a lone surrogate has no UTF-8 form.
    EXPECT_EQ(toUtf8(u"\xd800" "a\xdc00\xde00\xd83d"), "\xef\xbf\xbd" "a\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd");
    EXPECT_EQ(toUtf8(u"\xd83d\xde00"), "\xf0\x9f\x98\x80");

    const std::string longArgument(120 * 1024, 'x');
    EXPECT_EQ(shownOnTerminal(longArgument), std::string(kShownCharacters, 'x') + "…");
    const std::string escapes(100, '\x1b');
    const std::string cut = shownOnTerminal(escapes);
    EXPECT_EQ(cut.substr(cut.size() - 3), "…");
    EXPECT_LE(cut.size() - 3, kShownCharacters);
}

// Every text of the core that holds a kanji has its reading: ruby and
// read-aloud take them from the one table, so a text added without one must
// fail here. The texts are found in the core's sources themselves, adjacent
// literals joined, the table's own annotations left out.
TEST(Readings, everyKanjiOfEveryTextHasItsReading)
{
    std::set<std::u16string> found;
    const std::regex literal(R"re((?:^|[^\w"])u"((?:[^"\\]|\\.)*)"(?:\s*u"((?:[^"\\]|\\.)*)")*)re");
    const std::regex comment(R"re((^|\n)\s*//[^\n]*)re");
    const std::regex piece(R"re(u"((?:[^"\\]|\\.)*)")re");
    for (const auto& file : std::filesystem::recursive_directory_iterator(GODO_CORE_SOURCES)) {
        if (!file.is_regular_file() || file.path().filename() == "readings.cpp")
            continue;
        std::ifstream in(file.path());
        const std::string source =
            std::regex_replace(std::string((std::istreambuf_iterator<char>(in)), {}), comment, "$1");
        for (auto m = std::sregex_iterator(source.begin(), source.end(), literal); m != std::sregex_iterator(); ++m) {
            std::string joined;
            const std::string whole = m->str();
            for (auto p = std::sregex_iterator(whole.begin(), whole.end(), piece); p != std::sregex_iterator(); ++p)
                joined += (*p)[1].str();
            const std::u16string text = toUtf16(joined);
            if (std::any_of(text.begin(), text.end(), [](char16_t c) { return isKanji(c); }))
                found.insert(text);
        }
    }
    ASSERT_GT(found.size(), std::size_t(40));
    const std::vector<std::u16string> table = textsWithReadings();
    for (const std::u16string& text : found) {
        // \u3000 in a literal is the source's spelling of the ideographic space.
        std::u16string t;
        for (std::size_t i = 0; i < text.size();) {
            const bool space = text.compare(i, 6, u"\\u3000") == 0;
            t += space ? u'\u3000' : text[i];
            i += space ? 6 : 1;
        }
        EXPECT_NE(std::find(table.begin(), table.end(), t), table.end()) << "no reading: " << toUtf8(t);
    }
    for (const std::u16string& text : table) {
        std::u16string bases;
        for (const ReadingRun& r : readingRuns(text)) {
            bases += r.base;
            const bool kanji = std::any_of(r.base.begin(), r.base.end(), [](char16_t c) { return isKanji(c); });
            EXPECT_TRUE(!kanji || (r.ruby && !r.reading.empty())) << toUtf8(r.base) << " in " << toUtf8(text);
            if (r.ruby) {
                EXPECT_TRUE(std::none_of(r.reading.begin(), r.reading.end(), [](char16_t c) { return isKanji(c); }))
                    << toUtf8(r.reading);
            }
        }
        EXPECT_EQ(toUtf8(bases), toUtf8(text));
    }
    EXPECT_EQ(toUtf8(spokenText(kGodoSentence)), "いっぺんとそのりょうたんのかくがそれぞれひとしい｡ ");
    // What is said after a press holds no kanji, whatever the figure shows.
    for (const int16_t conclusion : {0, 1, 2, 3}) {
        for (const int16_t angle : {0, 35, 90, 170}) {
            FigureState st;
            st.reset();
            st.kakudo = angle;
            st.nKeturon = conclusion;
            st.fKatei = st.fSankaku = conclusion > 1;
            const std::u16string said = spokenAfterPress(texts::kKatei, st);
            EXPECT_TRUE(std::none_of(said.begin(), said.end(), [](char16_t c) { return isKanji(c); })) << toUtf8(said);
        }
    }
}

// Each value of each support setting, given by its name, is the value the
// settings then report, and nothing else changes; the default comes first;
// unknown names and values change nothing.
TEST(Support, everyValueByNameRoundTrips)
{
    const SupportSettings defaults;
    const auto before = settingValues(defaults);
    for (std::size_t i = 0; i < before.size(); ++i) {
        std::vector<std::string> values;
        std::string choices = settingChoices(before[i].name);
        for (std::size_t at = 0; at != std::string::npos; choices.erase(0, at == std::string::npos ? 0 : at + 1)) {
            at = choices.find('|');
            values.push_back(choices.substr(0, at));
        }
        ASSERT_GE(values.size(), std::size_t(2)) << before[i].name;
        EXPECT_EQ(values.front(), before[i].value);
        for (const std::string& value : values) {
            SupportSettings s;
            ASSERT_TRUE(applySetting(s, before[i].name, value)) << value;
            const auto after = settingValues(s);
            for (std::size_t j = 0; j < after.size(); ++j)
                EXPECT_EQ(after[j].value, j == i ? std::string_view(value) : before[j].value);
        }
        SupportSettings s;
        EXPECT_FALSE(applySetting(s, before[i].name, "nonsense"));
        EXPECT_EQ(s, defaults);
    }
    SupportSettings s;
    EXPECT_FALSE(applySetting(s, "colours", "cud"));
    EXPECT_EQ(s, defaults);
}
