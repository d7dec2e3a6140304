#include "ui/print_window.h"

#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

namespace godo {

void printWindow(QWidget& window)
{
    // Without a default printer a QPrinter would silently pick the first queue
    // it finds; a classroom printout must not go to some other room.
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        throw PrintError(QStringLiteral(u"既定のプリンターが設定されていないため、印刷できませんでした。"
                                        u"何も印刷されていません。"));

    const QPixmap image = window.grab();

    QPrinter printer(info, QPrinter::HighResolution);
    printer.setColorMode(QPrinter::Color);
    printer.setDocName(window.windowTitle());

    QPainter painter;
    if (!painter.begin(&printer))
        throw PrintError(QStringLiteral(u"プリンター「%1」を開けませんでした。何も印刷されていません。")
                             .arg(info.printerName()));

    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const QRect area(QPoint(0, 0), page.size());
    QSize size = image.size();
    size.scale(area.size(), Qt::KeepAspectRatio);
    QRect target(QPoint(0, 0), size);
    target.moveCenter(area.center());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(target, image);

    if (!painter.end())
        throw PrintError(QStringLiteral(u"プリンター「%1」への印刷に失敗しました。何も印刷されていません。")
                             .arg(info.printerName()));
}

} // namespace godo
