#pragma once
// The 16-colour palette that the figure's pens index, and the pen rule.

#include <cstdint>

namespace godo {

struct Rgb {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;
    bool operator==(const Rgb&) const = default;
};

// Pen indices the figure uses by name.
inline constexpr int16_t kBackground = 3;   // cyan: the picture area and the erase pen
inline constexpr int16_t kLightBlue = 9;
inline constexpr int16_t kLightGreen = 10;
inline constexpr int16_t kLightRed = 12;
inline constexpr int16_t kLightYellow = 14;
inline constexpr int16_t kBrightWhite = 15; // the draw pen

// The standard QBColor palette; an index outside 0..15 throws std::out_of_range.
Rgb qbColor(int16_t index);

// An element drawn "in a fixed colour c": the background colour in the erase
// pass (pen 3), so that the same procedure erases what it drew, else colour c.
// An element drawn "in the pen" is simply qbColor(iro).
Rgb fixedColour(int16_t iro, int16_t c);

} // namespace godo
