#pragma once

#include "model/figure_state.h"

#include <QString>

namespace godo {

// What the figure shows now, in Japanese, for screen readers.
QString describeFigure(const FigureState& s);

} // namespace godo
