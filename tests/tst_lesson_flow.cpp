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

QStringList operator+(const QStringList& a, const char* step) { return a + QStringList{step}; }

// The shared tables' rows, by index, so that each runs as a row of its own.
template <class Rows>
void rowsByIndex(const Rows& rows)
{
    QTest::addColumn<int>("row");
    for (std::size_t i = 0; i < rows.size(); ++i)
        QTest::newRow(rows[i].name) << int(i);
}

std::size_t rowIndex()
{
    QFETCH(int, row);
    return std::size_t(row);
}

QStringList toSteps(const std::vector<std::string>& steps)
{
    QStringList out;
    for (const std::string& s : steps)
        out << QString::fromStdString(s);
    return out;
}

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
    void nothing_data();
    void nothing();
    void printing_withoutPrinter_data();
    void printing_withoutPrinter();
    void overflow_data();
    void overflow();
    // Last: it ends the program's event loop.
    void owari_closesWindow();
};

// The same walks as the window's code is tested with, here through the real
// widgets: clicks, keys on the closed list, clicks in the open list.
void TestLessonFlow::lesson_data() { rowsByIndex(lessonRows()); }

void TestLessonFlow::lesson()
{
    const LessonRow& r = lessonRows()[rowIndex()];
    Form1Driver d;
    QVERIFY(d.run(toSteps(r.steps)));
    const FigureState& s = d.state();
    QCOMPARE(s.kakudo, r.kakudo);
    QCOMPARE(s.fKatei, r.fKatei);
    QCOMPARE(s.fSankaku, r.fSankaku);
    QCOMPARE(s.fHenkaku, r.fHenkaku);
    QCOMPARE(s.fGodo, r.fGodo);
    QCOMPARE(s.nKeturon, r.nKeturon);
    QCOMPARE(s.Px, r.Px);
    QCOMPARE(s.Qx, r.Qx);
    QCOMPARE(d.list()->currentText(), toQString(r.field));
    QCOMPARE(d.enabledFlags(), QString::fromLatin1(r.flags));
    QVERIFY(alwaysOn(d));
    QVERIFY(d.messageBoxes().isEmpty());
}

void TestLessonFlow::turning_data() { rowsByIndex(turningRows()); }

void TestLessonFlow::turning()
{
    const TurningRow& r = turningRows()[rowIndex()];
    const QString button = QString::fromLatin1(r.button);
    Form1Driver d;
    QVERIFY(d.run({"katei", QStringLiteral("%1*%2").arg(button).arg(r.clicks - 1)}));
    // The last click enables the list again, also when its step is taken back.
    d.list()->setEnabled(false);
    QVERIFY(d.click(button));
    QCOMPARE(d.state().kakudo, r.kakudo);
    QCOMPARE(d.state().Px, r.Px);
    QCOMPARE(d.state().Qx, r.Qx);
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

void TestLessonFlow::restart_equalsFirstStart_data() { rowsByIndex(restartRows()); }

void TestLessonFlow::restart_equalsFirstStart()
{
    Form1Driver used;
    QVERIFY(used.run(toSteps(restartRows()[rowIndex()].steps) + "saisyo"));

    Form1Driver fresh;
    QVERIFY2(used.state() == fresh.state(),
             qPrintable(describe(used.state()) + " / " + describe(fresh.state())));
    QCOMPARE(used.state().Px, lessonRows().front().Px);
    QCOMPARE(used.state().Qx, lessonRows().front().Qx);
    QCOMPARE(used.form().windowTitle(), kCaption);
    QCOMPARE(used.list()->currentText(), kHeading);
    QCOMPARE(used.list()->currentIndex(), fresh.list()->currentIndex());
    for (const QString& name : controlNames())
        QVERIFY2(used.control(name)->isEnabled() == fresh.control(name)->isEnabled(),
                 qPrintable(name));
    QVERIFY(used.picture() == fresh.picture());
}

void TestLessonFlow::nothing_data() { rowsByIndex(nothingRows()); }

void TestLessonFlow::nothing()
{
    const NothingRow& r = nothingRows()[rowIndex()];
    Form1Driver d;
    QVERIFY(d.run(toSteps(r.steps)));
    const FigureState before = d.state();
    const QString flags = d.enabledFlags();
    const QImage picture = d.picture();

    QWidget* target = d.control(QString::fromStdString(r.then));
    if (target && !target->isEnabled()) {
        // A disabled control, with the mouse and the keys it would take.
        QTest::mouseClick(target, Qt::LeftButton);
        if (auto* box = qobject_cast<QComboBox*>(target)) {
            QTest::keyClick(box, Qt::Key_Down);
            QTest::keyClick(box, Qt::Key_Up);
            QVERIFY(!box->view()->isVisible());
        } else {
            QTest::keyClick(target, Qt::Key_Space);
        }
    } else {
        QVERIFY(d.run({QString::fromStdString(r.then)}));
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
    QTest::newRow("whole lesson") << toSteps(wholeLessonAnd({}));
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

void TestLessonFlow::overflow_data() { rowsByIndex(overflowRows()); }

void TestLessonFlow::overflow()
{
    const OverflowRow& r = overflowRows()[rowIndex()];
    Form1Driver d;
    QVERIFY(d.run(toSteps(r.steps)));

    FigureState& s = d.form().stateForTesting();
    const int16_t sane = s.*r.field;
    s.*r.field = r.value;

    QVERIFY(d.click(r.button));
    const QList<QMessageBox*> boxes = d.messageBoxes();
    QCOMPARE(boxes.size(), 1);
    QVERIFY(boxes.first()->isVisible());
    QVERIFY2(boxes.first()->text().contains(toQString(texts::kOverflow)), qPrintable(boxes.first()->text()));
    QCOMPARE(int(d.state().kakudo), r.kakudoAfterError);
    QCOMPARE(int(d.state().fHenkaku), r.fHenkakuAfterError);
    QCOMPARE(d.enabledFlags(), QString::fromLatin1(r.flagsAfterError));
    d.closeMessageBoxes();

    const bool restore = std::string_view(r.repair) == "restore";
    if (restore)
        d.form().stateForTesting().*r.field = sane;
    QVERIFY(d.click(restore ? r.button : r.repair));
    QVERIFY(d.messageBoxes().isEmpty());
    QCOMPARE(int(d.state().kakudo), r.kakudoAfterRepair);
    QCOMPARE(int(d.state().fHenkaku), r.fHenkakuAfterRepair);
    QCOMPARE(d.enabledFlags(), QString::fromLatin1(r.flagsAfterRepair));
    if (!restore) {
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
