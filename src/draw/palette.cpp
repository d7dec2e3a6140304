#include "draw/palette.h"

#include "draw/colour_scheme.h"

namespace godo {

Rgb qbColor(int16_t index) { return colourScheme(ColourSchemeId::Standard).pen(index); }

Rgb fixedColour(int16_t iro, int16_t c) { return colourScheme(ColourSchemeId::Standard).fixed(iro, c); }

} // namespace godo
