#include "page_raster.h"

#include "print_queue.h"

#include "../colour_tolerance.h"

#include <QTemporaryDir>

namespace godo::test {

QImage renderFirstPage(const QString& pdf, int dpi, QString* error)
{
    QTemporaryDir dir;
    if (!dir.isValid()) {
        *error = QStringLiteral("no temporary folder");
        return {};
    }
    const QString stem = dir.filePath(QStringLiteral("page"));
    const ToolResult r = runTool(QStringLiteral("pdftoppm"),
                                 {QStringLiteral("-png"), QStringLiteral("-singlefile"), QStringLiteral("-f"),
                                  QStringLiteral("1"), QStringLiteral("-r"), QString::number(dpi), pdf, stem});
    if (!r.ok) {
        *error = QStringLiteral("pdftoppm failed: ") + r.output;
        return {};
    }
    QImage page(stem + QStringLiteral(".png"));
    if (page.isNull())
        *error = QStringLiteral("pdftoppm wrote no readable page");
    return page.convertToFormat(QImage::Format_RGB32);
}

QRect boundingBox(const QImage& page, const QColor& colour, int tolerance, const QRect& within)
{
    const QRect area = within.intersected(page.rect());
    int left = area.right() + 1, right = area.left() - 1;
    int top = area.bottom() + 1, bottom = area.top() - 1;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(page.constScanLine(y));
        for (int x = area.left(); x <= area.right(); ++x) {
            if (!withinTolerance(row[x], colour.rgb(), tolerance))
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (right < left)
        return {};
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

bool hasColourNear(const QImage& page, QPoint centre, int radius, const QColor& colour, int tolerance)
{
    for (int dy = -radius; dy <= radius; ++dy) {
        for (int dx = -radius; dx <= radius; ++dx) {
            const QPoint p = centre + QPoint(dx, dy);
            if (page.rect().contains(p) && withinTolerance(page.pixel(p), colour.rgb(), tolerance))
                return true;
        }
    }
    return false;
}

} // namespace godo::test
