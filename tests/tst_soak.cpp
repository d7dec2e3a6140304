// The random walk of the soak through the real window: clicks on all
// thirteen widgets, enabled or not, the closed list's keys, text typed into
// its field, Enter and leaving the field, checked after every event against
// the walk's model. The window's code itself takes a million events in the
// core's soak; this one makes sure the widgets pass on exactly what they
// should.

#include "without_printer.h"

#include "desktop/lesson_window.h"
#include "core/soak_walk.h"

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

using godo::test::SoakModel;
using godo::test::SoakWalk;
using namespace godo::test; // the events

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
    SoakWalk walk;
    const int events = SoakWalk::events(10000);
    qInfo("soak: seed %llu, %d events", static_cast<unsigned long long>(walk.seed()), events);

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

    SoakModel m;
    for (int i = 0; i < events; ++i) {
        const SoakEvent event = walk.next();
        static constexpr const char* kButtons[] = {"katei", "hidari", "migi", "sankaku", "henkaku", "godo", "saisyo"};
        switch (event) {
        case ClickKatei:
        case ClickHidari:
        case ClickMigi:
        case ClickSankaku:
        case ClickHenkaku:
        case ClickGodo:
        case ClickSaisyo:
            QTest::mouseClick(button(kButtons[event]), Qt::LeftButton);
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
            QTest::mouseClick(gamen, Qt::LeftButton, {}, QPoint(1 + walk.pick(580), 1 + walk.pick(490)));
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
            break;
        }
        case TypeText:
        case TypeAndEnter:
        case TypeAndLeave: {
            if (!m.keturon)
                break; // a disabled field takes no text
            const std::u16string text = walk.typed();
            list->setFocus();
            list->lineEdit()->selectAll();
            // Japanese text arrives from the input method as a committed string.
            QInputMethodEvent typed;
            typed.setCommitString(QString::fromStdU16String(text));
            QCoreApplication::sendEvent(list->lineEdit(), &typed);
            if (event == TypeAndEnter)
                QTest::keyClick(list, Qt::Key_Return);
            if (event == TypeAndLeave)
                button("katei")->setFocus();
            m.field = text;
            break;
        }
        case TurnRun:
        case SoakEventCount:
            break;
        }
        applyClick(m, event);

        const FigureState& s = form.state();
        const auto where = [&] { return qPrintable(QStringLiteral("event %1 (%2)").arg(i).arg(int(event))); };
        QVERIFY2(s.kakudo == m.angle, where());
        QVERIFY2(s.kakudo % 5 == 0 && s.kakudo >= 0 && s.kakudo <= 170, where());
        QVERIFY2(s.fKatei == m.katei && s.fSankaku == m.sankaku, where());
        QVERIFY2(s.fHenkaku == m.henkaku && s.fGodo == m.godo, where());
        QVERIFY2(s.nKeturon == m.conclusion, where());
        QVERIFY2(list->currentText() == QString::fromStdU16String(m.field), where());
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
