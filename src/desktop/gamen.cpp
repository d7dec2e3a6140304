#include "desktop/gamen.h"

#include <QPainter>

namespace godo {

QImage renderFigure(const std::vector<DrawOp>& ops, QSize size, qreal devicePixelRatio, const QFont& font)
{
    // Each operation carries its own colours and sizes, so the raster surface
    // is told them again before it draws.
    QtSurface raster(size, devicePixelRatio, font);
    for (const DrawOp& op : ops) {
        switch (op.kind) {
        case OpKind::Clear:
            raster.setBackColor(op.colour);
            raster.clear();
            break;
        case OpKind::Line:
        case OpKind::LineTo:
        case OpKind::RelativeLine:
            raster.setDrawWidth(static_cast<int>(op.size));
            raster.line(op.at[0], op.at[1], op.at[2], op.at[3], op.colour);
            break;
        case OpKind::Circle:
            raster.setDrawWidth(static_cast<int>(op.size));
            raster.setFillStyle(op.fill);
            raster.setFillColor(op.fillColour);
            raster.circle(op.at[0], op.at[1], op.at[2], op.colour);
            break;
        case OpKind::PrintText:
            raster.setFontSize(op.size);
            raster.setForeColor(op.colour);
            raster.setCurrentPoint(op.at[0], op.at[1]);
            raster.printText(op.text);
            break;
        default: // settings: every drawing operation carries its own
            break;
        }
    }
    return raster.qimage();
}

Gamen::Gamen(QSize outer, const QFont& font, QWidget* parent)
    : QFrame(parent), inside_(outer - QSize(2 * kBorder, 2 * kBorder)), font_(font)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(kBorder);
    setFocusPolicy(Qt::StrongFocus);
    // The image covers the whole inside; nothing needs erasing beneath it.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

const QImage& Gamen::image() const
{
    const qreal dpr = devicePixelRatioF();
    if (renderedGeneration_ != list_.generation() || renderedOps_ != list_.ops().size()
        || image_.devicePixelRatio() != dpr) {
        image_ = renderFigure(list_.ops(), inside_, dpr, font_);
        renderedGeneration_ = list_.generation();
        renderedOps_ = list_.ops().size();
    }
    return image_;
}

void Gamen::paintEvent(QPaintEvent* event)
{
    {
        QPainter p(this);
        p.drawImage(contentsRect().topLeft(), image());
    }
    QFrame::paintEvent(event); // the border
}

} // namespace godo
