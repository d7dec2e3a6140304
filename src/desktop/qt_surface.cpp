#include "desktop/qt_surface.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QString>

#include <cmath>

namespace godo {

namespace {
QPointF toPixels(qreal x, qreal y)
{
    return {x / QtSurface::kTwipsPerPixel, y / QtSurface::kTwipsPerPixel};
}

// Qt fills an antialiased outline in bands of about 40 device rows and walks
// every edge of the outline, row by row, once per band, so a wide line that
// crosses many rows costs time in the square of its height: the line ｎ alone
// took a quarter of a millisecond. With its long edges cut into short
// collinear pieces, a band skips the pieces that lie outside it. The outline,
// the antialiasing, the width and the colour stay the same; where a cut point
// is rounded to Qt's 1/64-pixel grid an edge pixel may come out a few levels
// (of 255) lighter or darker. Lines within one band are drawn as before.
constexpr qreal kBandRows = 40;
constexpr qreal kPieceLength = 32; // device pixels

// The outline that Qt's own stroker makes for the line, with its straight
// edges cut into pieces of at most kPieceLength; the round caps are kept.
QPainterPath outlineInPieces(QPointF a, QPointF b, const QPen& pen, qreal devicePixelRatio)
{
    QPainterPathStroker stroker(pen);
    QPainterPath centre(a);
    centre.lineTo(b);
    const QPainterPath outline = stroker.createStroke(centre);

    const qreal maxLength = kPieceLength / devicePixelRatio;
    QPainterPath pieces;
    pieces.setFillRule(outline.fillRule());
    QPointF last;
    for (int i = 0; i < outline.elementCount(); ++i) {
        const QPainterPath::Element e = outline.elementAt(i);
        if (e.isMoveTo()) {
            pieces.moveTo(e);
            last = e;
        } else if (e.isLineTo()) {
            const QPointF to = e;
            const QPointF d = to - last;
            const int n = static_cast<int>(std::ceil(std::hypot(d.x(), d.y()) / maxLength));
            for (int k = 1; k < n; ++k)
                pieces.lineTo(last + d * (static_cast<qreal>(k) / n));
            pieces.lineTo(to);
            last = to;
        } else if (e.isCurveTo() && i + 2 < outline.elementCount()) {
            const QPointF c2 = outline.elementAt(i + 1);
            const QPointF to = outline.elementAt(i + 2);
            pieces.cubicTo(e, c2, to);
            last = to;
            i += 2;
        }
    }
    return pieces;
}
} // namespace

QColor toQColor(Rgb c) { return QColor(c.r, c.g, c.b); }

QtSurface::QtSurface(QSize size, qreal devicePixelRatio, const QFont& font)
    : image_(size * devicePixelRatio, QImage::Format_RGB32), font_(font)
{
    image_.setDevicePixelRatio(devicePixelRatio);
    image_.fill(back_);
}

void QtSurface::setBackColor(Rgb c) { back_ = toQColor(c); }
void QtSurface::setDrawWidth(int pixels) { drawWidth_ = pixels; }
void QtSurface::setFontSize(double points) { font_.setPointSizeF(points); }

void QtSurface::clear()
{
    image_.fill(back_);
    current_ = {0, 0};
}

void QtSurface::setForeColor(Rgb c) { fore_ = toQColor(c); }
void QtSurface::setFillStyle(FillStyle s) { fillStyle_ = s; }
void QtSurface::setFillColor(Rgb c) { fill_ = toQColor(c); }
void QtSurface::setCurrentPoint(float x, float y) { current_ = {x, y}; }

void QtSurface::begin(QPainter& p, Rgb outline) const
{
    p.setRenderHint(QPainter::Antialiasing);
    QPen pen(toQColor(outline), drawWidth_, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
}

void QtSurface::segment(float x1, float y1, float x2, float y2, Rgb c)
{
    QPainter p(&image_);
    begin(p, c);
    const QPointF a = toPixels(x1, y1);
    const QPointF b = toPixels(x2, y2);
    const qreal dpr = image_.devicePixelRatio();
    if (std::abs(b.y() - a.y()) * dpr <= kBandRows)
        p.drawLine(a, b);
    else
        p.fillPath(outlineInPieces(a, b, p.pen(), dpr), p.pen().brush());
    current_ = {x2, y2};
}

void QtSurface::line(float x1, float y1, float x2, float y2, Rgb c)
{
    segment(x1, y1, x2, y2, c);
}

void QtSurface::lineTo(float x2, float y2, Rgb c)
{
    segment(static_cast<float>(current_.x()), static_cast<float>(current_.y()), x2, y2, c);
}

void QtSurface::relativeLine(float x1, float y1, float dx, float dy, Rgb c)
{
    segment(x1, y1, x1 + dx, y1 + dy, c);
}

void QtSurface::circle(float x, float y, float r, Rgb c)
{
    QPainter p(&image_);
    begin(p, c);
    p.setBrush(fillStyle_ == FillStyle::Solid ? QBrush(fill_) : QBrush(Qt::NoBrush));
    const qreal radius = r / kTwipsPerPixel;
    p.drawEllipse(toPixels(x, y), radius, radius);
    current_ = {x, y};
}

void QtSurface::printText(std::u16string_view text)
{
    const QString s = QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
    QPainter p(&image_);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(font_);
    p.setPen(fore_);
    // Measured on the image, whose 96 dpi is what the point size refers to.
    const QFontMetricsF metrics(font_, &image_);
    const QPointF topLeft = toPixels(current_.x(), current_.y());
    p.drawText(topLeft + QPointF(0, metrics.ascent()), s);
    current_.rx() += metrics.horizontalAdvance(s) * kTwipsPerPixel;
}

std::any QtSurface::image() const { return image_; }

void QtSurface::setPicture(const std::any& picture)
{
    // The picture is kept for printing; a later clear goes back to the plain
    // background colour, not to it.
    if (const auto* img = std::any_cast<QImage>(&picture))
        picture_ = *img;
}

} // namespace godo
