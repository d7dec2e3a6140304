#pragma once
// The figure's colours, read from the core in core/figure_expectations.h,
// as Qt gives pixels back: for the suites that look at a rendered image.

#include "figure_expectations.h"

#include <QColor>

namespace godo::test::qt {

inline QColor qcolour(Rgb c) { return QColor(c.r, c.g, c.b); }

inline const QColor kWhite = qcolour(test::kWhite);
inline const QColor kCyan = qcolour(test::kCyan);
inline const QColor kRed = qcolour(test::kRed);
inline const QColor kBlue = qcolour(test::kBlue);
inline const QColor kGreen = qcolour(test::kGreen);
inline const QColor kYellow = qcolour(test::kYellow);

} // namespace godo::test::qt
