// The redraw on the recording surface: the order of one pass, where the
// labels and line ｎ land at the telling angles, the colours of the draw and
// the erase pass, the parallel case at 0 degrees (and at a half turn either
// way), and a pass that overflows.

#include "figure_expectations.h"
#include "lesson/figure_description.h"
#include "lesson/figure_svg.h"
#include "lesson/utf.h"
#include "model/checked16.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

using namespace godo;
using namespace godo::test;

namespace {

std::string hex(Rgb c)
{
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02x%02x%02x", c.r, c.g, c.b);
    return buf;
}

// One call as a short word: the kind, the colour it draws or sets, the text.
std::string token(const DrawOp& c)
{
    switch (c.kind) {
    case OpKind::Clear: return "clear";
    case OpKind::SetForeColor: return "fore " + hex(c.colour);
    case OpKind::SetFillStyle: return c.fill == FillStyle::Solid ? "solid" : "transparent";
    case OpKind::SetFillColor: return "fill " + hex(c.colour);
    case OpKind::SetCurrentPoint: return "point";
    case OpKind::Line: return "line " + hex(c.colour);
    case OpKind::LineTo: return "lineto " + hex(c.colour);
    case OpKind::RelativeLine: return "rline " + hex(c.colour);
    case OpKind::Circle: return "circle " + hex(c.colour);
    case OpKind::PrintText: return "text " + toUtf8(c.text);
    default: return "other";
    }
}

std::vector<std::string> tokens(const std::vector<DrawOp>& calls)
{
    std::vector<std::string> out;
    for (const DrawOp& c : calls)
        out.push_back(token(c));
    return out;
}

struct Pass {
    FigureState s;
    DisplayList rec;

    Pass() { s.reset(); }

    void draw(int16_t pen)
    {
        Figure(rec, s).zukei(pen);
    }

    // The one printing of text t in the pass, if any.
    std::optional<DrawOp> text(std::u16string_view t) const
    {
        for (const auto& x : opsOf(rec, OpKind::PrintText))
            if (x.text == t)
                return x;
        return std::nullopt;
    }
};

// The base figure of one pass with pen 15, up to the label Ｐ.
std::vector<std::string> basePass()
{
    return {"clear", "fore #ffffff",
            "point", "text ｌ", "point", "text ｍ", "point", "text Ｍ",
            "point", "text Ａ", "point", "text Ｂ",
            "line #ffffff", "line #ffffff", "line #ffffff", // ｌ, ｍ, ＡＢ
            "line #ff0000",                                   // ｎ
            "point", "fore #ffffff", "text ｎ",
            "fore #ffffff", "point", "text Ｑ", "point", "text Ｐ"};
}

bool near(float a, double b, double tolerance) { return std::abs(double(a) - b) <= tolerance; }

} // namespace

TEST(Zukei, order_baseFigureOnly)
{
    Pass p;
    p.draw(15);
    EXPECT_EQ(tokens(p.rec.ops()), basePass());
}

TEST(Zukei, order_everyOverlayOn)
{
    Pass p;
    everyOverlayOn(p.s, 1);
    p.draw(15);
    std::vector<std::string> expected = basePass();
    expected.insert(expected.end(), {
        "circle #ff0000", "circle #ff0000",                         // conclusion 1
        "line #0000ff", "lineto #0000ff", "lineto #0000ff",         // △ＡＰＭ
        "line #00ff00", "lineto #00ff00", "lineto #00ff00",         // △ＢＱＭ
        "solid", "fill #ffffff", "circle #ffffff", "circle #ffffff",
        "transparent", "circle #ffffff", "circle #ffffff",          // equal angles
        "line #ffff00", "line #ffff00",                             // ticks
        "rline #ffff00", "rline #ffff00", "rline #ffff00", "rline #ffff00",
        "point", "fore #ffffff",
        "text 1辺とその両端の角がそれぞれ等しい\uFF61 "});
    EXPECT_EQ(tokens(p.rec.ops()), expected);
}

TEST(Zukei, baseLabels)
{
    const struct {
        const char* name;
        std::u16string_view label;
        float x, y;
    } rows[] = {
        {"ｌ", u"ｌ", 100.f, 1700.f},
        {"ｍ", u"ｍ", 100.f, 5700.f},
        {"Ｍ", u"Ｍ", 4600.f, 3850.f},
        {"Ａ", u"Ａ", 6900.f, 1700.f},
        {"Ｂ", u"Ｂ", 1900.f, 6000.f},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        Pass p;
        p.draw(15);
        const auto t = p.text(r.label);
        ASSERT_TRUE(t);
        EXPECT_EQ(t->at[0], r.x);
        EXPECT_EQ(t->at[1], r.y);
    }
}

TEST(Zukei, angleTable)
{
    const struct {
        const char* name;
        int kakudo;
        int Qx;
        float labelQx;
        int Px;
        float labelPx;
        std::array<double, 4> ends; // x1, y1, x2, y2 of ｎ
        std::array<double, 2> labelN;
    } rows[] = {
        {"5", 5, 27164, 27364.f, -18164, -18564.f, {10477.19, 4522.67, -1478.02, 3486.85}, {262.59, 3146.43}},
        {"30", 30, 7960, 8160.f, 1040, 640.f, {9696.95, 6998.62, -701.72, 1009.66}, {954.99, 1626.33}},
        {"35", 35, 7353, 7553.f, 1647, 1347.f, {9415.98, 7439.94, -421.45, 567.90}, {1177.36, 1363.08}},
        {"90", 90, 4500, 4700.f, 4500, 4200.f, {4504.78, 10000.00, 4485.67, -1999.98}, {4755.87, 13.67}},
        {"125", 125, 3101, 3301.f, 5899, 5599.f, {1063.98, 8918.72, 7928.18, -924.18}, {7090.87, 882.34}},
        {"130", 130, 2823, 2923.f, 6177, 5877.f, {648.56, 8600.70, 8344.10, -606.83}, {7361.56, 1105.52}},
        {"145", 145, 1647, 1247.f, 7353, 7553.f, {-410.49, 7447.76, 9405.00, 544.42}, {8031.16, 1890.40}},
        {"170", 170, -6796, -7196.f, 15796, 15996.f, {-1407.27, 5050.78, 10405.59, 2939.82}, {8582.85, 3456.92}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        Pass p;
        p.s.kakudo = int16_t(r.kakudo);
        p.draw(15);
        EXPECT_EQ(p.s.Qx, r.Qx);
        EXPECT_EQ(p.s.Px, r.Px);

        const auto q = p.text(u"Ｑ");
        const auto pp = p.text(u"Ｐ");
        const auto n = p.text(u"ｎ");
        ASSERT_TRUE(q && pp && n);
        EXPECT_EQ(q->at[0], r.labelQx);
        EXPECT_EQ(q->at[1], 6000.f);
        EXPECT_EQ(pp->at[0], r.labelPx);
        EXPECT_EQ(pp->at[1], 1700.f);

        // Line ｎ is the fourth line of the pass, after ｌ, ｍ and ＡＢ.
        const auto lines = opsOf(p.rec, OpKind::Line);
        ASSERT_EQ(lines.size(), std::size_t(4));
        for (int i = 0; i < 4; ++i)
            EXPECT_TRUE(near(lines[3].at[i], r.ends[i], 0.01))
                << "end coordinate " << i << ": " << lines[3].at[i] << " vs " << r.ends[i];
        EXPECT_TRUE(near(n->at[0], r.labelN[0], 0.01)) << n->at[0];
        EXPECT_TRUE(near(n->at[1], r.labelN[1], 0.01)) << n->at[1];
    }
}

// The standard scheme's pens are QBColor's; the suites read the figure's
// colours from them.
TEST(Zukei, standardPens_areQBColor)
{
    const Rgb expected[16] = {
        {0, 0, 0},       {0, 0, 128},   {0, 128, 0},   {0, 128, 128}, {128, 0, 0},   {128, 0, 128},
        {128, 128, 0},   {192, 192, 192}, {128, 128, 128}, {0, 0, 255}, {0, 255, 0}, {0, 255, 255},
        {255, 0, 0},     {255, 0, 255}, {255, 255, 0}, {255, 255, 255},
    };
    for (int16_t i = 0; i < 16; ++i)
        EXPECT_EQ(qbColor(i), expected[i]) << "pen " << i;
}

TEST(Zukei, colours)
{
    const struct {
        const char* name;
        int pen;
        Rgb labels;    // ｌ ｍ Ｍ Ａ Ｂ Ｑ Ｐ
        Rgb baseLines; // ｌ, ｍ, ＡＢ
        Rgb lineN;
        Rgb labelN;
    } rows[] = {
        {"draw", 15, kWhite, kWhite, kRed, kWhite},
        {"erase", 3, kCyan, kCyan, kCyan, kWhite},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        Pass p;
        p.draw(int16_t(r.pen));

        for (const auto& t : opsOf(p.rec, OpKind::PrintText)) {
            const Rgb expected = t.text == u"ｎ" ? r.labelN : r.labels;
            EXPECT_EQ(t.colour, expected) << toUtf8(t.text);
        }
        EXPECT_EQ(opsOf(p.rec, OpKind::PrintText).size(), std::size_t(8));
        const auto lines = opsOf(p.rec, OpKind::Line);
        ASSERT_EQ(lines.size(), std::size_t(4));
        EXPECT_EQ(lines[0].colour, r.baseLines);
        EXPECT_EQ(lines[1].colour, r.baseLines);
        EXPECT_EQ(lines[2].colour, r.baseLines);
        EXPECT_EQ(lines[3].colour, r.lineN);
    }
}

TEST(Zukei, parallel)
{
    const struct {
        const char* name;
        int pen;
        int godo;
        Rgb lastFore;
        Rgb ticks;
        int kakudo = 0;
    } rows[] = {
        {"draw, sentence off", 15, 0, kWhite, kYellow},
        {"erase, sentence off", 3, 0, kWhite, kCyan},
        {"draw, sentence on", 15, 1, kWhite, kYellow},
        {"erase, sentence on", 3, 1, kCyan, kCyan},
        // A half turn either way is parallel too; the lesson never turns ｎ
        // there, but the figure and its description must agree on it.
        {"draw at 180", 15, 1, kWhite, kYellow, 180},
        {"erase at -180", 3, 0, kWhite, kCyan, -180},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        // 0 degrees is reached only from 5, whose pass leaves Ｐ and Ｑ behind.
        Pass p;
        p.s.kakudo = 5;
        p.draw(int16_t(r.pen));
        p.s.kakudo = int16_t(r.kakudo);
        everyOverlayOn(p.s, 3);
        p.s.fGodo = int16_t(r.godo);
        p.draw(int16_t(r.pen));

        EXPECT_EQ(p.s.Px, -18164);
        EXPECT_EQ(p.s.Qx, 27164);
        EXPECT_FALSE(p.text(u"Ｐ"));
        EXPECT_FALSE(p.text(u"Ｑ"));
        EXPECT_TRUE(p.text(u"ｎ"));
        // Nothing of the conclusion, the triangles or the equal angles.
        EXPECT_TRUE(opsOf(p.rec, OpKind::Circle).empty());
        EXPECT_TRUE(opsOf(p.rec, OpKind::LineTo).empty());
        EXPECT_TRUE(opsOf(p.rec, OpKind::SetFillStyle).empty());
        EXPECT_TRUE(opsOf(p.rec, OpKind::SetFillColor).empty());

        // The hypothesis marks, with the arrowheads where 5 degrees put them.
        const auto lines = opsOf(p.rec, OpKind::Line);
        ASSERT_EQ(lines.size(), std::size_t(6));
        EXPECT_EQ(lines[4].colour, r.ticks);
        EXPECT_EQ(lines[5].colour, r.ticks);
        const auto arms = opsOf(p.rec, OpKind::RelativeLine);
        ASSERT_EQ(arms.size(), std::size_t(4));
        EXPECT_EQ(arms[0].at[0], -5532.f);
        EXPECT_EQ(arms[2].at[0], 14632.f);

        EXPECT_EQ(p.text(u"1辺とその両端の角がそれぞれ等しい\uFF61 ").has_value(), r.godo == 1);
        EXPECT_EQ(opsOf(p.rec, OpKind::SetForeColor).back().colour, r.lastFore);

        // What a screen reader hears says what the figure shows: no Ｐ, no Ｑ,
        // and none of the marks that need them.
        const std::u16string d = describeFigure(p.s);
        EXPECT_NE(d.find(u"直線ｎはｌとｍに平行で、交点Ｐ、Ｑはない。"), std::u16string::npos) << toUtf8(d);
        EXPECT_NE(d.find(u"結論：なし。注目する三角形：なし。等しい角の印：なし。"), std::u16string::npos)
            << toUtf8(d);
    }
}

TEST(Zukei, labelThresholds)
{
    const struct {
        const char* name;
        int kakudo, Mx;
        float labelQx, labelPx;
    } rows[] = {
        // The angles on either side of each threshold.
        {"30", 30, 4500, 7960.f + 200, 1040.f - 400},
        {"35", 35, 4500, 7353.f + 200, 1647.f - 300},
        {"125", 125, 4500, 3101.f + 200, 5899.f - 300},
        {"130", 130, 4500, 2823.f + 100, 6177.f - 300},
        {"145", 145, 4500, 1647.f - 400, 7353.f + 200},
        // At 90 degrees Ｐ and Ｑ fall on Ｍ, so moving Ｍ puts them on each bound.
        {"Qx = 3000, Px = 3000", 90, 3000, 3100.f, 2700.f},
        {"Qx = 3001", 90, 3001, 3201.f, 2701.f},
        {"Qx = Bx", 90, 2000, 2100.f, 1700.f},
        {"Qx = Bx - 1", 90, 1999, 1599.f, 1699.f},
        {"Px = 1500", 90, 1500, 1100.f, 1200.f},
        {"Px = 1499", 90, 1499, 1099.f, 1099.f},
        {"Px = Ax", 90, 7000, 7200.f, 6700.f},
        {"Px = Ax + 1", 90, 7001, 7201.f, 7201.f},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        Pass p;
        p.s.kakudo = int16_t(r.kakudo);
        p.s.Mx = int16_t(r.Mx);
        p.draw(15);
        EXPECT_EQ(p.text(u"Ｑ")->at[0], r.labelQx);
        EXPECT_EQ(p.text(u"Ｐ")->at[0], r.labelPx);
    }
}

TEST(Zukei, overflow)
{
    const struct {
        const char* name;
        int kakudo, Mx, Ax;
        std::string lastCall; // the last call that was made
        int calls;
        int Qx, Px; // 222 and 111 are what the state held before
    } rows[] = {
        {"label Ｍ", 35, 32700, 7000, "text ｍ", 6, 222, 111},
        {"label Ａ", 35, 4500, -32700, "text Ｍ", 8, 222, 111},
        {"kakudo + 180", 32767, 4500, 7000, "line #ffffff", 15, 222, 111},
        {"kakudo + 185", 32585, 4500, 7000, "line #ff0000", 16, 222, 111},
        {"Qx", 35, 30000, 7000, "fore #ffffff", 20, 222, 111},
        {"label Ｑ", 35, 29850, 7000, "fore #ffffff", 20, 32703, 111},
        {"Px", 5, -14400, 7000, "text Ｑ", 22, 8264, 111},
        {"label Ｐ", 5, -9900, 7000, "text Ｑ", 22, 12764, -32564},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        Pass p;
        p.s.kakudo = int16_t(r.kakudo);
        p.s.Mx = int16_t(r.Mx);
        p.s.Ax = int16_t(r.Ax);
        p.s.Qx = 222;
        p.s.Px = 111;
        everyOverlayOn(p.s, 1);
        ASSERT_THROW(p.draw(15), OverflowError);
        EXPECT_EQ(int(p.rec.ops().size()), r.calls);
        EXPECT_EQ(token(p.rec.ops().back()), r.lastCall);
        EXPECT_EQ(p.s.Qx, r.Qx);
        EXPECT_EQ(p.s.Px, r.Px);
    }
}

// In every scheme the figure is the standard one but for its colours, each
// taken from the scheme's pen of the same index; and its erase pass paints
// everything in the scheme's background but the label ｎ.
TEST(Zukei, schemes_changeOnlyColours)
{
    const ColourScheme& standard = colourScheme(ColourSchemeId::Standard);
    const auto penOf = [&](Rgb c) {
        for (int16_t i = 0; i < 16; ++i)
            if (standard.pen(i) == c)
                return i;
        ADD_FAILURE() << "not a standard colour";
        return int16_t(0);
    };
    for (const ColourScheme& scheme : colourSchemes()) {
        SCOPED_TRACE(std::string(scheme.name));
        for (const int16_t angle : {35, 145}) {
            for (const int16_t pen : {kBrightWhite, kBackground}) {
                FigureState a, b;
                a.reset(), b.reset();
                a.kakudo = b.kakudo = angle;
                test::everyOverlayOn(a, 3);
                test::everyOverlayOn(b, 3);
                DisplayList ours, theirs;
                applyLoadSettings(ours, scheme);
                applyLoadSettings(theirs);
                Figure(ours, a, scheme).zukei(pen);
                Figure(theirs, b).zukei(pen);
                ASSERT_EQ(ours.ops().size(), theirs.ops().size());
                for (std::size_t i = 0; i < ours.ops().size(); ++i) {
                    DrawOp expected = theirs.ops()[i];
                    expected.colour = scheme.pen(penOf(expected.colour));
                    expected.fillColour = scheme.pen(penOf(expected.fillColour));
                    EXPECT_EQ(ours.ops()[i], expected) << "operation " << i;
                    const DrawOp& op = ours.ops()[i];
                    if (pen == kBackground && op.draws() && op.text != u"ｎ") {
                        EXPECT_EQ(op.colour, scheme.pen(kBackground)) << "operation " << i;
                    }
                }
            }
        }
    }
}

namespace {

std::size_t occurrences(const std::string& s, const std::string& what)
{
    std::size_t n = 0;
    for (std::size_t at = s.find(what); at != std::string::npos; at = s.find(what, at + 1))
        ++n;
    return n;
}

} // namespace

// The figure as an SVG document: in the viewBox of the area's inside, one
// element for each line, circle and text drawn since the clear, each at the
// operation's twips and in its colours, pens in pixels of 15 twips, texts
// as text with their baseline the face's ascent below the operation's point,
// and what a text or a family holds escaped.
TEST(Zukei, svg_anElementForEachOperation)
{
    const SvgFont font{{u"A&B", u"IPAPGothic"}, 0.875};
    for (const ColourSchemeId id : {ColourSchemeId::Standard, ColourSchemeId::Paper}) {
        const ColourScheme& scheme = colourScheme(id);
        FigureState s;
        s.reset();
        s.kakudo = 145;
        everyOverlayOn(s, 1);
        DisplayList rec;
        applyLoadSettings(rec, scheme);
        Figure(rec, s, scheme).zukei(15);
        rec.setCurrentPoint(10, 20);
        rec.printText(u"a<b&c");
        const std::string svg = figureSvg(rec.ops(), figureArea(), font);
        const auto has = [&](const std::string& part) { return svg.find(part) != std::string::npos; };
        EXPECT_TRUE(has(R"(viewBox="0 0 8745 7425")"));
        EXPECT_TRUE(has(R"(font-family="'A&amp;B', 'IPAPGothic', sans-serif")"));
        EXPECT_TRUE(has(R"(<rect width="8745" height="7425" fill=")" + hex(scheme.pen(kBackground)) + R"("/>)"));
        const std::size_t lines = opsOf(rec, OpKind::Line).size() + opsOf(rec, OpKind::LineTo).size()
            + opsOf(rec, OpKind::RelativeLine).size();
        EXPECT_EQ(occurrences(svg, "<line "), lines);
        EXPECT_EQ(occurrences(svg, "<circle "), opsOf(rec, OpKind::Circle).size());
        EXPECT_EQ(occurrences(svg, "<text "), opsOf(rec, OpKind::PrintText).size());
        EXPECT_EQ(occurrences(svg, R"(stroke-width="45")"), lines + opsOf(rec, OpKind::Circle).size());
        // ｌ, ｎ (whose ends are not whole twips), a solid circle, a label.
        const std::string pen = hex(scheme.pen(kBrightWhite));
        EXPECT_TRUE(has(R"(<line x1="0" y1="2000" x2="8800" y2="2000" stroke=")" + pen));
        // ｎ's ends as they came, to the last bit of their 32-bit floats.
        const DrawOp n = opsOf(rec, OpKind::Line).at(3);
        const std::size_t line = svg.find(R"(<line x1="-410.49)");
        ASSERT_NE(line, std::string::npos);
        const std::size_t x1 = line + 10;
        EXPECT_EQ(std::stof(svg.substr(x1)), n.at[0]);
        EXPECT_EQ(std::stof(svg.substr(svg.find(R"(y1=")", x1) + 4)), n.at[1]);
        const DrawOp solid = opsOf(rec, OpKind::Circle).at(2);
        ASSERT_EQ(solid.fill, FillStyle::Solid);
        EXPECT_TRUE(has(R"(" fill=")" + hex(solid.fillColour) + R"(" stroke=")" + hex(solid.colour)));
        EXPECT_TRUE(has(R"(<text x="6900" y="1962.5" font-size="300" fill=")" + pen + R"(">Ａ</text>)"));
        EXPECT_TRUE(has(R"(<text x="10" y="282.5" font-size="300" fill=")" + pen + R"(">a&lt;b&amp;c</text>)"));
    }
}
