// At 200 % scaling the figure is drawn at the screen's full resolution, not
// drawn at half size and blown up.

#include "colour_tolerance.h"
#include "qt_colours.h"
#include "desktop/figure_painter.h"
#include "desktop/lesson_window.h"
#include "desktop/gamen.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

using namespace godo;
using godo::test::withinTolerance;

namespace {

const QRgb kWhite = test::qt::kWhite.rgb();
const QRgb kCyan = test::qt::kCyan.rgb();

} // namespace

class TestHighDpi : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void windowHasDoubleSize();
    void figureIsBlittedUnscaled();
    void linesAreSixDevicePixelsThick();
    void textHasDevicePixelDetail();

private:
    std::unique_ptr<LessonWindow> form_;
    QImage figure_; // the picture area's image, device pixels
};

void TestHighDpi::initTestCase()
{
    QCOMPARE(qApp->devicePixelRatio(), 2.0);
    form_ = std::make_unique<LessonWindow>();
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    // Everything on, so that the sentence is there to look at.
    for (const char* name : {"katei", "migi"})
        QTest::mouseClick(form_->findChild<QPushButton*>(QString::fromLatin1(name)), Qt::LeftButton);
    QTest::keyClick(form_->findChild<QWidget*>(QStringLiteral("keturon")), Qt::Key_Down);
    for (const char* name : {"sankaku", "henkaku", "godo"})
        QTest::mouseClick(form_->findChild<QPushButton*>(QString::fromLatin1(name)), Qt::LeftButton);
    QCOMPARE(form_->state().fGodo, 1);
    figure_ = form_->picture().image();
}

void TestHighDpi::windowHasDoubleSize()
{
    const QPixmap shot = form_->grab();
    QCOMPARE(shot.devicePixelRatio(), 2.0);
    QCOMPARE(shot.size(), QSize(1492, 1048));
}

void TestHighDpi::figureIsBlittedUnscaled()
{
    QCOMPARE(figure_.devicePixelRatio(), 2.0);
    QCOMPARE(figure_.size(), QSize(2 * (587 - 2 * Gamen::border()), 2 * (499 - 2 * Gamen::border())));

    // What the window shows inside the frame is the image, pixel for pixel.
    const QImage shot = form_->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QPoint inside = 2 * (form_->picture().geometry().topLeft() + QPoint(Gamen::border(), Gamen::border()));
    const QImage shown = shot.copy(QRect(inside, figure_.size()));
    QCOMPARE(shown.convertToFormat(QImage::Format_RGB32),
             figure_.convertToFormat(QImage::Format_RGB32));
}

void TestHighDpi::linesAreSixDevicePixelsThick()
{
    // Line ｌ at y = 2000 twips, looked at where nothing else crosses it.
    const int x = 2 * (500 / 15) + 1;
    const int centre = 2 * 2000 / 15;
    int solid = 0, blended = 0;
    for (int y = centre - 8; y <= centre + 8; ++y) {
        const QRgb p = figure_.pixel(x, y);
        if (withinTolerance(p, kWhite, 3))
            ++solid;
        else if (!withinTolerance(p, kCyan, 3))
            ++blended;
    }
    QVERIFY2(solid >= 5 && solid <= 6, qPrintable(QString::number(solid)));
    QVERIFY2(blended <= 2, qPrintable(QString::number(blended)));
}

void TestHighDpi::textHasDevicePixelDetail()
{
    // In the sentence below ｍ, a glyph edge drawn at full resolution puts
    // white and cyan into the same 2 × 2 block of device pixels; an image drawn
    // at half size and scaled up never does.
    const QRect band(2 * 2000 / 15, 2 * 6700 / 15, 2 * 250, 2 * 30);
    int sharpBlocks = 0;
    for (int y = band.top(); y < band.bottom(); y += 2) {
        for (int x = band.left(); x < band.right(); x += 2) {
            bool white = false, cyan = false;
            for (const QPoint d : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)}) {
                const QRgb p = figure_.pixel(x + d.x(), y + d.y());
                white = white || withinTolerance(p, kWhite, 40);
                cyan = cyan || withinTolerance(p, kCyan, 30);
            }
            sharpBlocks += white && cyan;
        }
    }
    QVERIFY2(sharpBlocks > 50, qPrintable(QString::number(sharpBlocks)));
}

int main(int argc, char** argv)
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestHighDpi t;
    return QTest::qExec(&t, argc, argv);
}
#include "tst_high_dpi.moc"
