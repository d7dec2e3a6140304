#pragma once

#include "lesson/face.h"

class QWidget;

namespace godo {

// Prints an image of the whole window on the system's default printer, without
// a dialog: in colour, scaled to fit the printable area with its aspect ratio
// kept, centred. Throws PrintError when there is no default printer, when the
// printer cannot be opened, or when the page fails.
void printWindow(QWidget& window);

} // namespace godo
