#include "desktop/figure_export.h"

#include "desktop/figure_painter.h"
#include "desktop/gamen.h"
#include "lesson/figure_svg.h"
#include "lesson/layout.h"

#include <QBuffer>
#include <QClipboard>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QMimeData>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace godo {

namespace {

constexpr qreal kScreenDpi = 96;
constexpr qreal kPointsPerInch = 72;
constexpr qreal kMetresPerInch = 0.0254;
// Units of the PDF's coordinates: it is vectors, so this only sets how
// finely they are placed.
constexpr int kPdfResolution = 1200;

// The baseline's depth below the top of a text's cell, in ems, of the face
// the figure is drawn in, measured as the figure's painter measures it.
double ascentInEms(const QFont& face)
{
    QFont font = face;
    const qreal points = 15;
    font.setPointSizeF(points);
    const QImage image(1, 1, QImage::Format_RGB32);
    const QFontMetricsF metrics(font, &image);
    return metrics.ascent() / (points * image.logicalDpiY() / kPointsPerInch);
}

QByteArray svg(const Gamen& picture, const FontChoice& choice)
{
    const SvgFont font{fontFamilies(choice), ascentInEms(picture.font())};
    const std::string doc = figureSvg(picture.list().ops(), figureArea(), font);
    return QByteArray(doc.data(), static_cast<qsizetype>(doc.size()));
}

QByteArray png(const Gamen& picture)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    figureImage(picture).save(&buffer, "PNG");
    return buffer.data();
}

QByteArray pdf(const Gamen& picture)
{
    const TwipsSize area = figureArea();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(kPdfResolution);
    writer.setCreator(QStringLiteral("godojoken"));
    // Qt gives a page whole points: the area's 437.25 x 371.25 become
    // 437 x 371, and the figure keeps its size, its last quarter point (5
    // twips) at the right and the bottom cut off, rather than leave a strip
    // of the page unpainted.
    const QSize points(area.width / kTwipsPerPoint, area.height / kTwipsPerPoint);
    if (!writer.setPageLayout(QPageLayout(QPageSize(points, QString(), QPageSize::ExactMatch), QPageLayout::Portrait,
                                          QMarginsF(), QPageLayout::Point)))
        return {};
    QPainter painter;
    if (!painter.begin(&writer))
        return {};
    // The figure's logical pixels onto the page's units; the painter replays
    // the operations as lines, circles and text.
    const QSizeF inside(qreal(area.width) / kTwipsPerPixel, qreal(area.height) / kTwipsPerPixel);
    painter.scale(kPdfResolution / kScreenDpi, kPdfResolution / kScreenDpi);
    painter.setClipRect(QRectF(QPointF(0, 0), inside));
    paintFigure(painter, picture.list().ops(), picture.font(), inside);
    if (!painter.end())
        return {};
    return buffer.data();
}

} // namespace

QImage figureImage(const Gamen& picture)
{
    const TwipsSize area = figureArea();
    const QSize inside(area.width / kTwipsPerPixel, area.height / kTwipsPerPixel);
    QImage image = renderFigure(picture.list().ops(), inside, kFigureImageDpi / kScreenDpi, picture.font());
    // An image of its own pixels, and a program that places it by its
    // resolution shows the figure at its size.
    image.setDevicePixelRatio(1);
    const int dotsPerMetre = qRound(kFigureImageDpi / kMetresPerInch);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    return image;
}

QByteArray figureFile(const Gamen& picture, const FontChoice& choice, FigureFormat format)
{
    switch (format) {
    case FigureFormat::Svg: return svg(picture, choice);
    case FigureFormat::Png: return png(picture);
    case FigureFormat::Pdf: return pdf(picture);
    }
    return {};
}

void copyFigure(const Gamen& picture, const FontChoice& choice)
{
    auto* data = new QMimeData;
    data->setImageData(figureImage(picture));
    const FigureFormatInfo& svgFormat = figureFormat(FigureFormat::Svg);
    data->setData(QString::fromLatin1(svgFormat.mimeType.data(), qsizetype(svgFormat.mimeType.size())),
                  svg(picture, choice));
    QGuiApplication::clipboard()->setMimeData(data);
}

bool saveFigure(const Gamen& picture, const FontChoice& choice, const QString& path, FigureFormat format)
{
    const QByteArray bytes = figureFile(picture, choice, format);
    if (bytes.isEmpty())
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // A write that fails makes the commit fail too, and the commit then
    // removes what was written.
    file.write(bytes);
    return file.commit();
}

} // namespace godo
