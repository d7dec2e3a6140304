#pragma once

#include "model/figure_state.h"

#include <string>
#include <vector>

namespace godo {

// What the figure shows now, in Japanese, for screen readers: the pieces of
// the lesson's texts (and the angle's number) that make it, in order, so
// that each piece can be read aloud from its own reading.
std::vector<std::u16string> figureDescriptionPieces(const FigureState& s);
// The pieces put together.
std::u16string describeFigure(const FigureState& s);

} // namespace godo
