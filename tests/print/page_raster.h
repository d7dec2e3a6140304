#pragma once
// A printed page as pixels, and where colours lie on it.

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

namespace godo::test {

// The first page of a PDF rendered by pdftoppm at `dpi`; a null image and a
// reason in `error` when that fails.
QImage renderFirstPage(const QString& pdf, int dpi, QString* error);

// The smallest rectangle holding every pixel near `colour`, searched within
// `within`; null when there is none.
QRect boundingBox(const QImage& page, const QColor& colour, int tolerance, const QRect& within);

// Whether a pixel near `colour` lies within `radius` pixels of `centre`.
bool hasColourNear(const QImage& page, QPoint centre, int radius, const QColor& colour, int tolerance);

} // namespace godo::test
