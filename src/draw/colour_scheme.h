#pragma once
// The colour schemes: one table that gives, per scheme, the colour of each of
// the sixteen pens the figure's procedures index and the window's own
// colours. The figure, both faces, the paper and the exported figure read
// their colours from here. Only colours differ between schemes: the drawing
// operations, their order, widths and places are the same in each.
//
// The pen rule holds in every scheme: pen 3 is the scheme's background, so
// the erase pass paints over exactly what the draw pass drew.

#include "draw/palette.h"

#include <cstdint>
#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace godo {

enum class ColourSchemeId : uint8_t { Standard, Cud, WhiteOnBlack, YellowOnBlack, Paper };

struct SunkenFrame {
    Rgb shadow;
    Rgb light;
};

struct ColourScheme {
    ColourSchemeId id;
    // As a setting, a link and the command line name it: "standard", "cud", …
    std::string_view name;
    // As the support menu shows it.
    std::u16string_view caption;
    // Pen index → colour. pens[kBackground] is the picture area's background
    // and the erase pen.
    std::array<Rgb, 16> pens;
    Rgb window;     // the window's background, behind the controls
    Rgb labelText;  // Label1 and Label3, on the window's background
    // The sunken frame around the picture area: its shaded (top and left)
    // and lit (bottom and right) edges. The standard scheme has none of its
    // own: each face draws the system's sunken frame there, as it always has.
    std::optional<SunkenFrame> frame;
    // The mark the picture area shows while it has the keyboard focus; it
    // stands out from the frame and from the window around it.
    Rgb focus;

    Rgb pen(int16_t index) const;
    // An element drawn "in a fixed colour c": the background in the erase
    // pass, else pen c.
    Rgb fixed(int16_t iro, int16_t c) const { return pen(iro == kBackground ? kBackground : c); }
};

// Every scheme, the default (standard: the QBColor palette, an olive window)
// first.
std::span<const ColourScheme> colourSchemes();
const ColourScheme& colourScheme(ColourSchemeId id);
// The scheme of that name, or null.
const ColourScheme* findColourScheme(std::string_view name);

} // namespace godo
