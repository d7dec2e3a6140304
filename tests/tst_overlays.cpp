// The five overlays on the recording surface: their calls, positions and
// colours at the telling angles, and sweeps over every reachable angle that
// check the marks against the geometry of the figure.

#include "figure_expectations.h"

#include <QTest>

#include <cmath>
#include <numbers>
#include <tuple>

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
std::vector<DrawOp> circlesOfRedraw(FigureState& s) { return redraw(s, 15).of(OpKind::Circle); }

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
Pt centre(const DrawOp& c) { return {c.args[0], c.args[1]}; }

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

QString where(int kakudo) { return QString("at %1 degrees").arg(kakudo); }

} // namespace

class TestOverlays : public QObject {
    Q_OBJECT
private slots:
    void kateizu_data();
    void kateizu();
    void kateizu_ticksStayAtEveryAngle();
    void godozu_data();
    void godozu();
    void godozu_sentenceCodePoints();
    void sankakuzu_data();
    void sankakuzu();
    void henkakuzu_data();
    void henkakuzu();
    void henkakuzu_ringsAtStart();
    void henkakuzu_ringAtVertical();
    void keturonzu_rings_data();
    void keturonzu_rings();
    void keturonzu_dots_data();
    void keturonzu_dots();
    void keturonzu_dotsTakeTheOtherSideFrom145();
    void keturonzu_otherValuesDrawNothing_data();
    void keturonzu_otherValuesDrawNothing();
    void sweep_henkakuzuDotsInsideAlternateAngles();
    void sweep_henkakuzuRingsOnBisectors();
    void sweep_conclusionDotsInsideTheirAngles();
    void sweep_conclusionRingsAtMidpoints();
};

// ---- hypothesis marks and the sentence ----

void TestOverlays::kateizu_data()
{
    QTest::addColumn<int>("kakudo");
    QTest::addColumn<int>("pen");
    QTest::addColumn<float>("apexL");
    QTest::addColumn<float>("apexM");
    QTest::addColumn<Rgb>("colour");
    for (const auto& [pen, colour] : {std::pair{15, kYellow}, std::pair{3, kCyan}}) {
        const char* p = pen == 15 ? "draw" : "erase";
        QTest::addRow("35 %s", p) << 35 << pen << 4373.5f << 4726.5f << colour;
        QTest::addRow("90 %s", p) << 90 << pen << 5800.f << 3300.f << colour;
        QTest::addRow("5 %s", p) << 5 << pen << -5532.f << 14632.f << colour;
        QTest::addRow("0 %s", p) << 0 << pen << -5532.f << 14632.f << colour;
    }
}

void TestOverlays::kateizu()
{
    QFETCH(int, kakudo);
    QFETCH(int, pen);
    QFETCH(float, apexL);
    QFETCH(float, apexM);
    QFETCH(Rgb, colour);
    const auto calls = record(stateAt(kakudo), Overlay::Katei, int16_t(pen));

    const std::vector<std::pair<OpKind, std::vector<float>>> expected{
        {OpKind::Line, {5650, 2900, 5820, 3100}},
        {OpKind::Line, {3150, 4900, 3320, 5100}},
        {OpKind::RelativeLine, {apexL, 2000, 200, -100}},
        {OpKind::RelativeLine, {apexL, 2000, 200, 100}},
        {OpKind::RelativeLine, {apexM, 6000, 200, -100}},
        {OpKind::RelativeLine, {apexM, 6000, 200, 100}},
    };
    QCOMPARE(calls.size(), expected.size());
    for (std::size_t i = 0; i < calls.size(); ++i) {
        QVERIFY(calls[i].kind == expected[i].first);
        QCOMPARE(calls[i].args, expected[i].second);
        QVERIFY(calls[i].colour == colour);
    }
}

void TestOverlays::kateizu_ticksStayAtEveryAngle()
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
        std::vector<std::vector<float>> ticks;
        for (const DrawOp& c : redraw(s, 15).of(OpKind::Line))
            if (c.colour == kYellow)
                ticks.push_back(c.args);
        const std::vector<std::vector<float>> expected{{5650, 2900, 5820, 3100},
                                                      {3150, 4900, 3320, 5100}};
        QVERIFY2(ticks == expected, qPrintable(where(k)));
    }
}

void TestOverlays::godozu_data()
{
    QTest::addColumn<int>("pen");
    QTest::addColumn<Rgb>("colour");
    QTest::newRow("draw") << 15 << kWhite;
    QTest::newRow("erase") << 3 << kCyan;
}

void TestOverlays::godozu()
{
    QFETCH(int, pen);
    QFETCH(Rgb, colour);
    // The same at every angle, whatever else is on.
    for (int k : {0, 35, 170}) {
        FigureState s = stateAt(k);
        s.nKeturon = 2;
        s.fSankaku = s.fHenkaku = s.fKatei = 1;
        const auto calls = record(s, Overlay::Godo, int16_t(pen));
        QCOMPARE(calls.size(), std::size_t(3));
        QVERIFY(calls[0].kind == OpKind::SetCurrentPoint);
        QCOMPARE(calls[0].args, (std::vector<float>{2000, 6700}));
        QVERIFY(calls[1].kind == OpKind::SetForeColor);
        QVERIFY(calls[1].colour == colour);
        QVERIFY(calls[2].kind == OpKind::PrintText);
        QVERIFY(calls[2].colour == colour);
        QCOMPARE(calls[2].args, (std::vector<float>{2000, 6700}));
        QVERIFY(calls[2].text == u"1辺とその両端の角がそれぞれ等しい\uFF61\u0020");
    }
}

void TestOverlays::godozu_sentenceCodePoints()
{
    const auto calls = record(stateAt(35), Overlay::Godo, 15);
    const std::u16string& t = calls.at(2).text;
    QCOMPARE(t.size(), std::size_t(19)); // all in the basic plane: 19 code points
    QCOMPARE(int(t.front()), 0x31);
    QCOMPARE(int(t[17]), 0xFF61);
    QCOMPARE(int(t[18]), 0x20);
}

// ---- focus triangles ----

void TestOverlays::sankakuzu_data()
{
    QTest::addColumn<int>("kakudo");
    QTest::addColumn<int>("pen");
    QTest::addColumn<float>("Px");
    QTest::addColumn<float>("Qx");
    QTest::addColumn<Rgb>("apm");
    QTest::addColumn<Rgb>("bqm");
    for (int pen : {15, 3}) {
        const Rgb apm = pen == 15 ? kBlue : kCyan;
        const Rgb bqm = pen == 15 ? kGreen : kCyan;
        const char* p = pen == 15 ? "draw" : "erase";
        QTest::addRow("35 %s", p) << 35 << pen << 1647.f << 7353.f << apm << bqm;
        QTest::addRow("90 %s", p) << 90 << pen << 4500.f << 4500.f << apm << bqm;
        QTest::addRow("145 %s", p) << 145 << pen << 7353.f << 1647.f << apm << bqm;
        QTest::addRow("5 %s", p) << 5 << pen << -18164.f << 27164.f << apm << bqm;
    }
}

void TestOverlays::sankakuzu()
{
    QFETCH(int, kakudo);
    QFETCH(int, pen);
    QFETCH(float, Px);
    QFETCH(float, Qx);
    QFETCH(Rgb, apm);
    QFETCH(Rgb, bqm);
    const auto calls = record(stateAt(kakudo), Overlay::Sankaku, int16_t(pen));

    const std::vector<std::tuple<OpKind, std::vector<float>, Rgb>> expected{
        {OpKind::Line, {7000, 2000, Px, 2000}, apm},
        {OpKind::LineTo, {4500, 4000}, apm},
        {OpKind::LineTo, {7000, 2000}, apm},
        {OpKind::Line, {2000, 6000, Qx, 6000}, bqm},
        {OpKind::LineTo, {4500, 4000}, bqm},
        {OpKind::LineTo, {2000, 6000}, bqm},
    };
    QCOMPARE(calls.size(), expected.size());
    for (std::size_t i = 0; i < calls.size(); ++i) {
        QVERIFY(calls[i].kind == std::get<0>(expected[i]));
        QCOMPARE(calls[i].args, std::get<1>(expected[i]));
        QVERIFY(calls[i].colour == std::get<2>(expected[i]));
    }
}

// ---- equal-angle marks ----

void TestOverlays::henkakuzu_data()
{
    QTest::addColumn<int>("kakudo");
    QTest::addColumn<int>("pen");
    QTest::addColumn<float>("dotAx");
    QTest::addColumn<float>("dotBx");
    for (int pen : {15, 3}) {
        const char* p = pen == 15 ? "draw" : "erase";
        // Left of Ａ the dots sit at (-150, +100) and (+150, -100).
        QTest::addRow("5 %s", p) << 5 << pen << 6850.f << 2150.f;
        QTest::addRow("35 %s", p) << 35 << pen << 6850.f << 2150.f;
        QTest::addRow("90 %s", p) << 90 << pen << 6850.f << 2150.f;
        QTest::addRow("140 %s", p) << 140 << pen << 6850.f << 2150.f;
        // Right of Ａ, at (+50, +100) and (-50, -100).
        QTest::addRow("145 %s", p) << 145 << pen << 7050.f << 1950.f;
        QTest::addRow("170 %s", p) << 170 << pen << 7050.f << 1950.f;
    }
}

void TestOverlays::henkakuzu()
{
    QFETCH(int, kakudo);
    QFETCH(int, pen);
    QFETCH(float, dotAx);
    QFETCH(float, dotBx);
    const FigureState s = stateAt(kakudo);
    const auto calls = record(s, Overlay::Henkaku, int16_t(pen));
    const Rgb colour = pen == 15 ? kWhite : kCyan;

    QCOMPARE(calls.size(), std::size_t(7));
    QVERIFY(calls[0].kind == OpKind::SetFillStyle && calls[0].fill == FillStyle::Solid);
    QVERIFY(calls[1].kind == OpKind::SetFillColor && calls[1].colour == colour);
    QVERIFY(calls[2].kind == OpKind::Circle);
    QCOMPARE(calls[2].args, (std::vector<float>{dotAx, 2100, 50}));
    QVERIFY(calls[3].kind == OpKind::Circle);
    QCOMPARE(calls[3].args, (std::vector<float>{dotBx, 5900, 50}));
    QVERIFY(calls[4].kind == OpKind::SetFillStyle && calls[4].fill == FillStyle::Transparent);
    for (std::size_t i : {5u, 6u}) {
        QVERIFY(calls[i].kind == OpKind::Circle);
        QCOMPARE(calls[i].args[2], 50.f);
        // 200 twips from Ｍ, the second half a turn (3.14 rad) from the first.
        const Pt c = centre(calls[i]);
        QVERIFY(std::abs(std::hypot(c.x - 4500, c.y - 4000) - 200) < 0.01);
    }
    QVERIFY(calls[5].args[1] > 4000); // below Ｍ, in ∠BMQ
    QVERIFY(calls[6].args[1] < 4000); // above Ｍ, in ∠AMP
    for (const DrawOp& c : calls)
        if (c.kind == OpKind::Circle)
            QVERIFY(c.colour == colour);
}

void TestOverlays::henkakuzu_ringsAtStart()
{
    const auto calls = record(stateAt(35), Overlay::Henkaku, 15);
    QVERIFY(std::abs(calls.at(5).args[0] - 4506.5) <= 0.05);
    QVERIFY(std::abs(calls.at(5).args[1] - 4199.9) <= 0.05);
    QVERIFY(std::abs(calls.at(6).args[0] - 4493.2) <= 0.05);
    QVERIFY(std::abs(calls.at(6).args[1] - 3800.1) <= 0.05);
}

void TestOverlays::henkakuzu_ringAtVertical()
{
    // Ｐ straight above Ｍ: the upper ring halves the angle between ＭＡ and the
    // upward vertical.
    const auto calls = record(stateAt(90), Overlay::Henkaku, 15);
    const Pt m{4500, 4000};
    const double off = offBisectorDegrees(m, {4500, 0}, {7000, 2000}, centre(calls.at(6)));
    QVERIFY2(off < 0.2, qPrintable(QString::number(off)));
}

// ---- conclusion marks ----

void TestOverlays::keturonzu_rings_data()
{
    QTest::addColumn<int>("kakudo");
    QTest::addColumn<int>("nKeturon");
    QTest::addColumn<int>("pen");
    QTest::addColumn<QList<float>>("circles"); // x, y, r of each, in order
    for (int pen : {15, 3}) {
        const char* p = pen == 15 ? "draw" : "erase";
        QTest::addRow("1 at 35 %s", p) << 35 << 1 << pen
                                       << QList<float>{4273.5f, 2000, 50, 4626.5f, 6000, 50};
        // The ring on ＡＰ far off the area; that on ＢＱ 50 left of (2000 + 27164) / 2.
        QTest::addRow("1 at 5 %s", p) << 5 << 1 << pen
                                      << QList<float>{-5632, 2000, 50, 14532, 6000, 50};
        QTest::addRow("2 at 35 %s", p)
            << 35 << 2 << pen
            << QList<float>{3073.5f, 3000, 100, 3073.5f, 3000, 50,
                            5926.5f, 5000, 100, 5926.5f, 5000, 50};
        QTest::addRow("2 at 90 %s", p)
            << 90 << 2 << pen
            << QList<float>{4500, 3000, 100, 4500, 3000, 50, 4500, 5000, 100, 4500, 5000, 50};
    }
}

void TestOverlays::keturonzu_rings()
{
    QFETCH(int, kakudo);
    QFETCH(int, nKeturon);
    QFETCH(int, pen);
    QFETCH(QList<float>, circles);
    FigureState s = stateAt(kakudo);
    s.nKeturon = int16_t(nKeturon);
    const auto calls = record(s, Overlay::Keturon, int16_t(pen));
    // Outlines only: no fill setting is touched.
    QCOMPARE(qsizetype(calls.size()) * 3, circles.size());
    for (std::size_t i = 0; i < calls.size(); ++i) {
        QVERIFY(calls[i].kind == OpKind::Circle);
        QCOMPARE(calls[i].args, (std::vector<float>(circles.begin() + 3 * qsizetype(i),
                                                    circles.begin() + 3 * qsizetype(i) + 3)));
        QVERIFY(calls[i].colour == (pen == 15 ? kRed : kCyan));
    }
}

void TestOverlays::keturonzu_dots_data()
{
    QTest::addColumn<int>("kakudo");
    QTest::addColumn<int>("pen");
    QTest::addColumn<QList<double>>("dots"); // about, to a tenth; NaN: not given
    const double none = std::nan("");
    for (int pen : {15, 3}) {
        const char* p = pen == 15 ? "draw" : "erase";
        QTest::addRow("35 %s", p) << 35 << pen << QList<double>{1966.8, 2100.9, 7033.1, 5899.6};
        QTest::addRow("90 %s", p) << 90 << pen << QList<double>{4535.4, 2035.3, 4464.6, 5964.7};
        QTest::addRow("5 %s", p) << 5 << pen << QList<double>{-15849.8, 2101.9, none, none};
    }
}

void TestOverlays::keturonzu_dots()
{
    QFETCH(int, kakudo);
    QFETCH(int, pen);
    QFETCH(QList<double>, dots);
    FigureState s = stateAt(kakudo);
    s.nKeturon = 3;
    const auto calls = record(s, Overlay::Keturon, int16_t(pen));
    const Rgb colour = pen == 15 ? kRed : kCyan;

    QCOMPARE(calls.size(), std::size_t(5));
    QVERIFY(calls[0].kind == OpKind::SetFillStyle && calls[0].fill == FillStyle::Solid);
    QVERIFY(calls[1].kind == OpKind::SetFillColor && calls[1].colour == colour);
    QVERIFY(calls[4].kind == OpKind::SetFillStyle && calls[4].fill == FillStyle::Transparent);
    for (int i = 0; i < 2; ++i) {
        const DrawOp& c = calls[std::size_t(2 + i)];
        QVERIFY(c.kind == OpKind::Circle);
        QVERIFY(c.colour == colour);
        QCOMPARE(c.args[2], 30.f);
        for (int k = 0; k < 2; ++k) {
            const double want = dots[2 * i + k];
            if (!std::isnan(want))
                QVERIFY2(std::abs(c.args[std::size_t(k)] - want) <= 0.05,
                         qPrintable(QString::number(c.args[std::size_t(k)], 'f', 3)));
        }
    }
}

void TestOverlays::keturonzu_dotsTakeTheOtherSideFrom145()
{
    for (int k = 145; k <= 170; k += 5) {
        FigureState s = stateAt(k);
        s.nKeturon = 3;
        const auto calls = record(s, Overlay::Keturon, 15);
        QVERIFY2(calls.at(2).args[0] < s.Px, qPrintable(where(k)));
        QVERIFY2(calls.at(3).args[0] > s.Qx, qPrintable(where(k)));
    }
}

void TestOverlays::keturonzu_otherValuesDrawNothing_data()
{
    QTest::addColumn<int>("nKeturon");
    QTest::newRow("0") << 0;
    QTest::newRow("4") << 4;
    QTest::newRow("7") << 7;
    QTest::newRow("-1") << -1;
}

void TestOverlays::keturonzu_otherValuesDrawNothing()
{
    QFETCH(int, nKeturon);
    FigureState s = stateAt(35);
    s.nKeturon = int16_t(nKeturon);
    for (int16_t pen : {int16_t(15), int16_t(3)})
        QVERIFY(record(s, Overlay::Keturon, pen).empty());
}

// ---- sweeps over every reachable angle ----

void TestOverlays::sweep_henkakuzuDotsInsideAlternateAngles()
{
    for (int k = 5; k <= 170; k += 5) {
        FigureState s = stateAt(k);
        s.fHenkaku = 1;
        const auto circles = circlesOfRedraw(s);
        QCOMPARE(circles.size(), std::size_t(4));
        const auto [a, b, m, p, q] = figurePoints(s);
        QVERIFY2(strictlyInside(a, p, m, centre(circles[0])), qPrintable(where(k)));
        QVERIFY2(strictlyInside(b, q, m, centre(circles[1])), qPrintable(where(k)));
    }
}

void TestOverlays::sweep_henkakuzuRingsOnBisectors()
{
    double worst = 0;
    int worstAt = 0;
    for (int k = 5; k <= 170; k += 5) {
        FigureState s = stateAt(k);
        s.fHenkaku = 1;
        const auto circles = circlesOfRedraw(s);
        QCOMPARE(circles.size(), std::size_t(4));
        const auto [a, b, m, p, q] = figurePoints(s);
        const double lower = offBisectorDegrees(m, b, q, centre(circles[2])); // ∠BMQ
        const double upper = offBisectorDegrees(m, a, p, centre(circles[3])); // ∠AMP
        QVERIFY2(lower < 0.2 && upper < 0.2,
                 qPrintable(QString("%1: %2 and %3 degrees off").arg(where(k)).arg(lower).arg(upper)));
        for (double d : {lower, upper})
            if (d > worst) {
                worst = d;
                worstAt = k;
            }
    }
    qInfo("largest deviation of a ring from its bisector: %.4f degrees, at %d degrees",
          worst, worstAt);
}

void TestOverlays::sweep_conclusionDotsInsideTheirAngles()
{
    for (int k = 5; k <= 170; k += 5) {
        FigureState s = stateAt(k);
        s.nKeturon = 3;
        const auto circles = circlesOfRedraw(s);
        QCOMPARE(circles.size(), std::size_t(2));
        const auto [a, b, m, p, q] = figurePoints(s);
        const Pt dp = centre(circles[0]), dq = centre(circles[1]);
        QVERIFY2(strictlyInside(p, a, m, dp), qPrintable(where(k)));
        QVERIFY2(strictlyInside(q, b, m, dq), qPrintable(where(k)));
        // The dot at Ｑ is that at Ｐ turned through a half turn about Ｍ.
        const double apart = std::hypot(2 * m.x - dp.x - dq.x, 2 * m.y - dp.y - dq.y);
        QVERIFY2(apart <= 4, qPrintable(QString("%1: %2 twips").arg(where(k)).arg(apart)));
    }
}

void TestOverlays::sweep_conclusionRingsAtMidpoints()
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
        QCOMPARE(circles.size(), std::size_t(2));
        const Pt mids1[] = {mid(a, p), mid(b, q)};
        for (int i = 0; i < 2; ++i) {
            const double r = circles[std::size_t(i)].args[2];
            QVERIFY2(std::abs(distance(centre(circles[std::size_t(i)]), mids1[i]) - r) <= kFloat,
                     qPrintable(where(k)));
        }

        // Conclusion 2: both rings of each pair are centred on the midpoint of
        // ＰＭ, ＱＭ.
        s.nKeturon = 2;
        circles = circlesOfRedraw(s);
        QCOMPARE(circles.size(), std::size_t(4));
        const Pt mids2[] = {mid(p, m), mid(p, m), mid(q, m), mid(q, m)};
        for (int i = 0; i < 4; ++i)
            QVERIFY2(distance(centre(circles[std::size_t(i)]), mids2[i]) <= kFloat,
                     qPrintable(where(k)));
    }
}

QTEST_APPLESS_MAIN(TestOverlays)
#include "tst_overlays.moc"
