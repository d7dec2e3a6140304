#pragma once
// The picture area's figure as a file or on the clipboard: the core's SVG
// document, an image at the core's resolution of the figure's own size, and
// a one-page PDF in vectors, each made from the area's drawing operations in
// the face the figure is drawn in.

#include "lesson/figure_export.h"
#include "lesson/support.h"

#include <QByteArray>
#include <QImage>
#include <QString>

namespace godo {

class Gamen;

// The figure as it stands, in `format`, with the texts in `choice`'s faces.
QByteArray figureFile(const Gamen& picture, const FontChoice& choice, FigureFormat format);
QImage figureImage(const Gamen& picture);

// The figure on the clipboard, as an SVG document and as an image, for the
// programs that take either.
void copyFigure(const Gamen& picture, const FontChoice& choice);

// Writes the figure to `path` whole or not at all: into a file beside it
// that takes its name only once all is written. False where it could not
// be written; then no file of it is left, and one that was there stays as
// it was.
bool saveFigure(const Gamen& picture, const FontChoice& choice, const QString& path, FigureFormat format);

} // namespace godo
