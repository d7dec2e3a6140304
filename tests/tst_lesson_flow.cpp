// The lesson as a pupil walks it: clicks on the real window's buttons and
// choices from its list, with the state, the enabled flags and the field
// checked after every step; the turning bounds, typing in the field, restart,
// disabled controls, printing without a printer, errors in the redraw, and
// the end of the program.

#include "form1_driver.h"
#include "core/lesson_rows.h"
#include "without_printer.h"

#include "desktop/gamen.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QImage>
#include <QMessageBox>

using namespace godo;
using namespace godo::test;

namespace {

const QString kHeading = QStringLiteral(u"　　　　結論");
const QString kApBq = QStringLiteral(u"ＡＰ＝ＢＱ");
const QString kPmQm = QStringLiteral(u"ＰＭ＝ＱＭ");
const QString kAngles = QStringLiteral(u"∠APM＝∠BQM");
const QString kCaption = QStringLiteral(u"三角形の合同条件の使い方(q.Sorano)");

// The whole lesson up to the congruence condition, at 55 degrees with ＰＭ＝ＱＭ.
const QStringList kWholeLesson = {"katei", "migi*4", "pick:3", "sankaku", "henkaku", "godo"};

QStringList operator+(const QStringList& a, const char* step) { return a + QStringList{step}; }

bool alwaysOn(const Form1Driver& d)
{
    for (const char* name : {"Command1", "saisyo", "owari"})
        if (!d.control(name)->isEnabled())
            return false;
    return true;
}

} // namespace

class TestLessonFlow : public QObject {
    Q_OBJECT
private slots:
    void lesson_data();
    void lesson();
    void turning_data();
    void turning();
    void typedText_data();
    void typedText();
    void restart_equalsFirstStart_data();
    void restart_equalsFirstStart();
    void disabledControl_data();
    void disabledControl();
    void printing_withoutPrinter_data();
    void printing_withoutPrinter();
    void overflow_data();
    void overflow();
    // Last: it ends the program's event loop.
    void owari_closesWindow();
};

void TestLessonFlow::lesson_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("kakudo");
    QTest::addColumn<int>("fKatei");
    QTest::addColumn<int>("fSankaku");
    QTest::addColumn<int>("fHenkaku");
    QTest::addColumn<int>("fGodo");
    QTest::addColumn<int>("nKeturon");
    QTest::addColumn<int>("Px");
    QTest::addColumn<int>("Qx");
    QTest::addColumn<QString>("field");
    // Enabled flags of katei, hidari, migi, keturon, sankaku, henkaku, godo.
    QTest::addColumn<QString>("flags");

    // The same walks as the window's code is tested with, here through the
    // real widgets: clicks, keys on the closed list, clicks in the open list.
    for (const godo::test::LessonRow& r : godo::test::lessonRows()) {
        QStringList steps;
        for (const std::string& step : r.steps)
            steps << QString::fromStdString(step);
        QTest::newRow(r.name) << steps << r.kakudo << r.fKatei << r.fSankaku << r.fHenkaku << r.fGodo
                              << r.nKeturon << r.Px << r.Qx << toQString(r.field) << QString::fromLatin1(r.flags);
    }
}

void TestLessonFlow::lesson()
{
    QFETCH(QStringList, steps);
    Form1Driver d;
    QVERIFY(d.run(steps));
    const FigureState& s = d.state();
    QFETCH(int, kakudo);
    QFETCH(int, fKatei);
    QFETCH(int, fSankaku);
    QFETCH(int, fHenkaku);
    QFETCH(int, fGodo);
    QFETCH(int, nKeturon);
    QFETCH(int, Px);
    QFETCH(int, Qx);
    QFETCH(QString, field);
    QFETCH(QString, flags);
    QCOMPARE(s.kakudo, kakudo);
    QCOMPARE(s.fKatei, fKatei);
    QCOMPARE(s.fSankaku, fSankaku);
    QCOMPARE(s.fHenkaku, fHenkaku);
    QCOMPARE(s.fGodo, fGodo);
    QCOMPARE(s.nKeturon, nKeturon);
    QCOMPARE(s.Px, Px);
    QCOMPARE(s.Qx, Qx);
    QCOMPARE(d.list()->currentText(), field);
    QCOMPARE(d.enabledFlags(), flags);
    QVERIFY(alwaysOn(d));
    QVERIFY(d.messageBoxes().isEmpty());
}

void TestLessonFlow::turning_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<int>("kakudo");
    QTest::addColumn<int>("Px");
    QTest::addColumn<int>("Qx");
    for (const godo::test::TurningRow& r : godo::test::turningRows())
        QTest::newRow(r.name) << QString::fromLatin1(r.button) << r.clicks << r.kakudo << r.Px << r.Qx;
}

void TestLessonFlow::turning()
{
    QFETCH(QString, button);
    QFETCH(int, clicks);
    QFETCH(int, kakudo);
    QFETCH(int, Px);
    QFETCH(int, Qx);
    Form1Driver d;
    QVERIFY(d.run({"katei", QStringLiteral("%1*%2").arg(button).arg(clicks - 1)}));
    // The last click enables the list again, also when its step is taken back.
    d.list()->setEnabled(false);
    QVERIFY(d.click(button));
    QCOMPARE(d.state().kakudo, kakudo);
    QCOMPARE(d.state().Px, Px);
    QCOMPARE(d.state().Qx, Qx);
    QVERIFY(d.list()->isEnabled());
    QCOMPARE(d.enabledFlags(), QStringLiteral("1111000"));
}

void TestLessonFlow::typedText_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("nextKeturon"); // after one Down on the list
    QTest::addColumn<QString>("nextField");

    const QStringList fromHeading = {"katei", "migi*4"};
    const QStringList fromPmQm = {"katei", "migi*4", "pick:3"};
    QTest::newRow("ＡＰ＝ＢＱ, Return, from entry 1")
        << fromHeading << kApBq << int(Qt::Key_Return) << 1 << kApBq;
    QTest::newRow("ＡＰ＝ＢＱ, Enter, from entry 1")
        << fromHeading << kApBq << int(Qt::Key_Enter) << 1 << kApBq;
    QTest::newRow("ＡＰ＝ＢＱ, Tab, from entry 1")
        << fromHeading << kApBq << int(Qt::Key_Tab) << 1 << kApBq;
    QTest::newRow("ＡＰ＝ＢＱ, Return, after ＰＭ＝ＱＭ")
        << fromPmQm << kApBq << int(Qt::Key_Return) << 3 << kAngles;
    QTest::newRow("∠APM＝∠BQM, Tab, after ＰＭ＝ＱＭ")
        << fromPmQm << kAngles << int(Qt::Key_Tab) << 3 << kAngles;
    QTest::newRow("entry 1's text, Return, after ＰＭ＝ＱＭ")
        << fromPmQm << kHeading << int(Qt::Key_Return) << 3 << kAngles;
    QTest::newRow("entry 1's text, Tab, after ＰＭ＝ＱＭ")
        << fromPmQm << kHeading << int(Qt::Key_Tab) << 3 << kAngles;
}

void TestLessonFlow::typedText()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(int, nextKeturon);
    QFETCH(QString, nextField);
    Form1Driver d;
    QVERIFY(d.run(steps));
    const FigureState before = d.state();
    const QString flags = d.enabledFlags();
    const QString description = d.form().picture().accessibleDescription();

    QVERIFY(d.typeIntoField(typed));
    QVERIFY(d.keyOnFocus(key));
    if (key == Qt::Key_Tab)
        QCOMPARE(d.focusedControl(), QStringLiteral("Command1"));

    // No handler ran: the state, the flags (sankaku among them) and the
    // description that every draw pass renews are as they were.
    QVERIFY2(d.state() == before, qPrintable(describe(d.state())));
    QCOMPARE(d.enabledFlags(), flags);
    QCOMPARE(d.form().picture().accessibleDescription(), description);
    QCOMPARE(d.list()->count(), 4);

    QVERIFY(d.keyOnList(Qt::Key_Down));
    QCOMPARE(d.state().nKeturon, nextKeturon);
    QCOMPARE(d.list()->currentText(), nextField);
    QCOMPARE(d.enabledFlags(), QStringLiteral("1111100"));
}

void TestLessonFlow::restart_equalsFirstStart_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("typed");
    QTest::newRow("everything on, at 170") << kWholeLesson + "migi*23" << QString();
    QTest::newRow("everything on, at 0, text typed")
        << kWholeLesson + "hidari*11" << QStringLiteral(u"ＡＰ＝");
    QTest::newRow("everything on, conclusion taken back") << kWholeLesson + "pick:1" << QString();
}

void TestLessonFlow::restart_equalsFirstStart()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, typed);
    Form1Driver used;
    QVERIFY(used.run(steps));
    if (!typed.isEmpty())
        QVERIFY(used.typeIntoField(typed));
    QVERIFY(used.click("saisyo"));

    Form1Driver fresh;
    QVERIFY2(used.state() == fresh.state(),
             qPrintable(describe(used.state()) + " / " + describe(fresh.state())));
    QCOMPARE(used.state().Px, 1647);
    QCOMPARE(used.state().Qx, 7353);
    QCOMPARE(used.form().windowTitle(), kCaption);
    QCOMPARE(used.list()->currentText(), kHeading);
    QCOMPARE(used.list()->currentIndex(), fresh.list()->currentIndex());
    for (const QString& name : controlNames())
        QVERIFY2(used.control(name)->isEnabled() == fresh.control(name)->isEnabled(),
                 qPrintable(name));
    QVERIFY(used.picture() == fresh.picture());
}

void TestLessonFlow::disabledControl_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("name");
    QTest::newRow("hidari after load") << QStringList{} << "hidari";
    QTest::newRow("migi after load") << QStringList{} << "migi";
    QTest::newRow("keturon after katei") << QStringList{"katei"} << "keturon";
    QTest::newRow("sankaku after turning") << QStringList{"katei", "migi"} << "sankaku";
    QTest::newRow("sankaku after entry 1") << QStringList{"katei", "migi", "down", "up"}
                                           << "sankaku";
    QTest::newRow("henkaku after a conclusion") << QStringList{"katei", "migi", "down"}
                                                << "henkaku";
    QTest::newRow("godo after sankaku") << QStringList{"katei", "migi", "down", "sankaku"}
                                        << "godo";
}

void TestLessonFlow::disabledControl()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, name);
    Form1Driver d;
    QVERIFY(d.run(steps));
    QWidget* target = d.control(name);
    QVERIFY(!target->isEnabled());
    const FigureState before = d.state();
    const QString flags = d.enabledFlags();
    const QImage picture = d.picture();

    QTest::mouseClick(target, Qt::LeftButton);
    if (auto* box = qobject_cast<QComboBox*>(target)) {
        QTest::keyClick(box, Qt::Key_Down);
        QTest::keyClick(box, Qt::Key_Up);
        QVERIFY(!box->view()->isVisible());
    } else {
        QTest::keyClick(target, Qt::Key_Space);
    }
    QVERIFY2(d.state() == before, qPrintable(describe(d.state())));
    QCOMPARE(d.enabledFlags(), flags);
    QVERIFY(d.picture() == picture);
}

void TestLessonFlow::printing_withoutPrinter_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::newRow("after load") << QStringList{};
    QTest::newRow("after turning") << QStringList{"katei", "hidari*2"};
    QTest::newRow("whole lesson") << kWholeLesson;
}

void TestLessonFlow::printing_withoutPrinter()
{
    QFETCH(QStringList, steps);
    Form1Driver d;
    QVERIFY(d.run(steps));
    const FigureState before = d.state();
    const QString flags = d.enabledFlags();
    const QImage picture = d.picture();

    for (int time = 1; time <= 2; ++time) {
        QVERIFY(d.click("Command1"));
        const QList<QMessageBox*> boxes = d.messageBoxes();
        QCOMPARE(boxes.size(), 1);
        QVERIFY(boxes.first()->isVisible());
        QVERIFY2(boxes.first()->text().contains(QStringLiteral(u"何も印刷されていません")),
                 qPrintable(boxes.first()->text()));
        QVERIFY2(d.state() == before, qPrintable(describe(d.state())));
        QCOMPARE(d.enabledFlags(), flags);
        QVERIFY(d.picture() == picture);
        d.closeMessageBoxes();
    }
    QVERIFY(alwaysOn(d));
}

void TestLessonFlow::overflow_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("field");     // forced out of range
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("repair");    // "restore" the field, or the button that restarts
    QTest::addColumn<int>("kakudoAfterError");
    QTest::addColumn<int>("fHenkakuAfterError");
    QTest::addColumn<QString>("flagsAfterError");
    QTest::addColumn<int>("kakudoAfterRepair");
    QTest::addColumn<int>("fHenkakuAfterRepair");
    QTest::addColumn<QString>("flagsAfterRepair");

    // Ｍ's label sits at Mx + 100: the erase pass stops there, before the turn.
    QTest::newRow("Mx + 100 in the erase pass")
        << QStringList{"katei"} << "Mx" << 32700 << "migi" << "restore"
        << 35 << 0 << "1110000" << 40 << 0 << "1111000";
    // ｎ's far end is at kakudo + 180: the erase pass stops, kakudo − 5 is not taken.
    QTest::newRow("kakudo + 180 in the erase pass")
        << QStringList{"katei"} << "kakudo" << 32767 << "hidari" << "saisyo"
        << 32767 << 0 << "1110000" << 35 << 0 << "1000000";
    // The equal-angle marks need Ax − Mx: the switch is on when the draw pass
    // stops, the enabling of godo after it is not done.
    QTest::newRow("Ax - Mx in the draw pass")
        << QStringList{"katei", "migi*4", "pick:3", "sankaku"} << "Ax" << -32620 << "henkaku"
        << "restore" << 55 << 1 << "1111110" << 55 << 0 << "1111111";
}

void TestLessonFlow::overflow()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, field);
    QFETCH(int, value);
    QFETCH(QString, button);
    QFETCH(QString, repair);
    Form1Driver d;
    QVERIFY(d.run(steps));

    FigureState& s = d.form().stateForTesting();
    int16_t FigureState::*member = field == "Mx" ? &FigureState::Mx
                                 : field == "Ax" ? &FigureState::Ax
                                                 : &FigureState::kakudo;
    const int16_t sane = s.*member;
    s.*member = static_cast<int16_t>(value);

    QVERIFY(d.click(button));
    const QList<QMessageBox*> boxes = d.messageBoxes();
    QCOMPARE(boxes.size(), 1);
    QVERIFY(boxes.first()->isVisible());
    QVERIFY2(boxes.first()->text().contains(QStringLiteral(u"オーバーフロー")),
             qPrintable(boxes.first()->text()));
    QTEST(int(d.state().kakudo), "kakudoAfterError");
    QTEST(int(d.state().fHenkaku), "fHenkakuAfterError");
    QTEST(d.enabledFlags(), "flagsAfterError");
    d.closeMessageBoxes();

    if (repair == "restore") {
        d.form().stateForTesting().*member = sane;
        QVERIFY(d.click(button));
    } else {
        QVERIFY(d.click(repair));
    }
    QVERIFY(d.messageBoxes().isEmpty());
    QTEST(int(d.state().kakudo), "kakudoAfterRepair");
    QTEST(int(d.state().fHenkaku), "fHenkakuAfterRepair");
    QTEST(d.enabledFlags(), "flagsAfterRepair");
    if (repair != "restore") {
        // The lesson goes on from the restart.
        QVERIFY(d.run({"katei", "hidari"}));
        QCOMPARE(d.state().kakudo, 30);
        QCOMPARE(d.enabledFlags(), QStringLiteral("1111000"));
        QVERIFY(d.messageBoxes().isEmpty());
    }
}

void TestLessonFlow::owari_closesWindow()
{
    Form1Driver d;
    QVERIFY(d.run({"katei", "migi"}));
    const FigureState before = d.state();
    QVERIFY(d.form().isVisible());
    QVERIFY(d.click("owari"));
    QVERIFY(!d.form().isVisible());
    QVERIFY2(d.state() == before, qPrintable(describe(d.state())));
}

GODO_TEST_MAIN_WITHOUT_PRINTER(TestLessonFlow)

#include "tst_lesson_flow.moc"
