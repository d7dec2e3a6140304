#pragma once
// The window as a printed page: one A4 sheet across the paper, the window
// scaled to fit within margins of half an inch and centred, as a PDF in
// memory. The controls are painted by Qt's own widget rendering and the
// figure is replayed from its drawing operations, so the page holds vectors
// and text in the embedded Japanese face, and no picture of the screen.

#include <QByteArray>

class QWidget;

namespace godo {

// Empty when the page could not be made.
QByteArray windowPagePdf(QWidget& window);

} // namespace godo
