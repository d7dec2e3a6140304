// The window for a pupil who uses a screen reader or only the keyboard: the
// accessible names of the controls, the spoken description of the figure,
// and the lesson reached and worked with Tab, Space and Alt+Down alone.

#include "form1_driver.h"

#include "desktop/gamen.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QPushButton>
#include <QSet>
#include <QTest>

using namespace godo;
using namespace Qt::StringLiterals;
using namespace godo::test;

namespace {

QString accessibleText(QWidget* w, QAccessible::Text kind)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
    return iface ? iface->text(kind) : QStringLiteral("<no accessible interface>");
}

// Every control that can take the keyboard focus, in no particular order.
const QStringList kFocusable = {"gamen", "hidari",  "migi", "saisyo",  "owari",   "katei",
                                "sankaku", "henkaku", "godo", "keturon", "Command1"};

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    void names_data();
    void names();
    void list_labelledByItsHeading();
    void heading_labelsItsControls_data();
    void heading_labelsItsControls();
    void picture_description_data();
    void picture_description();
    void picture_descriptionFollowsTheLesson();
    void tab_reachesEveryEnabledControl_data();
    void tab_reachesEveryEnabledControl();
    void space_usesButton_data();
    void space_usesButton();
    void altDown_opensList();
};

void TestAccessibility::names_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("accessibleName");
    QTest::addColumn<QAccessible::Role>("role");
    // A window, which the desktop's screen reader calls a frame, named by its caption.
    QTest::newRow("Form1") << "Form1" << QStringLiteral(u"三角形の合同条件の使い方(q.Sorano)")
                           << QAccessible::Window;
    QTest::newRow("Command1") << "Command1" << QStringLiteral(u"印刷") << QAccessible::Button;
    QTest::newRow("godo") << "godo" << QStringLiteral(u"合同条件") << QAccessible::Button;
    QTest::newRow("henkaku") << "henkaku" << QStringLiteral(u"等しい辺・角") << QAccessible::Button;
    QTest::newRow("sankaku") << "sankaku" << QStringLiteral(u"注目する三角形") << QAccessible::Button;
    QTest::newRow("katei") << "katei" << QStringLiteral(u"仮定") << QAccessible::Button;
    QTest::newRow("owari") << "owari" << QStringLiteral(u"終了") << QAccessible::Button;
    QTest::newRow("saisyo") << "saisyo" << QStringLiteral(u"最初") << QAccessible::Button;
    QTest::newRow("migi") << "migi" << QStringLiteral(u"右回転") << QAccessible::Button;
    QTest::newRow("hidari") << "hidari" << QStringLiteral(u"左回転") << QAccessible::Button;
    // The turning buttons' group takes its name from the label above it.
    QTest::newRow("kaiten") << "kaiten" << QStringLiteral(u"直線ｎの移動") << QAccessible::Grouping;
    // The list is spoken by what its field shows.
    QTest::newRow("keturon") << "keturon" << QStringLiteral(u"　　　　結論") << QAccessible::ComboBox;
    QTest::newRow("gamen") << "gamen" << QStringLiteral(u"図形") << QAccessible::Graphic;
}

void TestAccessibility::names()
{
    QFETCH(QString, name);
    QFETCH(QString, accessibleName);
    QFETCH(QAccessible::Role, role);
    Form1Driver d;
    QWidget* w = name == "Form1" ? &d.form() : d.control(name);
    QCOMPARE(accessibleText(w, QAccessible::Name), accessibleName);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
    QVERIFY(iface);
    QCOMPARE(iface->role(), role);
}

void TestAccessibility::list_labelledByItsHeading()
{
    Form1Driver d;
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(d.list());
    QVERIFY(list);
    const auto labels = list->relations(QAccessible::Label);
    QCOMPARE(labels.size(), 1);
    QCOMPARE(labels.first().first->text(QAccessible::Name), QStringLiteral(u"証明の進め方"));

    QVERIFY(d.run({"katei", "migi", "pick:3"}));
    QCOMPARE(list->text(QAccessible::Name), QStringLiteral(u"ＰＭ＝ＱＭ"));
}

void TestAccessibility::heading_labelsItsControls_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("labelled");
    QTest::addColumn<QStringList>("buttons"); // the push buttons inside what it labels
    QTest::newRow("直線ｎの移動") << "Label3" << "kaiten" << QStringList{u"右回転"_s, u"左回転"_s};
    QTest::newRow("証明の進め方") << "Label1" << "keturon" << QStringList{};
}

void TestAccessibility::heading_labelsItsControls()
{
    QFETCH(QString, label);
    QFETCH(QString, labelled);
    QFETCH(QStringList, buttons);
    Form1Driver d;
    QAccessibleInterface* heading = QAccessible::queryAccessibleInterface(d.control(label));
    QAccessibleInterface* target = QAccessible::queryAccessibleInterface(d.control(labelled));
    QVERIFY(heading && target);

    const auto labelFor = heading->relations(QAccessible::Labelled);
    QCOMPARE(labelFor.size(), 1);
    QCOMPARE(labelFor.first().first->object(), target->object());
    const auto labelledBy = target->relations(QAccessible::Label);
    QCOMPARE(labelledBy.size(), 1);
    QCOMPARE(labelledBy.first().first->object(), heading->object());

    QStringList inside;
    for (int i = 0; i < target->childCount(); ++i) {
        if (target->child(i)->role() == QAccessible::Button)
            inside << target->child(i)->text(QAccessible::Name);
    }
    inside.sort();
    buttons.sort();
    QCOMPARE(inside, buttons);
}

void TestAccessibility::picture_description_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("mentions");
    QTest::addColumn<QStringList>("absent");

    const QStringList off = {QStringLiteral(u"仮定の印：なし"), QStringLiteral(u"結論：なし"),
                             QStringLiteral(u"注目する三角形：なし"),
                             QStringLiteral(u"等しい角の印：なし"), QStringLiteral(u"合同条件：なし")};
    QTest::newRow("after load") << QStringList{} << off + QStringList{QStringLiteral(u"35度")}
                                << QStringList{QStringLiteral(u"表示")};
    QTest::newRow("仮定")
        << QStringList{"katei"}
        << QStringList{QStringLiteral(u"35度"), QStringLiteral(u"仮定の印：表示"),
                       QStringLiteral(u"結論：なし")}
        << QStringList{QStringLiteral(u"仮定の印：なし")};
    QTest::newRow("右回転 x4")
        << QStringList{"katei", "migi*4"} << QStringList{QStringLiteral(u"55度")}
        << QStringList{QStringLiteral(u"35度")};
    QTest::newRow("ＰＭ＝ＱＭ chosen")
        << QStringList{"katei", "migi*4", "pick:3"}
        << QStringList{QStringLiteral(u"55度"), QStringLiteral(u"結論：ＰＭ＝ＱＭ")}
        << QStringList{QStringLiteral(u"結論：なし")};
    QTest::newRow("every overlay on")
        << QStringList{"katei", "migi*4", "pick:4", "sankaku", "henkaku", "godo"}
        << QStringList{QStringLiteral(u"仮定の印：表示"), QStringLiteral(u"結論：∠APM＝∠BQM"),
                       QStringLiteral(u"注目する三角形：表示"),
                       QStringLiteral(u"等しい角の印：表示"), QStringLiteral(u"合同条件：表示")}
        << QStringList{QStringLiteral(u"：なし")};
    QTest::newRow("overlays off again")
        << QStringList{"katei", "migi*4", "pick:2", "sankaku", "henkaku", "godo", "katei",
                       "sankaku", "henkaku", "godo", "pick:1"}
        << off << QStringList{QStringLiteral(u"表示")};
    // Parallel to ｌ and ｍ there is no Ｐ or Ｑ, and nothing drawn on them.
    QTest::newRow("at 0 degrees")
        << QStringList{"katei", "hidari*7", "down", "sankaku", "henkaku"}
        << QStringList{QStringLiteral(u"（0度）"), QStringLiteral(u"仮定の印：表示"),
                       QStringLiteral(u"結論：なし"), QStringLiteral(u"注目する三角形：なし"),
                       QStringLiteral(u"等しい角の印：なし")}
        << QStringList{QStringLiteral(u"交点Ｐ、ｍとの交点Ｑ")};
}

void TestAccessibility::picture_description()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, mentions);
    QFETCH(QStringList, absent);
    Form1Driver d;
    QVERIFY(d.run(steps));
    const QString text = accessibleText(d.control("gamen"), QAccessible::Description);
    for (const QString& m : mentions)
        QVERIFY2(text.contains(m), qPrintable(m + " not in " + text));
    for (const QString& a : absent)
        QVERIFY2(!text.contains(a), qPrintable(a + " in " + text));
}

void TestAccessibility::picture_descriptionFollowsTheLesson()
{
    Form1Driver d;
    QWidget* picture = d.control("gamen");
    QString previous = accessibleText(picture, QAccessible::Description);
    QVERIFY(!previous.isEmpty());
    for (const QString step : {"katei", "migi", "hidari", "pick:2", "pick:4", "sankaku",
                               "henkaku", "godo", "saisyo"}) {
        QVERIFY(d.run({step}));
        const QString now = accessibleText(picture, QAccessible::Description);
        QVERIFY2(now != previous, qPrintable(step));
        previous = now;
    }
}

void TestAccessibility::tab_reachesEveryEnabledControl_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("reachable");
    QTest::newRow("after load")
        << QStringList{} << QStringList{"gamen", "saisyo", "owari", "katei", "Command1"};
    QTest::newRow("after 仮定") << QStringList{"katei"}
                              << QStringList{"gamen", "hidari", "migi", "saisyo", "owari",
                                             "katei", "Command1"};
    QTest::newRow("after turning")
        << QStringList{"katei", "migi"}
        << QStringList{"gamen", "hidari", "migi", "saisyo", "owari", "katei", "keturon",
                       "Command1"};
    QTest::newRow("after a conclusion")
        << QStringList{"katei", "migi", "down"}
        << QStringList{"gamen", "hidari", "migi", "saisyo", "owari", "katei", "sankaku",
                       "keturon", "Command1"};
    QTest::newRow("everything unlocked")
        << QStringList{"katei", "migi", "down", "sankaku", "henkaku"} << kFocusable;
    QTest::newRow("conclusion taken back")
        << QStringList{"katei", "migi", "down", "sankaku", "henkaku", "up"}
        << QStringList{"gamen", "hidari", "migi", "saisyo", "owari", "katei", "henkaku", "godo",
                       "keturon", "Command1"};
}

void TestAccessibility::tab_reachesEveryEnabledControl()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, reachable);
    Form1Driver d;
    QVERIFY(d.run(steps));
    // Every enabled control of the lesson is in the expected set, and nothing else.
    for (const QString& name : kFocusable)
        QCOMPARE(d.control(name)->isEnabled(), reachable.contains(name));

    d.control("gamen")->setFocus(Qt::OtherFocusReason);
    QSet<QString> seen;
    for (int i = 0; i < kFocusable.size() + 2; ++i) {
        QVERIFY(d.keyOnFocus(Qt::Key_Tab));
        seen.insert(d.focusedControl());
    }
    QCOMPARE(seen, QSet<QString>(reachable.begin(), reachable.end()));
}

void TestAccessibility::space_usesButton_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("kakudo");
    QTest::addColumn<QString>("switches"); // fKatei fSankaku fHenkaku fGodo
    QTest::addColumn<QString>("flags");

    QTest::newRow("仮定") << QStringList{} << "katei" << 35 << "1000" << "1110000";
    QTest::newRow("左回転") << QStringList{"katei"} << "hidari" << 30 << "1000" << "1111000";
    QTest::newRow("右回転") << QStringList{"katei"} << "migi" << 40 << "1000" << "1111000";
    QTest::newRow("注目する三角形") << QStringList{"katei", "migi", "down"} << "sankaku" << 40
                             << "1100" << "1111110";
    QTest::newRow("等しい辺・角") << QStringList{"katei", "migi", "down", "sankaku"} << "henkaku"
                            << 40 << "1110" << "1111111";
    QTest::newRow("合同条件") << QStringList{"katei", "migi", "down", "sankaku", "henkaku"}
                          << "godo" << 40 << "1111" << "1111111";
    QTest::newRow("最初") << QStringList{"katei", "migi", "down", "sankaku"} << "saisyo" << 35
                        << "0000" << "1000000";
}

void TestAccessibility::space_usesButton()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, button);
    QFETCH(int, kakudo);
    QFETCH(QString, switches);
    QFETCH(QString, flags);
    Form1Driver d;
    QVERIFY(d.run(steps));
    QPushButton* b = d.button(button);
    QVERIFY(b);
    b->setFocus(Qt::TabFocusReason);
    QTest::keyClick(b, Qt::Key_Space);
    const FigureState& s = d.state();
    QCOMPARE(int(s.kakudo), kakudo);
    QCOMPARE(QStringLiteral("%1%2%3%4").arg(s.fKatei).arg(s.fSankaku).arg(s.fHenkaku).arg(s.fGodo),
             switches);
    QCOMPARE(d.enabledFlags(), flags);
}

void TestAccessibility::altDown_opensList()
{
    Form1Driver d;
    QVERIFY(d.run({"katei", "migi"}));
    QComboBox* box = d.list();
    box->setFocus(Qt::TabFocusReason);
    QVERIFY(d.keyOnList(Qt::Key_Down, Qt::AltModifier));
    QAbstractItemView* view = box->view();
    QTRY_VERIFY(view->isVisible());
    // Opening the list chooses nothing yet.
    QCOMPARE(d.state().nKeturon, 0);

    QTest::keyClick(view, Qt::Key_Down);
    QTest::keyClick(view, Qt::Key_Down);
    QTest::keyClick(view, Qt::Key_Return);
    QTRY_VERIFY(!view->isVisible());
    QCOMPARE(d.state().nKeturon, 2);
    QCOMPARE(box->currentText(), QStringLiteral(u"ＰＭ＝ＱＭ"));
    QCOMPARE(d.enabledFlags(), QStringLiteral("1111100"));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
