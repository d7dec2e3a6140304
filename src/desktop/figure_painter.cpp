#include "desktop/figure_painter.h"

#include "lesson/layout.h"

#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QString>

#include <cmath>

namespace godo {

namespace {

// Twips to one logical pixel, as the layout counts them.
constexpr qreal kTwips = kTwipsPerPixel;

QPointF toPixels(qreal x, qreal y) { return {x / kTwips, y / kTwips}; }

// Qt fills an antialiased outline in bands of about 40 device rows and walks
// every edge of the outline, row by row, once per band, so a wide line that
// crosses many rows costs time in the square of its height: the line ｎ alone
// took a quarter of a millisecond. With its long edges cut into short
// collinear pieces, a band skips the pieces that lie outside it. The outline,
// the antialiasing, the width and the colour stay the same; where a cut point
// is rounded to Qt's 1/64-pixel grid an edge pixel may come out a few levels
// (of 255) lighter or darker. Lines within one band are drawn as before.
// Only the raster engine fills in bands; every other device gets the line.
constexpr qreal kBandRows = 40;
constexpr qreal kPieceLength = 32; // device pixels

// The outline that Qt's own stroker makes for the line, with its straight
// edges cut into pieces of at most kPieceLength; the round caps are kept.
QPainterPath outlineInPieces(QPointF a, QPointF b, const QPen& pen, qreal deviceScale)
{
    QPainterPathStroker stroker(pen);
    QPainterPath centre(a);
    centre.lineTo(b);
    const QPainterPath outline = stroker.createStroke(centre);

    const qreal maxLength = kPieceLength / deviceScale;
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

QPen outlinePen(const DrawOp& op)
{
    return QPen(toQColor(op.colour), static_cast<int>(op.size), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// The resolution that a text's point size refers to: that of the images the
// figure is rasterised into for the screen.
int screenImageDpi()
{
    static const int dpi = QImage(1, 1, QImage::Format_RGB32).logicalDpiY();
    return dpi;
}

struct Replay {
    QPainter& p;
    const QFont& face;
    QSizeF area;
    bool raster;       // the raster engine, which fills in bands
    qreal deviceScale; // device pixels per logical pixel, for the raster engine

    void clear(const DrawOp& op) const { p.fillRect(QRectF(QPointF(0, 0), area), toQColor(op.colour)); }

    void segment(const DrawOp& op) const
    {
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(outlinePen(op));
        p.setBrush(Qt::NoBrush);
        const QPointF a = toPixels(op.at[0], op.at[1]);
        const QPointF b = toPixels(op.at[2], op.at[3]);
        if (!raster || std::abs(b.y() - a.y()) * deviceScale <= kBandRows)
            p.drawLine(a, b);
        else
            p.fillPath(outlineInPieces(a, b, p.pen(), deviceScale), p.pen().brush());
    }

    void circle(const DrawOp& op) const
    {
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(outlinePen(op));
        p.setBrush(op.fill == FillStyle::Solid ? QBrush(toQColor(op.fillColour)) : QBrush(Qt::NoBrush));
        const qreal radius = op.at[2] / kTwips;
        p.drawEllipse(toPixels(op.at[0], op.at[1]), radius, radius);
    }

    void text(const DrawOp& op) const
    {
        // The size is meant at the screen images' resolution; on a device of
        // another resolution (a PDF) the font is asked for the same size in
        // logical pixels.
        QFont font = face;
        const int dpi = p.device()->logicalDpiY();
        font.setPointSizeF(dpi == screenImageDpi() ? op.size : op.size * screenImageDpi() / dpi);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setRenderHint(QPainter::TextAntialiasing, true);
        p.setFont(font);
        p.setPen(toQColor(op.colour));
        const QFontMetricsF metrics(font, p.device());
        const QString s = QString::fromUtf16(op.text.data(), static_cast<qsizetype>(op.text.size()));
        p.drawText(toPixels(op.at[0], op.at[1]) + QPointF(0, metrics.ascent()), s);
    }
};

} // namespace

QColor toQColor(Rgb c) { return QColor(c.r, c.g, c.b); }

void paintFigure(QPainter& painter, const std::vector<DrawOp>& ops, const QFont& font, QSizeF area)
{
    painter.save();
    const bool raster = painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Raster;
    const QTransform& world = painter.worldTransform();
    const qreal scale = painter.device()->devicePixelRatioF() * std::sqrt(std::abs(world.determinant()));
    const Replay replay{painter, font, area, raster, scale};
    for (const DrawOp& op : ops) {
        switch (op.kind) {
        case OpKind::Clear: replay.clear(op); break;
        case OpKind::Line:
        case OpKind::LineTo:
        case OpKind::RelativeLine: replay.segment(op); break;
        case OpKind::Circle: replay.circle(op); break;
        case OpKind::PrintText: replay.text(op); break;
        default: break; // settings: every drawing operation carries its own
        }
    }
    painter.restore();
}

QImage renderFigure(const std::vector<DrawOp>& ops, QSize size, qreal devicePixelRatio, const QFont& font)
{
    QImage image(size * devicePixelRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintFigure(painter, ops, font, size);
    return image;
}

} // namespace godo
