// The five overlays on the recording surface: their calls, positions and
// colours at the telling angles, and sweeps over every reachable angle that
// check the marks against the geometry of the figure.

#include "figure_expectations.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>
#include <tuple>
#include <vector>

using namespace godo;
using namespace godo::test;

namespace {

// The state after a draw pass at the angle, as the lesson leaves it: Ｐ and Ｑ
// computed. 0 degrees is reached from 5, which leaves its Ｐ and Ｑ behind.
FigureState stateAt(int kakudo)
{
    FigureState s;
    s.reset();
    s.kakudo = int16_t(kakudo == 0 ? 5 : kakudo);
    redraw(s, 15);
    s.kakudo = int16_t(kakudo);
    return s;
}

enum class Overlay { Katei, Godo, Sankaku, Henkaku, Keturon };

std::vector<DrawOp> record(FigureState s, Overlay which, int16_t pen)
{
    DisplayList rec;
    Figure fig(rec, s);
    switch (which) {
    case Overlay::Katei: fig.kateizu(pen); break;
    case Overlay::Godo: fig.godozu(pen); break;
    case Overlay::Sankaku: fig.sankakuzu(pen); break;
    case Overlay::Henkaku: fig.henkakuzu(pen); break;
    case Overlay::Keturon: fig.keturonzu(pen); break;
    }
    return rec.ops();
}

// The circles of one draw pass over the state, with whatever switches it has on.
std::vector<DrawOp> circlesOfRedraw(FigureState& s) { return opsOf(redraw(s, 15), OpKind::Circle); }

struct Pt {
    double x, y;
};
Pt operator-(Pt a, Pt b) { return {a.x - b.x, a.y - b.y}; }
double cross(Pt a, Pt b) { return a.x * b.y - a.y * b.x; }
double dot(Pt a, Pt b) { return a.x * b.x + a.y * b.y; }
Pt unit(Pt a)
{
    const double n = std::hypot(a.x, a.y);
    return {a.x / n, a.y / n};
}
Pt centre(const DrawOp& c) { return {c.at[0], c.at[1]}; }

// Ａ, Ｂ and Ｍ where the lesson puts them, Ｐ and Ｑ where the last draw pass
// over the state left them.
std::tuple<Pt, Pt, Pt, Pt, Pt> figurePoints(const FigureState& s)
{
    return {{7000, 2000}, {2000, 6000}, {4500, 4000}, {double(s.Px), 2000}, {double(s.Qx), 6000}};
}

// X lies strictly inside the angle at vertex O between the rays to R1 and R2
// (an angle below a half turn): on R2's side of ray 1 and on R1's side of ray 2.
bool strictlyInside(Pt o, Pt r1, Pt r2, Pt x)
{
    return cross(r1 - o, x - o) * cross(r1 - o, r2 - o) > 0
        && cross(r2 - o, x - o) * cross(r2 - o, r1 - o) > 0;
}

// Angle in degrees between the direction of X from O and the bisector of the
// angle at O between the rays to R1 and R2.
double offBisectorDegrees(Pt o, Pt r1, Pt r2, Pt x)
{
    const Pt u1 = unit(r1 - o);
    const Pt u2 = unit(r2 - o);
    const Pt bisector{u1.x + u2.x, u1.y + u2.y};
    const Pt v = x - o;
    return std::abs(std::atan2(cross(bisector, v), dot(bisector, v))) * 180.0 / std::numbers::pi;
}

std::string where(int kakudo) { return "at " + std::to_string(kakudo) + " degrees"; }

// Rows for each pen: the draw pen 15 and the erase pen 3, named after it.
template <class Row, class Make>
std::vector<Row> forBothPens(Make make)
{
    std::vector<Row> rows;
    for (int pen : {15, 3})
        for (Row r : make(pen)) {
            r.name += pen == 15 ? " draw" : " erase";
            r.pen = pen;
            rows.push_back(r);
        }
    return rows;
}

} // namespace

// ---- hypothesis marks and the sentence ----

TEST(Overlays, kateizu)
{
    struct Row {
        std::string name;
        int kakudo;
        float apexL, apexM;
        int pen = 0;
    };
    const auto rows = forBothPens<Row>([](int) {
        return std::vector<Row>{
            {"35", 35, 4373.5f, 4726.5f},
            {"90", 90, 5800.f, 3300.f},
            {"5", 5, -5532.f, 14632.f},
            {"0", 0, -5532.f, 14632.f},
        };
    });
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const Rgb colour = r.pen == 15 ? kYellow : kCyan;
        const auto calls = record(stateAt(r.kakudo), Overlay::Katei, int16_t(r.pen));

        const std::vector<std::pair<OpKind, std::array<float, 4>>> expected{
            {OpKind::Line, {5650, 2900, 5820, 3100}},
            {OpKind::Line, {3150, 4900, 3320, 5100}},
            {OpKind::RelativeLine, {r.apexL, 2000, r.apexL + 200, 1900}},
            {OpKind::RelativeLine, {r.apexL, 2000, r.apexL + 200, 2100}},
            {OpKind::RelativeLine, {r.apexM, 6000, r.apexM + 200, 5900}},
            {OpKind::RelativeLine, {r.apexM, 6000, r.apexM + 200, 6100}},
        };
        ASSERT_EQ(calls.size(), expected.size());
        for (std::size_t i = 0; i < calls.size(); ++i) {
            EXPECT_TRUE(calls[i].kind == expected[i].first);
            EXPECT_EQ(calls[i].at, expected[i].second);
            EXPECT_EQ(calls[i].colour, colour);
        }
    }
}

TEST(Overlays, kateizu_ticksStayAtEveryAngle)
{
    FigureState s;
    s.reset();
    s.fKatei = 1;
    for (int k : {5, 0}) { // 0 comes after 5
        s.kakudo = int16_t(k);
        redraw(s, 15);
    }
    for (int k = 0; k <= 170; k += 5) {
        if (k != 0)
            s.kakudo = int16_t(k);
        std::vector<std::array<float, 4>> ticks;
        for (const DrawOp& c : opsOf(redraw(s, 15), OpKind::Line))
            if (c.colour == kYellow)
                ticks.push_back(c.at);
        const std::vector<std::array<float, 4>> expected{{5650, 2900, 5820, 3100},
                                                        {3150, 4900, 3320, 5100}};
        EXPECT_TRUE(ticks == expected) << where(k);
    }
}

TEST(Overlays, godozu)
{
    const struct {
        const char* name;
        int pen;
        Rgb colour;
    } rows[] = {
        {"draw", 15, kWhite},
        {"erase", 3, kCyan},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        // The same at every angle, whatever else is on.
        for (int k : {0, 35, 170}) {
            SCOPED_TRACE(where(k));
            FigureState s = stateAt(k);
            s.nKeturon = 2;
            s.fSankaku = s.fHenkaku = s.fKatei = 1;
            const auto calls = record(s, Overlay::Godo, int16_t(r.pen));
            ASSERT_EQ(calls.size(), std::size_t(3));
            EXPECT_TRUE(calls[0].kind == OpKind::SetCurrentPoint);
            EXPECT_EQ(calls[0].at, (std::array<float, 4>{2000, 6700, 0, 0}));
            EXPECT_TRUE(calls[1].kind == OpKind::SetForeColor);
            EXPECT_EQ(calls[1].colour, r.colour);
            EXPECT_TRUE(calls[2].kind == OpKind::PrintText);
            EXPECT_EQ(calls[2].colour, r.colour);
            EXPECT_EQ(calls[2].at, (std::array<float, 4>{2000, 6700, 0, 0}));
            EXPECT_TRUE(calls[2].text == u"1辺とその両端の角がそれぞれ等しい\uFF61\u0020");
        }
    }
}

TEST(Overlays, godozu_sentenceCodePoints)
{
    const auto calls = record(stateAt(35), Overlay::Godo, 15);
    const std::u16string& t = calls.at(2).text;
    ASSERT_EQ(t.size(), std::size_t(19)); // all in the basic plane: 19 code points
    EXPECT_EQ(int(t.front()), 0x31);
    EXPECT_EQ(int(t[17]), 0xFF61);
    EXPECT_EQ(int(t[18]), 0x20);
}

// ---- focus triangles ----

TEST(Overlays, sankakuzu)
{
    struct Row {
        std::string name;
        int kakudo;
        float Px, Qx;
        int pen = 0;
    };
    const auto rows = forBothPens<Row>([](int) {
        return std::vector<Row>{
            {"35", 35, 1647.f, 7353.f},
            {"90", 90, 4500.f, 4500.f},
            {"145", 145, 7353.f, 1647.f},
            {"5", 5, -18164.f, 27164.f},
        };
    });
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const Rgb apm = r.pen == 15 ? kBlue : kCyan;
        const Rgb bqm = r.pen == 15 ? kGreen : kCyan;
        const auto calls = record(stateAt(r.kakudo), Overlay::Sankaku, int16_t(r.pen));

        const std::vector<std::tuple<OpKind, std::array<float, 4>, Rgb>> expected{
            {OpKind::Line, {7000, 2000, r.Px, 2000}, apm},
            {OpKind::LineTo, {r.Px, 2000, 4500, 4000}, apm},
            {OpKind::LineTo, {4500, 4000, 7000, 2000}, apm},
            {OpKind::Line, {2000, 6000, r.Qx, 6000}, bqm},
            {OpKind::LineTo, {r.Qx, 6000, 4500, 4000}, bqm},
            {OpKind::LineTo, {4500, 4000, 2000, 6000}, bqm},
        };
        ASSERT_EQ(calls.size(), expected.size());
        for (std::size_t i = 0; i < calls.size(); ++i) {
            EXPECT_TRUE(calls[i].kind == std::get<0>(expected[i]));
            EXPECT_EQ(calls[i].at, std::get<1>(expected[i]));
            EXPECT_EQ(calls[i].colour, std::get<2>(expected[i]));
        }
    }
}

// ---- equal-angle marks ----

TEST(Overlays, henkakuzu)
{
    struct Row {
        std::string name;
        int kakudo;
        float dotAx, dotBx;
        int pen = 0;
    };
    const auto rows = forBothPens<Row>([](int) {
        return std::vector<Row>{
            // Left of Ａ the dots sit at (-150, +100) and (+150, -100).
            {"5", 5, 6850.f, 2150.f},
            {"35", 35, 6850.f, 2150.f},
            {"90", 90, 6850.f, 2150.f},
            {"140", 140, 6850.f, 2150.f},
            // Right of Ａ, at (+50, +100) and (-50, -100).
            {"145", 145, 7050.f, 1950.f},
            {"170", 170, 7050.f, 1950.f},
        };
    });
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const FigureState s = stateAt(r.kakudo);
        const auto calls = record(s, Overlay::Henkaku, int16_t(r.pen));
        const Rgb colour = r.pen == 15 ? kWhite : kCyan;

        ASSERT_EQ(calls.size(), std::size_t(7));
        EXPECT_TRUE(calls[0].kind == OpKind::SetFillStyle && calls[0].fill == FillStyle::Solid);
        EXPECT_TRUE(calls[1].kind == OpKind::SetFillColor && calls[1].colour == colour);
        EXPECT_TRUE(calls[2].kind == OpKind::Circle);
        EXPECT_EQ(calls[2].at, (std::array<float, 4>{r.dotAx, 2100, 50, 0}));
        EXPECT_TRUE(calls[3].kind == OpKind::Circle);
        EXPECT_EQ(calls[3].at, (std::array<float, 4>{r.dotBx, 5900, 50, 0}));
        EXPECT_TRUE(calls[4].kind == OpKind::SetFillStyle && calls[4].fill == FillStyle::Transparent);
        for (std::size_t i : {5u, 6u}) {
            EXPECT_TRUE(calls[i].kind == OpKind::Circle);
            EXPECT_EQ(calls[i].at[2], 50.f);
            // 200 twips from Ｍ, the second half a turn (3.14 rad) from the first.
            const Pt c = centre(calls[i]);
            EXPECT_TRUE(std::abs(std::hypot(c.x - 4500, c.y - 4000) - 200) < 0.01);
        }
        EXPECT_TRUE(calls[5].at[1] > 4000); // below Ｍ, in ∠BMQ
        EXPECT_TRUE(calls[6].at[1] < 4000); // above Ｍ, in ∠AMP
        for (const DrawOp& c : calls) {
            if (c.kind == OpKind::Circle) {
                EXPECT_EQ(c.colour, colour);
            }
        }
    }
}

TEST(Overlays, henkakuzu_ringsAtStart)
{
    const auto calls = record(stateAt(35), Overlay::Henkaku, 15);
    EXPECT_TRUE(std::abs(calls.at(5).at[0] - 4506.5) <= 0.05);
    EXPECT_TRUE(std::abs(calls.at(5).at[1] - 4199.9) <= 0.05);
    EXPECT_TRUE(std::abs(calls.at(6).at[0] - 4493.2) <= 0.05);
    EXPECT_TRUE(std::abs(calls.at(6).at[1] - 3800.1) <= 0.05);
}

TEST(Overlays, henkakuzu_ringAtVertical)
{
    // Ｐ straight above Ｍ: the upper ring halves the angle between ＭＡ and the
    // upward vertical.
    const auto calls = record(stateAt(90), Overlay::Henkaku, 15);
    const Pt m{4500, 4000};
    const double off = offBisectorDegrees(m, {4500, 0}, {7000, 2000}, centre(calls.at(6)));
    EXPECT_TRUE(off < 0.2) << off;
}

// ---- conclusion marks ----

TEST(Overlays, keturonzu_rings)
{
    struct Row {
        std::string name;
        int kakudo;
        int nKeturon;
        std::vector<float> circles; // x, y, r of each, in order
        int pen = 0;
    };
    const auto rows = forBothPens<Row>([](int) {
        return std::vector<Row>{
            {"1 at 35", 35, 1, {4273.5f, 2000, 50, 4626.5f, 6000, 50}},
            // The ring on ＡＰ far off the area; that on ＢＱ 50 left of (2000 + 27164) / 2.
            {"1 at 5", 5, 1, {-5632, 2000, 50, 14532, 6000, 50}},
            {"2 at 35", 35, 2, {3073.5f, 3000, 100, 3073.5f, 3000, 50, 5926.5f, 5000, 100, 5926.5f, 5000, 50}},
            {"2 at 90", 90, 2, {4500, 3000, 100, 4500, 3000, 50, 4500, 5000, 100, 4500, 5000, 50}},
        };
    });
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        FigureState s = stateAt(r.kakudo);
        s.nKeturon = int16_t(r.nKeturon);
        const auto calls = record(s, Overlay::Keturon, int16_t(r.pen));
        // Outlines only: no fill setting is touched.
        ASSERT_EQ(calls.size() * 3, r.circles.size());
        for (std::size_t i = 0; i < calls.size(); ++i) {
            EXPECT_TRUE(calls[i].kind == OpKind::Circle);
            EXPECT_EQ(std::vector<float>(calls[i].at.begin(), calls[i].at.begin() + 3),
                      (std::vector<float>(r.circles.begin() + 3 * std::ptrdiff_t(i),
                                          r.circles.begin() + 3 * std::ptrdiff_t(i) + 3)));
            EXPECT_EQ(calls[i].colour, (r.pen == 15 ? kRed : kCyan));
        }
    }
}

TEST(Overlays, keturonzu_dots)
{
    struct Row {
        std::string name;
        int kakudo;
        std::vector<double> dots; // about, to a tenth; NaN: not given
        int pen = 0;
    };
    const double none = std::nan("");
    const auto rows = forBothPens<Row>([none](int) {
        return std::vector<Row>{
            {"35", 35, {1966.8, 2100.9, 7033.1, 5899.6}},
            {"90", 90, {4535.4, 2035.3, 4464.6, 5964.7}},
            {"5", 5, {-15849.8, 2101.9, none, none}},
        };
    });
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        FigureState s = stateAt(r.kakudo);
        s.nKeturon = 3;
        const auto calls = record(s, Overlay::Keturon, int16_t(r.pen));
        const Rgb colour = r.pen == 15 ? kRed : kCyan;

        ASSERT_EQ(calls.size(), std::size_t(5));
        EXPECT_TRUE(calls[0].kind == OpKind::SetFillStyle && calls[0].fill == FillStyle::Solid);
        EXPECT_TRUE(calls[1].kind == OpKind::SetFillColor && calls[1].colour == colour);
        EXPECT_TRUE(calls[4].kind == OpKind::SetFillStyle && calls[4].fill == FillStyle::Transparent);
        for (int i = 0; i < 2; ++i) {
            const DrawOp& c = calls[std::size_t(2 + i)];
            EXPECT_TRUE(c.kind == OpKind::Circle);
            EXPECT_EQ(c.colour, colour);
            EXPECT_EQ(c.at[2], 30.f);
            for (int k = 0; k < 2; ++k) {
                const double want = r.dots[std::size_t(2 * i + k)];
                if (!std::isnan(want)) {
                    EXPECT_TRUE(std::abs(c.at[std::size_t(k)] - want) <= 0.05) << c.at[std::size_t(k)];
                }
            }
        }
    }
}

TEST(Overlays, keturonzu_dotsTakeTheOtherSideFrom145)
{
    for (int k = 145; k <= 170; k += 5) {
        FigureState s = stateAt(k);
        s.nKeturon = 3;
        const auto calls = record(s, Overlay::Keturon, 15);
        EXPECT_TRUE(calls.at(2).at[0] < s.Px) << where(k);
        EXPECT_TRUE(calls.at(3).at[0] > s.Qx) << where(k);
    }
}

TEST(Overlays, keturonzu_otherValuesDrawNothing)
{
    const struct {
        const char* name;
        int nKeturon;
    } rows[] = {
        {"0", 0},
        {"4", 4},
        {"7", 7},
        {"-1", -1},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        FigureState s = stateAt(35);
        s.nKeturon = int16_t(r.nKeturon);
        for (int16_t pen : {int16_t(15), int16_t(3)})
            EXPECT_TRUE(record(s, Overlay::Keturon, pen).empty());
    }
}

// ---- sweeps over every reachable angle ----

TEST(Overlays, sweep_henkakuzuDotsInsideAlternateAngles)
{
    for (int k = 5; k <= 170; k += 5) {
        FigureState s = stateAt(k);
        s.fHenkaku = 1;
        const auto circles = circlesOfRedraw(s);
        ASSERT_EQ(circles.size(), std::size_t(4));
        const auto [a, b, m, p, q] = figurePoints(s);
        EXPECT_TRUE(strictlyInside(a, p, m, centre(circles[0]))) << where(k);
        EXPECT_TRUE(strictlyInside(b, q, m, centre(circles[1]))) << where(k);
    }
}

TEST(Overlays, sweep_henkakuzuRingsOnBisectors)
{
    double worst = 0;
    int worstAt = 0;
    for (int k = 5; k <= 170; k += 5) {
        FigureState s = stateAt(k);
        s.fHenkaku = 1;
        const auto circles = circlesOfRedraw(s);
        ASSERT_EQ(circles.size(), std::size_t(4));
        const auto [a, b, m, p, q] = figurePoints(s);
        const double lower = offBisectorDegrees(m, b, q, centre(circles[2])); // ∠BMQ
        const double upper = offBisectorDegrees(m, a, p, centre(circles[3])); // ∠AMP
        EXPECT_TRUE(lower < 0.2 && upper < 0.2)
            << where(k) << ": " << lower << " and " << upper << " degrees off";
        for (double d : {lower, upper})
            if (d > worst) {
                worst = d;
                worstAt = k;
            }
    }
    std::printf("largest deviation of a ring from its bisector: %.4f degrees, at %d degrees\n", worst, worstAt);
}

TEST(Overlays, sweep_conclusionDotsInsideTheirAngles)
{
    for (int k = 5; k <= 170; k += 5) {
        FigureState s = stateAt(k);
        s.nKeturon = 3;
        const auto circles = circlesOfRedraw(s);
        ASSERT_EQ(circles.size(), std::size_t(2));
        const auto [a, b, m, p, q] = figurePoints(s);
        const Pt dp = centre(circles[0]), dq = centre(circles[1]);
        EXPECT_TRUE(strictlyInside(p, a, m, dp)) << where(k);
        EXPECT_TRUE(strictlyInside(q, b, m, dq)) << where(k);
        // The dot at Ｑ is that at Ｐ turned through a half turn about Ｍ.
        const double apart = std::hypot(2 * m.x - dp.x - dq.x, 2 * m.y - dp.y - dq.y);
        EXPECT_TRUE(apart <= 4) << where(k) << ": " << apart << " twips";
    }
}

TEST(Overlays, sweep_conclusionRingsAtMidpoints)
{
    constexpr double kFloat = 0.002; // a 32-bit float's step near 30000
    for (int k = 5; k <= 170; k += 5) {
        FigureState s = stateAt(k);
        const auto [a, b, m, p, q] = figurePoints(s);
        const auto mid = [](Pt u, Pt v) { return Pt{(u.x + v.x) / 2, (u.y + v.y) / 2}; };
        const auto distance = [](Pt u, Pt v) { return std::hypot(u.x - v.x, u.y - v.y); };

        // Conclusion 1: each ring passes through the midpoint of ＡＰ, ＢＱ.
        s.nKeturon = 1;
        auto circles = circlesOfRedraw(s);
        ASSERT_EQ(circles.size(), std::size_t(2));
        const Pt mids1[] = {mid(a, p), mid(b, q)};
        for (int i = 0; i < 2; ++i) {
            const double r = circles[std::size_t(i)].at[2];
            EXPECT_TRUE(std::abs(distance(centre(circles[std::size_t(i)]), mids1[i]) - r) <= kFloat) << where(k);
        }

        // Conclusion 2: both rings of each pair are centred on the midpoint of
        // ＰＭ, ＱＭ.
        s.nKeturon = 2;
        circles = circlesOfRedraw(s);
        ASSERT_EQ(circles.size(), std::size_t(4));
        const Pt mids2[] = {mid(p, m), mid(p, m), mid(q, m), mid(q, m)};
        for (int i = 0; i < 4; ++i)
            EXPECT_TRUE(distance(centre(circles[std::size_t(i)]), mids2[i]) <= kFloat) << where(k);
    }
}
