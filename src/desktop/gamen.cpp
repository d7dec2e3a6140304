#include "desktop/gamen.h"

#include "lesson/layout.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainter>

namespace godo {

int Gamen::border() { return windowLayout().pictureBorder; }

Gamen::Gamen(QSize outer, const QFont& font, QWidget* parent)
    : QFrame(parent), inside_(outer - QSize(2 * border(), 2 * border())), font_(font)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(border());
    setFocusPolicy(Qt::StrongFocus);
    // The image covers the whole inside; nothing needs erasing beneath it.
    setAttribute(Qt::WA_OpaquePaintEvent);
    measureTexts();
}

void Gamen::measureTexts()
{
    // As the figure's images are drawn: points at 96 dpi, then twips.
    list_.setTextMeasure([font = font_](std::u16string_view text, double points) {
        static const QImage device(1, 1, QImage::Format_RGB32);
        QFont f = font;
        f.setPointSizeF(points);
        const QString t = QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
        return static_cast<float>(QFontMetricsF(f, &device).horizontalAdvance(t) * kTwipsPerPixel);
    });
}

const QImage& Gamen::image() const
{
    const qreal dpr = devicePixelRatioF();
    if (renderedGeneration_ != list_.generation() || renderedOps_ != list_.ops().size()
        || image_.devicePixelRatio() != dpr) {
        image_ = renderFigure(list_.ops(), inside_, dpr, font_);
        renderedGeneration_ = list_.generation();
        renderedOps_ = list_.ops().size();
        ++renderings_;
    }
    return image_;
}

void Gamen::setFigureFont(const QFont& font)
{
    font_ = font;
    measureTexts();
    renderedGeneration_ = ~0u;
    update();
}

bool Gamen::event(QEvent* e)
{
    // The window went to another screen, whose scale may differ: the next
    // paint finds the image's ratio out of date and renders it anew. Qt 6.4
    // tells every widget of the window of the move; from Qt 6.6 on, a widget
    // is also told of a change of its own ratio, the event this is really about.
    switch (e->type()) {
    case QEvent::ScreenChangeInternal:
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    case QEvent::DevicePixelRatioChange:
#endif
        update();
        break;
    default:
        break;
    }
    return QFrame::event(e);
}

void Gamen::focusInEvent(QFocusEvent* event)
{
    QFrame::focusInEvent(event);
    window()->update();
}

void Gamen::focusOutEvent(QFocusEvent* event)
{
    QFrame::focusOutEvent(event);
    window()->update();
}

void Gamen::paintEvent(QPaintEvent* event)
{
    {
        QPainter p(this);
        const QRect inside = contentsRect();
        // The screen, or a grab into a pixmap: the retained image, pixel for
        // pixel. Anything else, or a painter that scales or turns: the
        // operations themselves. What the area shows there is its persistent
        // picture once printing has made one, which is the figure of that
        // moment.
        const bool raster = p.paintEngine() && p.paintEngine()->type() == QPaintEngine::Raster;
        if (raster && p.worldTransform().type() <= QTransform::TxTranslate) {
            p.drawImage(inside.topLeft(), image());
        } else {
            p.setClipRect(inside);
            p.translate(inside.topLeft());
            paintFigure(p, list_.picture().empty() ? list_.ops() : list_.picture(), font_, inside_);
        }
    }
    QFrame::paintEvent(event); // the border
}

} // namespace godo
