// The redraw on the recording surface: the order of one pass, where the
// labels and line ｎ land at the telling angles, the colours of the draw and
// the erase pass, the parallel case at 0 degrees, and a pass that overflows.

#include "figure_expectations.h"
#include "model/checked16.h"

#include <QTest>

#include <optional>

using namespace godo;
using namespace Qt::StringLiterals;
using namespace godo::test;

namespace {

QString hex(Rgb c)
{
    return QString::asprintf("#%02x%02x%02x", c.r, c.g, c.b);
}

// One call as a short word: the kind, the colour it draws or sets, the text.
QString token(const DrawOp& c)
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
    case OpKind::PrintText: return "text " + QString::fromStdU16String(c.text);
    default: return "other";
    }
}

QStringList tokens(const std::vector<DrawOp>& calls)
{
    QStringList out;
    for (const DrawOp& c : calls)
        out << token(c);
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
    std::optional<DisplayList::Text> text(std::u16string_view t) const
    {
        for (const auto& x : rec.texts())
            if (x.text == t)
                return x;
        return std::nullopt;
    }
};

// The base figure of one pass with pen 15, up to the label Ｐ.
QStringList basePass()
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

class TestZukei : public QObject {
    Q_OBJECT
private slots:
    void order_baseFigureOnly();
    void order_everyOverlayOn();
    void baseLabels_data();
    void baseLabels();
    void angleTable_data();
    void angleTable();
    void colours_data();
    void colours();
    void parallel_data();
    void parallel();
    void labelThresholds_data();
    void labelThresholds();
    void overflow_data();
    void overflow();
};

void TestZukei::order_baseFigureOnly()
{
    Pass p;
    p.draw(15);
    QCOMPARE(tokens(p.rec.ops()), basePass());
}

void TestZukei::order_everyOverlayOn()
{
    Pass p;
    everyOverlayOn(p.s, 1);
    p.draw(15);
    QStringList expected = basePass();
    expected << "circle #ff0000" << "circle #ff0000"                         // conclusion 1
             << "line #0000ff" << "lineto #0000ff" << "lineto #0000ff"     // △ＡＰＭ
             << "line #00ff00" << "lineto #00ff00" << "lineto #00ff00"     // △ＢＱＭ
             << "solid" << "fill #ffffff" << "circle #ffffff" << "circle #ffffff"
             << "transparent" << "circle #ffffff" << "circle #ffffff"      // equal angles
             << "line #ffff00" << "line #ffff00"                           // ticks
             << "rline #ffff00" << "rline #ffff00" << "rline #ffff00" << "rline #ffff00"
             << "point" << "fore #ffffff"
             << u"text 1辺とその両端の角がそれぞれ等しい\uFF61 "_s;
    QCOMPARE(tokens(p.rec.ops()), expected);
}

void TestZukei::baseLabels_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::newRow("ｌ") << u"ｌ"_s << 100.f << 1700.f;
    QTest::newRow("ｍ") << u"ｍ"_s << 100.f << 5700.f;
    QTest::newRow("Ｍ") << u"Ｍ"_s << 4600.f << 3850.f;
    QTest::newRow("Ａ") << u"Ａ"_s << 6900.f << 1700.f;
    QTest::newRow("Ｂ") << u"Ｂ"_s << 1900.f << 6000.f;
}

void TestZukei::baseLabels()
{
    QFETCH(QString, label);
    QFETCH(float, x);
    QFETCH(float, y);
    Pass p;
    p.draw(15);
    const auto t = p.text(label.toStdU16String());
    QVERIFY(t);
    QCOMPARE(t->x, x);
    QCOMPARE(t->y, y);
}

void TestZukei::angleTable_data()
{
    QTest::addColumn<int>("kakudo");
    QTest::addColumn<int>("Qx");
    QTest::addColumn<float>("labelQx");
    QTest::addColumn<int>("Px");
    QTest::addColumn<float>("labelPx");
    QTest::addColumn<QList<double>>("ends"); // x1, y1, x2, y2 of ｎ
    QTest::addColumn<QList<double>>("labelN");
    QTest::newRow("5") << 5 << 27164 << 27364.f << -18164 << -18564.f
                       << QList<double>{10477.19, 4522.67, -1478.02, 3486.85}
                       << QList<double>{262.59, 3146.43};
    QTest::newRow("30") << 30 << 7960 << 8160.f << 1040 << 640.f
                        << QList<double>{9696.95, 6998.62, -701.72, 1009.66}
                        << QList<double>{954.99, 1626.33};
    QTest::newRow("35") << 35 << 7353 << 7553.f << 1647 << 1347.f
                        << QList<double>{9415.98, 7439.94, -421.45, 567.90}
                        << QList<double>{1177.36, 1363.08};
    QTest::newRow("90") << 90 << 4500 << 4700.f << 4500 << 4200.f
                        << QList<double>{4504.78, 10000.00, 4485.67, -1999.98}
                        << QList<double>{4755.87, 13.67};
    QTest::newRow("125") << 125 << 3101 << 3301.f << 5899 << 5599.f
                         << QList<double>{1063.98, 8918.72, 7928.18, -924.18}
                         << QList<double>{7090.87, 882.34};
    QTest::newRow("130") << 130 << 2823 << 2923.f << 6177 << 5877.f
                         << QList<double>{648.56, 8600.70, 8344.10, -606.83}
                         << QList<double>{7361.56, 1105.52};
    QTest::newRow("145") << 145 << 1647 << 1247.f << 7353 << 7553.f
                         << QList<double>{-410.49, 7447.76, 9405.00, 544.42}
                         << QList<double>{8031.16, 1890.40};
    QTest::newRow("170") << 170 << -6796 << -7196.f << 15796 << 15996.f
                         << QList<double>{-1407.27, 5050.78, 10405.59, 2939.82}
                         << QList<double>{8582.85, 3456.92};
}

void TestZukei::angleTable()
{
    QFETCH(int, kakudo);
    QFETCH(int, Qx);
    QFETCH(float, labelQx);
    QFETCH(int, Px);
    QFETCH(float, labelPx);
    QFETCH(QList<double>, ends);
    QFETCH(QList<double>, labelN);

    Pass p;
    p.s.kakudo = int16_t(kakudo);
    p.draw(15);
    QCOMPARE(p.s.Qx, Qx);
    QCOMPARE(p.s.Px, Px);

    const auto q = p.text(u"Ｑ");
    const auto pp = p.text(u"Ｐ");
    const auto n = p.text(u"ｎ");
    QVERIFY(q && pp && n);
    QCOMPARE(q->x, labelQx);
    QCOMPARE(q->y, 6000.f);
    QCOMPARE(pp->x, labelPx);
    QCOMPARE(pp->y, 1700.f);

    // Line ｎ is the fourth line of the pass, after ｌ, ｍ and ＡＢ.
    const auto lines = p.rec.of(OpKind::Line);
    QCOMPARE(lines.size(), std::size_t(4));
    for (int i = 0; i < 4; ++i)
        QVERIFY2(near(lines[3].args[i], ends[i], 0.01),
                 qPrintable(QString("end coordinate %1: %2 vs %3")
                                .arg(i).arg(lines[3].args[i], 0, 'f', 3).arg(ends[i])));
    QVERIFY2(near(n->x, labelN[0], 0.01), qPrintable(QString::number(n->x, 'f', 3)));
    QVERIFY2(near(n->y, labelN[1], 0.01), qPrintable(QString::number(n->y, 'f', 3)));
}

void TestZukei::colours_data()
{
    QTest::addColumn<int>("pen");
    QTest::addColumn<Rgb>("labels");   // ｌ ｍ Ｍ Ａ Ｂ Ｑ Ｐ
    QTest::addColumn<Rgb>("baseLines"); // ｌ, ｍ, ＡＢ
    QTest::addColumn<Rgb>("lineN");
    QTest::addColumn<Rgb>("labelN");
    QTest::newRow("draw") << 15 << kWhite << kWhite << kRed << kWhite;
    QTest::newRow("erase") << 3 << kCyan << kCyan << kCyan << kWhite;
}

void TestZukei::colours()
{
    QFETCH(int, pen);
    QFETCH(Rgb, labels);
    QFETCH(Rgb, baseLines);
    QFETCH(Rgb, lineN);
    QFETCH(Rgb, labelN);
    Pass p;
    p.draw(int16_t(pen));

    for (const auto& t : p.rec.texts()) {
        const Rgb expected = t.text == u"ｎ" ? labelN : labels;
        QVERIFY2(t.colour == expected, qPrintable(QString::fromStdU16String(t.text)));
    }
    QCOMPARE(p.rec.texts().size(), std::size_t(8));
    const auto lines = p.rec.of(OpKind::Line);
    QCOMPARE(lines.size(), std::size_t(4));
    QVERIFY(lines[0].colour == baseLines);
    QVERIFY(lines[1].colour == baseLines);
    QVERIFY(lines[2].colour == baseLines);
    QVERIFY(lines[3].colour == lineN);
}

void TestZukei::parallel_data()
{
    QTest::addColumn<int>("pen");
    QTest::addColumn<int>("godo");
    QTest::addColumn<Rgb>("lastFore");
    QTest::addColumn<Rgb>("ticks");
    QTest::newRow("draw, sentence off") << 15 << 0 << kWhite << kYellow;
    QTest::newRow("erase, sentence off") << 3 << 0 << kWhite << kCyan;
    QTest::newRow("draw, sentence on") << 15 << 1 << kWhite << kYellow;
    QTest::newRow("erase, sentence on") << 3 << 1 << kCyan << kCyan;
}

void TestZukei::parallel()
{
    QFETCH(int, pen);
    QFETCH(int, godo);
    QFETCH(Rgb, lastFore);
    QFETCH(Rgb, ticks);

    // 0 degrees is reached only from 5, whose pass leaves Ｐ and Ｑ behind.
    Pass p;
    p.s.kakudo = 5;
    p.draw(int16_t(pen));
    p.s.kakudo = 0;
    everyOverlayOn(p.s, 3);
    p.s.fGodo = int16_t(godo);
    p.draw(int16_t(pen));

    QCOMPARE(p.s.Px, -18164);
    QCOMPARE(p.s.Qx, 27164);
    QVERIFY(!p.text(u"Ｐ"));
    QVERIFY(!p.text(u"Ｑ"));
    QVERIFY(p.text(u"ｎ"));
    // Nothing of the conclusion, the triangles or the equal angles.
    QVERIFY(p.rec.of(OpKind::Circle).empty());
    QVERIFY(p.rec.of(OpKind::LineTo).empty());
    QVERIFY(p.rec.of(OpKind::SetFillStyle).empty());
    QVERIFY(p.rec.of(OpKind::SetFillColor).empty());

    // The hypothesis marks, with the arrowheads where 5 degrees put them.
    const auto lines = p.rec.of(OpKind::Line);
    QCOMPARE(lines.size(), std::size_t(6));
    QVERIFY(lines[4].colour == ticks);
    QVERIFY(lines[5].colour == ticks);
    const auto arms = p.rec.of(OpKind::RelativeLine);
    QCOMPARE(arms.size(), std::size_t(4));
    QCOMPARE(arms[0].args[0], -5532.f);
    QCOMPARE(arms[2].args[0], 14632.f);

    QCOMPARE(p.text(u"1辺とその両端の角がそれぞれ等しい\uFF61 ").has_value(), godo == 1);
    QVERIFY(p.rec.of(OpKind::SetForeColor).back().colour == lastFore);
}

void TestZukei::labelThresholds_data()
{
    QTest::addColumn<int>("kakudo");
    QTest::addColumn<int>("Mx");
    QTest::addColumn<float>("labelQx");
    QTest::addColumn<float>("labelPx");
    // The angles on either side of each threshold.
    QTest::newRow("30") << 30 << 4500 << 7960.f + 200 << 1040.f - 400;
    QTest::newRow("35") << 35 << 4500 << 7353.f + 200 << 1647.f - 300;
    QTest::newRow("125") << 125 << 4500 << 3101.f + 200 << 5899.f - 300;
    QTest::newRow("130") << 130 << 4500 << 2823.f + 100 << 6177.f - 300;
    QTest::newRow("145") << 145 << 4500 << 1647.f - 400 << 7353.f + 200;
    // At 90 degrees Ｐ and Ｑ fall on Ｍ, so moving Ｍ puts them on each bound.
    QTest::newRow("Qx = 3000, Px = 3000") << 90 << 3000 << 3100.f << 2700.f;
    QTest::newRow("Qx = 3001") << 90 << 3001 << 3201.f << 2701.f;
    QTest::newRow("Qx = Bx") << 90 << 2000 << 2100.f << 1700.f;
    QTest::newRow("Qx = Bx - 1") << 90 << 1999 << 1599.f << 1699.f;
    QTest::newRow("Px = 1500") << 90 << 1500 << 1100.f << 1200.f;
    QTest::newRow("Px = 1499") << 90 << 1499 << 1099.f << 1099.f;
    QTest::newRow("Px = Ax") << 90 << 7000 << 7200.f << 6700.f;
    QTest::newRow("Px = Ax + 1") << 90 << 7001 << 7201.f << 7201.f;
}

void TestZukei::labelThresholds()
{
    QFETCH(int, kakudo);
    QFETCH(int, Mx);
    QFETCH(float, labelQx);
    QFETCH(float, labelPx);
    Pass p;
    p.s.kakudo = int16_t(kakudo);
    p.s.Mx = int16_t(Mx);
    p.draw(15);
    QCOMPARE(p.text(u"Ｑ")->x, labelQx);
    QCOMPARE(p.text(u"Ｐ")->x, labelPx);
}

void TestZukei::overflow_data()
{
    QTest::addColumn<int>("kakudo");
    QTest::addColumn<int>("Mx");
    QTest::addColumn<int>("Ax");
    QTest::addColumn<QString>("lastCall"); // the last call that was made
    QTest::addColumn<int>("calls");
    QTest::addColumn<int>("Qx"); // 222 and 111 are what the state held before
    QTest::addColumn<int>("Px");
    QTest::newRow("label Ｍ") << 35 << 32700 << 7000 << u"text ｍ"_s << 6 << 222 << 111;
    QTest::newRow("label Ａ") << 35 << 4500 << -32700 << u"text Ｍ"_s << 8 << 222 << 111;
    QTest::newRow("kakudo + 180") << 32767 << 4500 << 7000 << "line #ffffff" << 15 << 222 << 111;
    QTest::newRow("kakudo + 185") << 32585 << 4500 << 7000 << "line #ff0000" << 16 << 222 << 111;
    QTest::newRow("Qx") << 35 << 30000 << 7000 << "fore #ffffff" << 20 << 222 << 111;
    QTest::newRow("label Ｑ") << 35 << 29850 << 7000 << "fore #ffffff" << 20 << 32703 << 111;
    QTest::newRow("Px") << 5 << -14400 << 7000 << u"text Ｑ"_s << 22 << 8264 << 111;
    QTest::newRow("label Ｐ") << 5 << -9900 << 7000 << u"text Ｑ"_s << 22 << 12764 << -32564;
}

void TestZukei::overflow()
{
    QFETCH(int, kakudo);
    QFETCH(int, Mx);
    QFETCH(int, Ax);
    QFETCH(QString, lastCall);
    QFETCH(int, calls);
    QFETCH(int, Qx);
    QFETCH(int, Px);
    Pass p;
    p.s.kakudo = int16_t(kakudo);
    p.s.Mx = int16_t(Mx);
    p.s.Ax = int16_t(Ax);
    p.s.Qx = 222;
    p.s.Px = 111;
    everyOverlayOn(p.s, 1);
    QVERIFY_THROWS_EXCEPTION(OverflowError, p.draw(15));
    QCOMPARE(int(p.rec.ops().size()), calls);
    QCOMPARE(token(p.rec.ops().back()), lastCall);
    QCOMPARE(p.s.Qx, Qx);
    QCOMPARE(p.s.Px, Px);
}

QTEST_APPLESS_MAIN(TestZukei)
#include "tst_zukei.moc"
