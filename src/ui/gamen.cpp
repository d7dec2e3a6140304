#include "ui/gamen.h"

#include <QPainter>

namespace godo {

Gamen::Gamen(QSize outer, const QFont& font, QWidget* parent)
    : QFrame(parent),
      surface_(outer - QSize(2 * kBorder, 2 * kBorder), parent ? parent->devicePixelRatioF() : 1.0,
               font)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(kBorder);
    setFocusPolicy(Qt::StrongFocus);
    // The image covers the whole inside; nothing needs erasing beneath it.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Gamen::paintEvent(QPaintEvent* event)
{
    {
        QPainter p(this);
        p.drawImage(contentsRect().topLeft(), surface_.qimage());
    }
    QFrame::paintEvent(event); // the border
}

} // namespace godo
