#pragma once

#include "desktop/cups_job.h"
#include "lesson/face.h"

#include <chrono>

class QWidget;

namespace godo {

// The longest that printing may keep the window from answering: the whole
// talk with the print server, the making of the page included.
inline constexpr std::chrono::seconds kPrintTimeLimit{3};

// Prints the whole window on the system's default printer, without a dialog:
// one page across the paper, scaled to fit and centred, sharp at the
// printer's resolution. Returns when the printer has the job; otherwise
// throws PrintError, whose message says what went wrong and whether
// anything was or will be printed.
void printWindow(QWidget& window);

// The pupil's message for an attempt that did not simply print; empty for
// one that did.
std::u16string printMessage(const PrintAttempt& attempt);

} // namespace godo
