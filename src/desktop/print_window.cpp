#include "desktop/print_window.h"

#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRectF>
#include <QWidget>

namespace godo {

namespace {

// The largest rectangle of the image's proportions that fits into `area`,
// centred in it.
QRectF fitted(QSizeF image, const QRectF& area)
{
    image.scale(area.size(), Qt::KeepAspectRatio);
    return QRectF(area.left() + (area.width() - image.width()) / 2,
                  area.top() + (area.height() - image.height()) / 2, image.width(), image.height());
}

} // namespace

void printWindow(QWidget& window)
{
    // Without a default printer a QPrinter would silently pick the first queue
    // it finds; a classroom printout must not go to some other room.
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        throw PrintError((QStringLiteral(u"既定のプリンターが設定されていないため、印刷できませんでした。"
                                        u"何も印刷されていません。")).toStdU16String());

    // The window's client area with every control and the figure; the frame
    // and title bar belong to the window system and are left out.
    const QPixmap image = window.grab();

    QPrinter printer(info, QPrinter::HighResolution);
    printer.setColorMode(QPrinter::Color);
    // The window is wider than tall: across the paper it prints larger.
    printer.setPageOrientation(image.width() > image.height() ? QPageLayout::Landscape
                                                              : QPageLayout::Portrait);
    printer.setDocName(window.windowTitle());

    // begin() is the only sign that the printer could not be opened: the
    // printer itself still claims to be valid and active.
    QPainter painter;
    if (!painter.begin(&printer))
        throw PrintError((QStringLiteral(u"プリンター「%1」を開けませんでした。何も印刷されていません。")
                             .arg(info.printerName())).toStdU16String());

    // The painter's origin is the corner of the printable area.
    const QRectF printable(QPointF(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size());
    // Without this the image would go into the print file as JPEG, whose
    // halved colour resolution turns the figure's 3-pixel lines dull and
    // fringes every caption.
    painter.setRenderHint(QPainter::LosslessImageRendering);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(fitted(image.size(), printable), image, QRectF(image.rect()));

    if (!painter.end())
        throw PrintError((QStringLiteral(u"プリンター「%1」への印刷に失敗しました。何も印刷されていません。")
                             .arg(info.printerName())).toStdU16String());
}

} // namespace godo
