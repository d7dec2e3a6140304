#pragma once

#include "model/figure_state.h"

#include <string>

namespace godo {

// What the figure shows now, in Japanese, for screen readers.
std::u16string describeFigure(const FigureState& s);

} // namespace godo
