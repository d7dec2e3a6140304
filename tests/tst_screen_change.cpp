// A window moved to a screen of another scale shows the figure rendered anew
// at that screen's device pixel ratio, without a click: crisp, not the old
// image blown up or shrunk. Two offscreen screens, at ratio 1 and 2.

#include "desktop/gamen.h"
#include "desktop/lesson_window.h"

#include <QApplication>
#include <QScreen>
#include <QTemporaryFile>
#include <QTest>
#include <QWindow>

using namespace godo;

class TestScreenChange : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void movedToAnotherScale_rendersTheFigureAtIt_data();
    void movedToAnotherScale_rendersTheFigureAtIt();
};

void TestScreenChange::initTestCase()
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    QCOMPARE(screens.size(), 2);
    QCOMPARE(screens[0]->devicePixelRatio(), 1.0);
    QCOMPARE(screens[1]->devicePixelRatio(), 2.0);
}

void TestScreenChange::movedToAnotherScale_rendersTheFigureAtIt_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::newRow("100 % to 200 %") << 0 << 1;
    QTest::newRow("200 % to 100 %") << 1 << 0;
}

void TestScreenChange::movedToAnotherScale_rendersTheFigureAtIt()
{
    QFETCH(int, from);
    QFETCH(int, to);
    const QList<QScreen*> screens = QGuiApplication::screens();
    LessonWindow form;
    form.move(screens[from]->geometry().topLeft() + QPoint(20, 20));
    form.setScreen(screens[from]);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const Gamen& gamen = form.picture();
    QTRY_COMPARE(gamen.image().devicePixelRatio(), screens[from]->devicePixelRatio());
    const int renderings = gamen.renderings();

    form.windowHandle()->setScreen(screens[to]);
    form.move(screens[to]->geometry().topLeft() + QPoint(20, 20));

    // Rendered again by the repaint that the move brings, not by asking.
    QTRY_VERIFY(gamen.renderings() > renderings);
    const qreal ratio = screens[to]->devicePixelRatio();
    const QImage figure = gamen.image();
    QCOMPARE(gamen.renderings(), renderings + 1);
    QCOMPARE(figure.devicePixelRatio(), ratio);
    QCOMPARE(figure.size(), gamen.figureSize() * ratio);
    QCOMPARE(figure, renderFigure(gamen.list().ops(), gamen.figureSize(), ratio, gamen.font()));

    // What the window shows inside the frame is that image, pixel for pixel.
    const QImage shot = form.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shot.devicePixelRatio(), ratio);
    const QPoint inside = (gamen.geometry().topLeft() + QPoint(Gamen::border(), Gamen::border())) * ratio;
    QCOMPARE(shot.copy(QRect(inside, figure.size())), figure.convertToFormat(QImage::Format_RGB32));
}

int main(int argc, char** argv)
{
    // Screens side by side; the second has twice the device pixels.
    QTemporaryFile config(QDir::tempPath() + QStringLiteral("/godo-screens-XXXXXX.json"));
    if (!config.open())
        return 1;
    config.write(R"({"screens": [
        {"name": "one", "x": 0, "y": 0, "width": 1024, "height": 768, "logicalDpi": 96, "logicalBaseDpi": 96},
        {"name": "two", "x": 1024, "y": 0, "width": 1024, "height": 768, "logicalDpi": 96, "logicalBaseDpi": 96}
    ]})");
    config.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config.fileName()));
    // The scale comes from Qt's own high-DPI scaling, as on X11, where the
    // screen does not scale by itself: the offscreen screen's "dpr" reaches
    // its windows in Qt 6.4 but not in Qt 6.8, whose offscreen windows keep
    // the ratio 1 on any screen.
    qputenv("QT_SCREEN_SCALE_FACTORS", "one=1;two=2");
    QApplication app(argc, argv);
    TestScreenChange t;
    return QTest::qExec(&t, argc, argv);
}
#include "tst_screen_change.moc"
