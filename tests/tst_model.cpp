// The figure model: the reset, the intersection rule at the telling angles,
// and the 16-bit checked arithmetic at its bounds.

#include "model/checked16.h"
#include "model/figure_state.h"

#include <QTest>

#include <bit>
#include <cstring>

using namespace godo;

Q_DECLARE_METATYPE(int16_t)

class TestModel : public QObject {
    Q_OBJECT
private slots:
    void reset_setsInitialValues();
    void reset_leavesPAndQAlone();
    void intersection_data();
    void intersection();
    void intersection_isSymmetric();
    void checked_sumsAtBounds_data();
    void checked_sumsAtBounds();
    void checked_rounding_data();
    void checked_rounding();
    void checked_toSingle();
};

void TestModel::reset_setsInitialValues()
{
    FigureState s;
    s.kakudo = 170;
    s.fKatei = s.fSankaku = s.fHenkaku = s.fGodo = 1;
    s.nKeturon = 3;
    s.reset();
    QCOMPARE(s.Mx, 4500);
    QCOMPARE(s.My, 4000);
    QCOMPARE(s.Ax, 7000);
    QCOMPARE(s.Yl, 2000);
    QCOMPARE(s.Bx, 2000);
    QCOMPARE(s.Ym, 6000);
    QCOMPARE(s.kakudo, 35);
    QCOMPARE(std::bit_cast<uint32_t>(s.dToR), 0x3C8EE7A7u);
    QCOMPARE(double(s.dToR), 0.017444444820284843);
    QCOMPARE(s.fKatei, 0);
    QCOMPARE(s.fSankaku, 0);
    QCOMPARE(s.nKeturon, 0);
    QCOMPARE(s.fHenkaku, 0);
    QCOMPARE(s.fGodo, 0);
}

void TestModel::reset_leavesPAndQAlone()
{
    FigureState s;
    s.Px = 15796;
    s.Qx = -6796;
    s.reset();
    QCOMPARE(s.Px, 15796);
    QCOMPARE(s.Qx, -6796);
}

void TestModel::intersection_data()
{
    QTest::addColumn<int>("kakudo");
    QTest::addColumn<int>("Qx");
    QTest::addColumn<int>("Px");
    QTest::newRow("5") << 5 << 27164 << -18164;
    QTest::newRow("35") << 35 << 7353 << 1647;
    QTest::newRow("55") << 55 << 5899 << 3101;
    QTest::newRow("90") << 90 << 4500 << 4500;
    QTest::newRow("125") << 125 << 3101 << 5899;
    QTest::newRow("145") << 145 << 1647 << 7353;
    QTest::newRow("170") << 170 << -6796 << 15796;
}

void TestModel::intersection()
{
    QFETCH(int, kakudo);
    QFETCH(int, Qx);
    QFETCH(int, Px);
    FigureState s;
    s.reset();
    s.kakudo = int16_t(kakudo);
    QCOMPARE(intersectionX(s, s.Ym), Qx);
    QCOMPARE(intersectionX(s, s.Yl), Px);
}

void TestModel::intersection_isSymmetric()
{
    FigureState s;
    s.reset();
    for (int k = 5; k <= 170; k += 5) {
        s.kakudo = int16_t(k);
        const int16_t p = intersectionX(s, s.Yl);
        s.kakudo = int16_t(180 - k);
        QCOMPARE(intersectionX(s, s.Ym), p);
    }
}

void TestModel::checked_sumsAtBounds_data()
{
    QTest::addColumn<int>("op"); // 0 add, 1 sub, 2 abs, 3 neg
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<bool>("overflows");
    QTest::addColumn<int>("result");
    QTest::newRow("32767 + 1") << 0 << 32767 << 1 << true << 0;
    QTest::newRow("32766 + 1") << 0 << 32766 << 1 << false << 32767;
    QTest::newRow("-32768 - 1") << 1 << -32768 << 1 << true << 0;
    QTest::newRow("-32767 - 1") << 1 << -32767 << 1 << false << -32768;
    QTest::newRow("0 - -32768") << 1 << 0 << -32768 << true << 0;
    QTest::newRow("|-32768|") << 2 << -32768 << 0 << true << 0;
    QTest::newRow("|-32767|") << 2 << -32767 << 0 << false << 32767;
    QTest::newRow("-(-32768)") << 3 << -32768 << 0 << true << 0;
    QTest::newRow("-(-2000)") << 3 << -2000 << 0 << false << 2000;
}

void TestModel::checked_sumsAtBounds()
{
    QFETCH(int, op);
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(bool, overflows);
    QFETCH(int, result);
    const auto run = [&] {
        switch (op) {
        case 0: return add16(int16_t(a), int16_t(b));
        case 1: return sub16(int16_t(a), int16_t(b));
        case 2: return abs16(int16_t(a));
        default: return neg16(int16_t(a));
        }
    };
    if (overflows)
        QVERIFY_THROWS_EXCEPTION(OverflowError, run());
    else
        QCOMPARE(run(), result);
}

void TestModel::checked_rounding_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("error"); // 0 none, 1 overflow, 2 floating point
    QTest::addColumn<int>("result");
    QTest::newRow("2.5 to even") << 2.5 << 0 << 2;
    QTest::newRow("3.5 to even") << 3.5 << 0 << 4;
    QTest::newRow("-2.5 to even") << -2.5 << 0 << -2;
    QTest::newRow("5899.49") << 5899.49 << 0 << 5899;
    QTest::newRow("32767.4") << 32767.4 << 0 << 32767;
    QTest::newRow("32767.5 overflows") << 32767.5 << 1 << 0;
    QTest::newRow("-32768.5 to even") << -32768.5 << 0 << -32768;
    QTest::newRow("-32768.6 overflows") << -32768.6 << 1 << 0;
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << 2 << 0;
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << 2 << 0;
}

void TestModel::checked_rounding()
{
    QFETCH(double, x);
    QFETCH(int, error);
    QFETCH(int, result);
    if (error == 1)
        QVERIFY_THROWS_EXCEPTION(OverflowError, round16(x));
    else if (error == 2)
        QVERIFY_THROWS_EXCEPTION(FloatingPointError, round16(x));
    else
        QCOMPARE(round16(x), result);
}

void TestModel::checked_toSingle()
{
    // Half twips reach the surface exactly; what single precision cannot hold
    // is an error, not an infinite coordinate.
    QCOMPARE(toSingle(4373.5), 4373.5f);
    QCOMPARE(toSingle(-18564.0), -18564.0f);
    QVERIFY_THROWS_EXCEPTION(FloatingPointError, toSingle(1e300));
    QVERIFY_THROWS_EXCEPTION(FloatingPointError, toSingle(std::numeric_limits<double>::quiet_NaN()));
}

QTEST_APPLESS_MAIN(TestModel)
#include "tst_model.moc"
