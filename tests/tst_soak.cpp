// A long random walk through the lesson: clicks on all thirteen controls,
// enabled or not, list choices with the keys, typed text, Enter and leaving
// the field, checked after every event against a small model of the lesson
// written here. Seeded; the seed is printed so that a failure can be replayed
// with GODO_SOAK_SEED=<seed> (and GODO_SOAK_EVENTS=<n> for a shorter run).

#include "without_printer.h"

#include "desktop/lesson_window.h"

#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>

#include <array>
#include <random>

using namespace godo;

namespace {

const std::array<QString, 4> kEntries = {
    QStringLiteral(u"　　　　結論"), QStringLiteral(u"ＡＰ＝ＢＱ"), QStringLiteral(u"ＰＭ＝ＱＭ"),
    QStringLiteral(u"∠APM＝∠BQM")};

// What the lesson should be, independent of the window's code.
struct Lesson {
    int angle = 35;
    int katei = 0, sankaku = 0, henkaku = 0, godo = 0;
    int conclusion = 0;
    int listIndex = 0;
    QString field = kEntries[0];
    bool hidari = false, migi = false, keturon = false, sankakuOn = false, henkakuOn = false,
         godoOn = false;

    void restart() { *this = Lesson{}; }
    // A click on an enabled turning button: no step beyond either end.
    void turn(int by)
    {
        if (angle + by >= 0 && angle + by <= 170)
            angle += by;
        keturon = true;
    }
    void choose(int index)
    {
        listIndex = index;
        field = kEntries[std::size_t(index)];
        conclusion = index;
        sankakuOn = index != 0;
    }
};

enum Event {
    ClickKatei, ClickHidari, ClickMigi, ClickSankaku, ClickHenkaku, ClickGodo, ClickSaisyo,
    ClickCommand1, ClickOwari, ClickGamen, ClickLabel1, ClickLabel3, KeyDown, KeyUp,
    TypeText, TypeAndEnter, TypeAndLeave, TurnRun, EventCount
};

// How often each event comes: turning often and restarting rarely, so that
// the walk reaches both ends of the angle's range many times.
const std::array<double, EventCount> kWeights = {
    3, 8, 8, 3, 3, 3, 0.4,
    0.2, 0.2, 1, 0.5, 0.5, 3, 3,
    1, 1, 1, 0.5};

// The offscreen platform warns each time a fixed-size window (the form, a
// message box) is shown again; thousands of those would bury real messages.
QtMessageHandler forward = nullptr;
void dropSizeHintWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message != QLatin1String("This plugin does not support propagateSizeHints()"))
        forward(type, context, message);
}

} // namespace

class TestSoak : public QObject {
    Q_OBJECT
private slots:
    void randomLesson();
};

void TestSoak::randomLesson()
{
    const quint64 seed = qEnvironmentVariableIsSet("GODO_SOAK_SEED")
        ? qEnvironmentVariable("GODO_SOAK_SEED").toULongLong()
        : std::random_device{}();
    const int events = qEnvironmentVariableIsSet("GODO_SOAK_EVENTS")
        ? qEnvironmentVariableIntValue("GODO_SOAK_EVENTS")
        : 100000;
    qInfo("soak: seed %llu, %d events", static_cast<unsigned long long>(seed), events);
    std::mt19937_64 rng(seed);
    const auto pick = [&rng](int n) { return int(std::uniform_int_distribution<int>(0, n - 1)(rng)); };
    std::discrete_distribution<int> nextEvent(kWeights.begin(), kWeights.end());
    int runLeft = 0; // a run of clicks on one turning button
    Event runEvent = ClickMigi;

    forward = qInstallMessageHandler(dropSizeHintWarnings);
    const auto restore = qScopeGuard([] { qInstallMessageHandler(forward); });

    LessonWindow form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const auto button = [&form](const char* name) {
        return form.findChild<QPushButton*>(QString::fromLatin1(name));
    };
    QComboBox* list = form.findChild<QComboBox*>(QStringLiteral("keturon"));
    QWidget* gamen = form.findChild<QWidget*>(QStringLiteral("gamen"));
    QVERIFY(list && gamen);

    Lesson m;
    for (int i = 0; i < events; ++i) {
        Event event = runLeft > 0 ? runEvent : Event(nextEvent(rng));
        if (event == TurnRun) {
            runLeft = 30;
            runEvent = pick(2) == 0 ? ClickHidari : ClickMigi;
            event = runEvent;
        }
        if (runLeft > 0)
            --runLeft;
        switch (event) {
        case ClickKatei:
            QTest::mouseClick(button("katei"), Qt::LeftButton);
            m.katei ^= 1;
            m.hidari = m.migi = true;
            break;
        case ClickHidari:
            QTest::mouseClick(button("hidari"), Qt::LeftButton);
            if (m.hidari)
                m.turn(-5);
            break;
        case ClickMigi:
            QTest::mouseClick(button("migi"), Qt::LeftButton);
            if (m.migi)
                m.turn(5);
            break;
        case ClickSankaku:
            QTest::mouseClick(button("sankaku"), Qt::LeftButton);
            if (m.sankakuOn) {
                m.sankaku ^= 1;
                m.henkakuOn = true;
            }
            break;
        case ClickHenkaku:
            QTest::mouseClick(button("henkaku"), Qt::LeftButton);
            if (m.henkakuOn) {
                m.henkaku ^= 1;
                m.godoOn = true;
            }
            break;
        case ClickGodo:
            QTest::mouseClick(button("godo"), Qt::LeftButton);
            if (m.godoOn)
                m.godo ^= 1;
            break;
        case ClickSaisyo:
            QTest::mouseClick(button("saisyo"), Qt::LeftButton);
            m.restart();
            break;
        case ClickCommand1: {
            // No printer here: the message says so, and nothing else changes.
            QTest::mouseClick(button("Command1"), Qt::LeftButton);
            auto* box = form.findChild<QMessageBox*>();
            QVERIFY2(box && box->isVisible(), "printing without a printer shows a message");
            QVERIFY(box->text().contains(QStringLiteral(u"何も印刷されていません")));
            box->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            break;
        }
        case ClickOwari:
            QTest::mouseClick(button("owari"), Qt::LeftButton);
            QVERIFY(!form.isVisible());
            form.show();
            QVERIFY(QTest::qWaitForWindowExposed(&form));
            break;
        case ClickGamen:
            QTest::mouseClick(gamen, Qt::LeftButton, {}, QPoint(1 + pick(580), 1 + pick(490)));
            break;
        case ClickLabel1:
            QTest::mouseClick(form.findChild<QLabel*>(QStringLiteral("Label1")), Qt::LeftButton);
            break;
        case ClickLabel3:
            QTest::mouseClick(form.findChild<QLabel*>(QStringLiteral("Label3")), Qt::LeftButton);
            break;
        case KeyDown:
        case KeyUp: {
            QTest::keyClick(list, event == KeyDown ? Qt::Key_Down : Qt::Key_Up);
            const int next = m.listIndex + (event == KeyDown ? 1 : -1);
            // Nothing happens at the ends of the list, nor on a disabled box.
            if (m.keturon && next >= 0 && next <= 3)
                m.choose(next);
            break;
        }
        case TypeText:
        case TypeAndEnter:
        case TypeAndLeave: {
            if (!m.keturon)
                break; // a disabled field takes no text
            const QString text = pick(2) == 0 ? kEntries[std::size_t(pick(4))] : QStringLiteral("x");
            list->setFocus();
            list->lineEdit()->selectAll();
            // Japanese text arrives from the input method as a committed string.
            QInputMethodEvent typed;
            typed.setCommitString(text);
            QCoreApplication::sendEvent(list->lineEdit(), &typed);
            if (event == TypeAndEnter)
                QTest::keyClick(list, Qt::Key_Return);
            if (event == TypeAndLeave)
                button("katei")->setFocus();
            m.field = text;
            break;
        }
        case TurnRun:
        case EventCount:
            break;
        }

        const FigureState& s = form.state();
        const auto where = [&] { return qPrintable(QStringLiteral("event %1 (%2)").arg(i).arg(int(event))); };
        QVERIFY2(s.kakudo == m.angle, where());
        QVERIFY2(s.kakudo % 5 == 0 && s.kakudo >= 0 && s.kakudo <= 170, where());
        QVERIFY2(s.fKatei == m.katei && s.fSankaku == m.sankaku, where());
        QVERIFY2(s.fHenkaku == m.henkaku && s.fGodo == m.godo, where());
        QVERIFY2(s.nKeturon == m.conclusion, where());
        QVERIFY2(list->currentText() == m.field, where());
        QVERIFY2(button("hidari")->isEnabled() == m.hidari && button("migi")->isEnabled() == m.migi, where());
        QVERIFY2(list->isEnabled() == m.keturon, where());
        QVERIFY2(button("sankaku")->isEnabled() == m.sankakuOn, where());
        QVERIFY2(button("henkaku")->isEnabled() == m.henkakuOn, where());
        QVERIFY2(button("godo")->isEnabled() == m.godoOn, where());
        QVERIFY2(!form.findChild<QMessageBox*>(), where());
    }
}

GODO_TEST_MAIN_WITHOUT_PRINTER(TestSoak)
#include "tst_soak.moc"
