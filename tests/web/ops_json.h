#pragma once
// The figure's drawing operations and the figure state, as JSON, for one
// angle of line ｎ with every combination of the overlays. The same code is
// compiled into the WebAssembly module and into a native program, so that a
// test can check that the core computes the same figure in the browser as on
// the desktop.

#include <cstdint>
#include <string>

namespace godo::web {

// The erase pass (pen 3) and then the draw pass (pen 15) over a freshly reset
// state with `kakudo` and the overlays set: 16 combinations of the four
// switches times the conclusions 0..3, in that order, as a JSON array.
std::string figureCasesJson(int16_t kakudo);

} // namespace godo::web
