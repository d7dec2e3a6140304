// The factor of the large view: the largest quarter step at which the window,
// frame included, fits into the screen's free area, and never below 1.

#include "desktop/projector.h"
#include "lesson/layout.h"

#include <QGuiApplication>
#include <QTest>

using namespace godo;

class TestProjectorScale : public QObject {
    Q_OBJECT
private slots:
    void clientSizeIsTheLayouts();
    void scale_data();
    void scale();
    void frameOffscreenIsNone();
};

void TestProjectorScale::clientSizeIsTheLayouts()
{
    const WindowLayout& w = windowLayout();
    QCOMPARE(lessonClientSize(), QSize(twipsToPixels(w.width), twipsToPixels(w.height)));
}

void TestProjectorScale::scale_data()
{
    QTest::addColumn<QSize>("available");
    QTest::addColumn<QMargins>("frame");
    QTest::addColumn<double>("expected");

    const QMargins none;
    const QMargins titleBar(4, 28, 4, 4);
    const QMargins tallTitleBar(0, 37, 0, 0);
    // The 1920 × 1080 screen: without a window manager the window is 1492 ×
    // 1048 at 2; a 28-px title bar and 4-px border still leave exactly 1048.
    QTest::newRow("1920x1080, no panel, no frame") << QSize(1920, 1080) << none << 2.0;
    QTest::newRow("1920x1080, no panel, frame that leaves exactly 1048") << QSize(1920, 1080) << titleBar << 2.0;
    QTest::newRow("1920x1080, no panel, 37-px title bar") << QSize(1920, 1080) << tallTitleBar << 1.75;
    QTest::newRow("1920x1080, 40-px panel, frame") << QSize(1920, 1040) << titleBar << 1.75;
    QTest::newRow("1920x1080, allowance for the unknown") << QSize(1920, 1080) << kFrameAllowance << 1.75;
    QTest::newRow("1366x768, no frame") << QSize(1366, 768) << none << 1.25;
    QTest::newRow("1366x768, panel and frame") << QSize(1366, 740) << titleBar << 1.25;
    QTest::newRow("1280x800, no frame") << QSize(1280, 800) << none << 1.5;
    QTest::newRow("1280x800, panel and frame") << QSize(1280, 772) << titleBar << 1.25;
    QTest::newRow("3840x2160, no frame") << QSize(3840, 2160) << none << 4.0;
    QTest::newRow("3840x2160, panel and frame") << QSize(3840, 2112) << QMargins(8, 56, 8, 8) << 3.75;
    QTest::newRow("1024x768, no frame: the width decides") << QSize(1024, 768) << none << 1.25;
    QTest::newRow("800x600: 1") << QSize(800, 600) << none << 1.0;
    QTest::newRow("640x480, smaller than the window: still 1") << QSize(640, 480) << none << 1.0;
    QTest::newRow("portrait 1080x1920") << QSize(1080, 1920) << none << 1.25;
    // 746 × 1.25 = 932.5, which Qt rounds up to 933.
    QTest::newRow("933x655: just 1.25") << QSize(933, 655) << none << 1.25;
    QTest::newRow("932x655: half a pixel short of 1.25") << QSize(932, 655) << none << 1.0;
    QTest::newRow("1492x1048: just 2") << QSize(1492, 1048) << none << 2.0;
    QTest::newRow("1492x1047: a pixel short of 2") << QSize(1492, 1047) << none << 1.75;
    QTest::newRow("1500x1048, frame one pixel too wide for 2") << QSize(1500, 1048) << QMargins(4, 0, 5, 0) << 1.75;
}

void TestProjectorScale::scale()
{
    QFETCH(QSize, available);
    QFETCH(QMargins, frame);
    QFETCH(double, expected);
    QCOMPARE(projectorScale(available, lessonClientSize(), frame), expected);
}

void TestProjectorScale::frameOffscreenIsNone()
{
    // Nothing frames a window on the offscreen platform, and nothing is asked.
    const WindowFrame frame = windowFrame(100);
    QCOMPARE(frame.source, FrameSource::NoWindowManager);
    QCOMPARE(frame.margins, QMargins());
}

QTEST_MAIN(TestProjectorScale)
#include "tst_projector_scale.moc"
