#include "desktop/print_page.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QWidget>

namespace godo {

namespace {

// Units of the page's coordinates; the page is vectors, so this only sets
// how finely they are placed.
constexpr int kResolution = 1200;
constexpr qreal kMarginPoints = 36;

// The largest rectangle of the window's proportions that fits into `area`,
// centred in it.
QRectF fitted(QSizeF window, const QRectF& area)
{
    window.scale(area.size(), Qt::KeepAspectRatio);
    return QRectF(area.left() + (area.width() - window.width()) / 2,
                  area.top() + (area.height() - window.height()) / 2, window.width(), window.height());
}

// A quarter turn that the recording is made under and that the page undoes.
// Fusion keeps the bevels of push buttons as small pixmaps at the screen's
// resolution whenever the painter at most moves or scales; under a turn it
// paints them with lines and gradients, which a PDF keeps as vectors like
// everything else. (The combo box it caches under any transform: see
// PaperComboStyle.)
const QTransform& turn()
{
    static const QTransform t = QTransform().rotate(90);
    return t;
}

} // namespace

QByteArray windowPagePdf(QWidget& window)
{
    QPicture recording;
    {
        QPainter r;
        if (!r.begin(&recording))
            return {};
        r.setTransform(turn());
        window.render(&r, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
        if (!r.end())
            return {};
    }

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(kResolution);
        pdf.setTitle(window.windowTitle());
        pdf.setCreator(QStringLiteral("godojoken"));
        // The window is wider than tall: across the paper it prints larger.
        if (!pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                           QMarginsF(kMarginPoints, kMarginPoints, kMarginPoints, kMarginPoints),
                                           QPageLayout::Point)))
            return {};
        QPainter page;
        if (!page.begin(&pdf))
            return {};
        // The painter's origin is the corner of the area within the margins.
        const QRectF area(QPointF(0, 0), pdf.pageLayout().paintRectPixels(kResolution).size());
        const QRectF target = fitted(window.size(), area);
        QTransform place;
        place.translate(target.left(), target.top());
        place.scale(target.width() / window.width(), target.height() / window.height());
        // Playing a recording enlarges it by the ratio of the device's
        // resolution to the recording's own; the placement already says how
        // large the window is to be.
        const qreal replayScale = qreal(recording.logicalDpiX()) / pdf.logicalDpiX();
        page.setTransform(turn().inverted() * QTransform::fromScale(replayScale, replayScale) * place);
        page.drawPicture(QPointF(0, 0), recording);
        if (!page.end())
            return {};
    }
    return buffer.data();
}

} // namespace godo
