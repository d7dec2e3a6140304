// The picture area's drawing operations replayed onto a QPainter: what the
// redraw leaves in the pixels of the screen's image with the window's
// settings, the fill rules of circles, text in the erase pen, the image at
// device pixel ratio 2, and the same figure painted at another resolution;
// the figure taken out as a 300-dpi image and as a PDF.

#include "desktop/figure_painter.h"
#include "qt_colours.h"
#include "desktop/fonts.h"
#include "desktop/figure_export.h"
#include "desktop/gamen.h"
#include "lesson/layout.h"

#include <QRegularExpression>
#include <QFile>
#include <QFontInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QPainter>
#include <QTest>

using namespace godo;
using namespace Qt::StringLiterals;
using namespace godo::test::qt;

namespace {

// The inside of the picture area: 8805 x 7485 twips less a 2-px border.
const QSize kArea(583, 495);


// The list of drawing operations with the settings the window's load step
// gives it, and its rendering for the screen.
struct Picture {
    DisplayList surface;
    FigureState s;
    qreal dpr;
    QFont font = japaneseFont(15, false);

    explicit Picture(qreal ratio = 1.0) : dpr(ratio)
    {
        applyLoadSettings(surface);
        s.reset();
    }

    void draw(int16_t pen) { Figure(surface, s).zukei(pen); }

    // A red circle of radius 600 twips around the middle of a white line,
    // on a cleared area.
    void circleOverLine(FillStyle fill)
    {
        surface.clear();
        surface.line(1000, 3000, 5000, 3000, qbColor(15));
        surface.setFillStyle(fill);
        surface.setFillColor(qbColor(12));
        surface.circle(3000, 3000, 600, qbColor(12));
    }
    // Rendered again when the list has changed since.
    const QImage& image() const
    {
        if (renderedGeneration != surface.generation() || renderedOps != surface.ops().size()) {
            rendered = renderFigure(surface.ops(), kArea, dpr, font);
            renderedGeneration = surface.generation();
            renderedOps = surface.ops().size();
        }
        return rendered;
    }
    mutable QImage rendered;
    mutable unsigned renderedGeneration = ~0u;
    mutable std::size_t renderedOps = 0;

    // The device pixel under a point given in twips.
    QPoint pixel(double x, double y) const
    {
        const qreal scale = image().devicePixelRatio() / 15.0;
        return {int(std::floor(x * scale)), int(std::floor(y * scale))};
    }

    // Whether colour c is found within `reach` device pixels of the point:
    // antialiasing may blend the pixel right under it.
    bool near(double x, double y, const QColor& c, int reach = 1) const
    {
        const QPoint at = pixel(x, y);
        for (int dy = -reach; dy <= reach; ++dy)
            for (int dx = -reach; dx <= reach; ++dx) {
                const QPoint q = at + QPoint(dx, dy);
                if (image().rect().contains(q) && image().pixelColor(q) == c)
                    return true;
            }
        return false;
    }

    int count(const QRect& box, const QColor& c) const
    {
        int n = 0;
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x)
                if (image().rect().contains(x, y) && image().pixelColor(x, y) == c)
                    ++n;
        return n;
    }
};

// Where the text ｎ is printed at 35 degrees, and room for its glyph (15 pt
// is 20 px at 96 dpi).
QRect labelNBox(const Picture& p)
{
    return QRect(p.pixel(1177.36, 1363.08) - QPoint(2, 2), QSize(26, 28));
}

QString describe(const QColor& c) { return c.name(); }

// A picture area as the window has it, its figure drawn at the end of the
// lesson in a scheme.
struct AreaAtTheEnd {
    Gamen area;
    FigureState s;

    explicit AreaAtTheEnd(const ColourScheme& scheme = colourScheme(ColourSchemeId::Standard))
        : area(QSize(figureArea().width, figureArea().height) / kTwipsPerPixel + 2 * QSize(Gamen::border(), Gamen::border()),
               japaneseFont(15, false), nullptr)
    {
        applyLoadSettings(area.list(), scheme);
        s.reset();
        test::everyOverlayOn(s, 1);
        Figure(area.list(), s, scheme).zukei(15);
    }
};

// What a program of poppler-utils says about a PDF file.
QString poppler(const QString& program, const QStringList& arguments)
{
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(20000) || p.exitCode() != 0)
        return QStringLiteral("(%1 failed)").arg(program);
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

class TestFigurePainter : public QObject {
    Q_OBJECT
private slots:
    void drawPass_data();
    void drawPass();
    void drawPass_labelTexts();
    void erasePass_leavesOnlyLabelN();
    void overlays_data();
    void overlays();
    void circle_transparentLeavesInside();
    void circle_solidCoversInside();
    void text_inErasePenLeavesNoTrace();
    void ratio2_doublesTheImageAndTheLines();
    void scaledPainter_givesTheImageOfThatRatio_data();
    void scaledPainter_givesTheImageOfThatRatio();
    void text_keepsItsSizeOnADeviceOfAnotherResolution_data();
    void text_keepsItsSizeOnADeviceOfAnotherResolution();
    void exportedImage_at300Dpi();
    void exportedPdf_vectorsAndTextOnOnePage();
};

void TestFigurePainter::drawPass_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<int>("reach");
    QTest::newRow("background right of ＡＢ") << 8000.0 << 4000.0 << kCyan << 0;
    QTest::newRow("background left of ＡＢ") << 1000.0 << 4000.0 << kCyan << 0;
    QTest::newRow("background between ｌ and ｍ") << 2500.0 << 3000.0 << kCyan << 0;
    QTest::newRow("line ｌ") << 3000.0 << 2000.0 << kWhite << 1;
    QTest::newRow("line ｍ") << 5000.0 << 6000.0 << kWhite << 1;
    QTest::newRow("segment ＡＢ") << 5750.0 << 3000.0 << kWhite << 1;
    // 1500 twips from Ｍ each way along 35 degrees.
    QTest::newRow("line ｎ below Ｍ") << 5728.7 << 4860.4 << kRed << 1;
    QTest::newRow("line ｎ above Ｍ") << 3271.3 << 3139.6 << kRed << 1;
}

void TestFigurePainter::drawPass()
{
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(QColor, colour);
    QFETCH(int, reach);
    Picture p;
    p.draw(15);
    QVERIFY2(p.near(x, y, colour, reach),
             qPrintable(describe(p.image().pixelColor(p.pixel(x, y)))));
}

void TestFigurePainter::drawPass_labelTexts()
{
    Picture p;
    p.draw(15);
    // The proportional Japanese face, not the wider fixed-pitch fallback.
    QCOMPARE(QFontInfo(p.font).family(), u"IPAPGothic"_s);
    QVERIFY(p.count(labelNBox(p), kWhite) >= 5);
    // Ａ, printed at (6900, 1700), above line ｌ.
    const QRect a(p.pixel(6900, 1700), QSize(20, 15));
    QVERIFY(p.count(a, kWhite) >= 5);
}

void TestFigurePainter::erasePass_leavesOnlyLabelN()
{
    Picture p;
    test::everyOverlayOn(p.s, 3);
    p.draw(15);
    p.draw(3);
    const QRect label = labelNBox(p);
    int stray = 0;
    QPoint first;
    for (int y = 0; y < p.image().height(); ++y)
        for (int x = 0; x < p.image().width(); ++x)
            if (!label.contains(x, y) && p.image().pixelColor(x, y) != kCyan && stray++ == 0)
                first = QPoint(x, y);
    QVERIFY2(stray == 0, qPrintable(QString("%1 pixels not cyan, first at %2,%3")
                                        .arg(stray).arg(first.x()).arg(first.y())));
    QVERIFY(p.count(label, kWhite) >= 5);
}

void TestFigurePainter::overlays_data()
{
    QTest::addColumn<int>("kakudo");
    QTest::addColumn<int>("henkaku");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<int>("reach");
    // At 35 degrees Ｐ = (1647, 2000), Ｑ = (7353, 6000).
    QTest::newRow("35 ＡＰ") << 35 << 1 << 3000.0 << 2000.0 << kBlue << 1;
    QTest::newRow("35 ＡＰ near Ａ") << 35 << 1 << 6000.0 << 2000.0 << kBlue << 1;
    QTest::newRow("35 ＰＭ") << 35 << 1 << 3073.5 << 3000.0 << kBlue << 1;
    QTest::newRow("35 ＭＡ") << 35 << 1 << 6375.0 << 2500.0 << kBlue << 1;
    QTest::newRow("35 ＢＱ") << 35 << 1 << 3000.0 << 6000.0 << kGreen << 1;
    QTest::newRow("35 ＢＱ far") << 35 << 1 << 6000.0 << 6000.0 << kGreen << 1;
    QTest::newRow("35 ＱＭ") << 35 << 1 << 5926.5 << 5000.0 << kGreen << 1;
    QTest::newRow("35 ＭＢ") << 35 << 1 << 2625.0 << 5500.0 << kGreen << 1;
    QTest::newRow("35 tick over ＭＡ") << 35 << 1 << 5735.0 << 3000.0 << kYellow << 1;
    QTest::newRow("35 dot at Ａ") << 35 << 1 << 6850.0 << 2100.0 << kWhite << 0;
    QTest::newRow("35 dot at Ｂ") << 35 << 1 << 2150.0 << 5900.0 << kWhite << 0;
    QTest::newRow("35 dot at Ｐ") << 35 << 1 << 1966.8 << 2100.9 << kRed << 0;
    QTest::newRow("35 dot at Ｑ") << 35 << 1 << 7033.1 << 5899.6 << kRed << 0;
    // At 145 degrees Ｐ = (7353, 2000), Ｑ = (1647, 6000).
    QTest::newRow("145 ＡＰ") << 145 << 1 << 7120.0 << 2000.0 << kBlue << 1;
    QTest::newRow("145 ＰＭ") << 145 << 1 << 5926.5 << 3000.0 << kBlue << 1;
    QTest::newRow("145 ＭＡ") << 145 << 1 << 6375.0 << 2500.0 << kBlue << 1;
    QTest::newRow("145 ＢＱ") << 145 << 1 << 1720.0 << 6000.0 << kGreen << 1;
    QTest::newRow("145 ＱＭ") << 145 << 1 << 3073.5 << 5000.0 << kGreen << 1;
    QTest::newRow("145 ＭＢ") << 145 << 1 << 2625.0 << 5500.0 << kGreen << 1;
    QTest::newRow("145 dot at Ａ") << 145 << 1 << 7050.0 << 2100.0 << kWhite << 0;
    QTest::newRow("145 dot at Ｂ") << 145 << 1 << 1950.0 << 5900.0 << kWhite << 0;
    // The dots of the conclusion lie under those of the equal angles here;
    // without them they show.
    QTest::newRow("145 dot at Ｐ") << 145 << 0 << 7033.4 << 2101.4 << kRed << 0;
    QTest::newRow("145 dot at Ｑ") << 145 << 0 << 1966.6 << 5898.6 << kRed << 0;
}

void TestFigurePainter::overlays()
{
    QFETCH(int, kakudo);
    QFETCH(int, henkaku);
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(QColor, colour);
    QFETCH(int, reach);
    Picture p;
    p.s.kakudo = int16_t(kakudo);
    test::everyOverlayOn(p.s, 3);
    p.s.fHenkaku = int16_t(henkaku);
    p.draw(15);
    QVERIFY2(p.near(x, y, colour, reach),
             qPrintable(describe(p.image().pixelColor(p.pixel(x, y)))));
}

void TestFigurePainter::circle_transparentLeavesInside()
{
    Picture p;
    p.circleOverLine(FillStyle::Transparent);
    QVERIFY(p.near(3000, 3000, kWhite));        // the line inside
    QVERIFY(p.near(3000, 2600, kCyan, 0));      // the background inside
    QVERIFY(p.near(3000, 3600, kRed));          // the outline
}

void TestFigurePainter::circle_solidCoversInside()
{
    Picture p;
    p.circleOverLine(FillStyle::Solid);
    // A square well within the 40-px radius, corners included.
    const QRect inside(p.pixel(3000 - 400, 3000 - 400), p.pixel(3000 + 400, 3000 + 400));
    QCOMPARE(p.count(inside, kRed), inside.width() * inside.height());
    QVERIFY(p.near(1200, 3000, kWhite)); // the line outside stays
}

void TestFigurePainter::text_inErasePenLeavesNoTrace()
{
    Picture p;
    p.surface.clear();
    p.surface.setForeColor(qbColor(3));
    p.surface.setCurrentPoint(2000, 6700);
    p.surface.printText(u"1辺とその両端の角がそれぞれ等しい\uFF61 ");
    p.surface.setCurrentPoint(4500, 3000);
    p.surface.printText(u"ｌｍＭＡＢＰＱｎ");
    const QRect all = p.image().rect();
    QCOMPARE(p.count(all, kCyan), all.width() * all.height());
}

void TestFigurePainter::ratio2_doublesTheImageAndTheLines()
{
    Picture p(2.0);
    p.draw(15);
    QCOMPARE(p.image().size(), kArea * 2);
    QCOMPARE(p.image().devicePixelRatio(), 2.0);

    // Down a column through line ｌ, away from every other line.
    const QPoint centre = p.pixel(3000, 2000);
    int white = 0, above = 0, below = 0;
    for (int y = centre.y() - 12; y <= centre.y() + 12; ++y) {
        const QColor c = p.image().pixelColor(centre.x(), y);
        if (c == kWhite)
            ++white;
        else if (c != kCyan)
            ++(white == 0 ? above : below);
    }
    QVERIFY2(white >= 5 && white <= 7, qPrintable(QString::number(white)));
    QVERIFY2(above <= 1 && below <= 1, qPrintable(QString("%1 %2").arg(above).arg(below)));
}

// The operations painted by hand onto a plain image `scale` times the area's
// size, at `dpi`, through a painter scaled by `scale`.
QImage paintedAt(const DisplayList& list, const QFont& font, int scale, int dpi)
{
    QImage image(kArea * scale, QImage::Format_RGB32);
    const int dotsPerMeter = qRound(dpi / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(scale, scale);
    paintFigure(painter, list.ops(), font, kArea);
    return image;
}

void TestFigurePainter::scaledPainter_givesTheImageOfThatRatio_data()
{
    QTest::addColumn<int>("scale");
    QTest::newRow("2") << 2;
    QTest::newRow("3") << 3;
}

void TestFigurePainter::scaledPainter_givesTheImageOfThatRatio()
{
    // Painting at a resolution is one transform, whoever sets it: the
    // screen's ratio or the painter.
    QFETCH(int, scale);
    Picture p(scale);
    test::everyOverlayOn(p.s, 2);
    p.draw(15);
    QImage byHand = paintedAt(p.surface, p.font, scale, 96);
    byHand.setDevicePixelRatio(scale);
    QCOMPARE(byHand, p.image());
}

void TestFigurePainter::text_keepsItsSizeOnADeviceOfAnotherResolution_data()
{
    QTest::addColumn<int>("scale");
    QTest::newRow("192 dpi") << 2;
    QTest::newRow("288 dpi") << 3;
}

void TestFigurePainter::text_keepsItsSizeOnADeviceOfAnotherResolution()
{
    // On a device of higher resolution (a printer) 15 pt would come out in
    // that many more device pixels, and the painter's scale would enlarge it
    // again: the sentence must keep its place and size against the lines.
    QFETCH(int, scale);
    Picture p;
    p.surface.clear();
    p.surface.setForeColor(qbColor(15));
    p.surface.setCurrentPoint(2000, 6700);
    p.surface.printText(u"1辺とその両端の角がそれぞれ等しい\uFF61 ");
    const QImage atScreenDpi = paintedAt(p.surface, p.font, scale, 96);
    const QImage atDeviceDpi = paintedAt(p.surface, p.font, scale, 96 * scale);
    const auto whiteBox = [](const QImage& image) {
        QRect box;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) == kWhite)
                    box |= QRect(x, y, 1, 1);
        return box;
    };
    const QRect expected = whiteBox(atScreenDpi);
    const QRect box = whiteBox(atDeviceDpi);
    QVERIFY(expected.width() > 250 * scale); // the sentence is there
    QVERIFY2((box.topLeft() - expected.topLeft()).manhattanLength() <= 2 * scale,
             qPrintable(QString("%1,%2 against %3,%4").arg(box.x()).arg(box.y()).arg(expected.x()).arg(expected.y())));
    QVERIFY2(std::abs(box.width() - expected.width()) <= 2 * scale
                 && std::abs(box.height() - expected.height()) <= 2 * scale,
             qPrintable(QString("%1x%2 against %3x%4")
                            .arg(box.width())
                            .arg(box.height())
                            .arg(expected.width())
                            .arg(expected.height())));
}

// The image is the inside of the area at 300 dpi, in the scheme's colours at
// the places the figure's twips give: the background above ｌ, ｌ itself
// where nothing crosses it, and line ｎ a tenth of the way from its start.
void TestFigurePainter::exportedImage_at300Dpi()
{
    for (const ColourSchemeId id : {ColourSchemeId::Standard, ColourSchemeId::Paper}) {
        const ColourScheme& cs = colourScheme(id);
        const AreaAtTheEnd a(cs);
        const QImage image = figureImage(a.area);
        QCOMPARE(image.size(), QSize(figurePixels().width, figurePixels().height));
        QCOMPARE(image.dotsPerMeterX(), 11811);
        const auto at = [&](double x, double y) {
            return image.pixelColor(int(x * kFigureImageDpi / 1440), int(y * kFigureImageDpi / 1440));
        };
        QCOMPARE(at(300, 1000), qcolour(cs.pen(kBackground)));
        QCOMPARE(at(8000, 2000), qcolour(cs.pen(kBrightWhite)));
        const DrawOp n = godo::test::opsOf(a.area.list(), OpKind::Line).at(3);
        QCOMPARE(at(0.9 * n.at[0] + 0.1 * n.at[2], 0.9 * n.at[1] + 0.1 * n.at[3]), qcolour(cs.pen(kLightRed)));
    }
}

// The PDF is one page the size of the area (in whole points, as Qt sizes a
// page), its texts as text in an embedded face, and no image in it.
void TestFigurePainter::exportedPdf_vectorsAndTextOnOnePage()
{
    const AreaAtTheEnd a;
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("figure.pdf"));
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(figureFile(a.area, fontChoice(FontChoiceId::Standard), FigureFormat::Pdf));
    out.close();
    const QString text = poppler(QStringLiteral("pdftotext"), {file, QStringLiteral("-")});
    for (const QString& label : {u"Ａ"_s, u"Ｑ"_s, u"1辺とその両端の角がそれぞれ等しい"_s})
        QVERIFY2(text.contains(label), qPrintable(label + u" not in: "_s + text));
    // The header of the list, and no image below it.
    QCOMPARE(poppler(QStringLiteral("pdfimages"), {QStringLiteral("-list"), file}).count('\n'), 2);
    // One face, embedded ("yes" in the fifth column).
    QVERIFY(poppler(QStringLiteral("pdffonts"), {file}).contains(QRegularExpression(QStringLiteral("\n[^\n]* yes +\\w+ +yes[^\n]*\n$"))));
    const QString info = poppler(QStringLiteral("pdfinfo"), {file});
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages: +1\n"))), qPrintable(info));
    QVERIFY2(info.contains(QStringLiteral("%1 x %2 pts").arg(figureArea().width / 20).arg(figureArea().height / 20)), qPrintable(info));
}

QTEST_MAIN(TestFigurePainter)
#include "tst_figure_painter.moc"
