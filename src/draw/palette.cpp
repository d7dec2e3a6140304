#include "draw/palette.h"

#include <array>
#include <stdexcept>

namespace godo {

Rgb qbColor(int16_t index)
{
    static constexpr std::array<Rgb, 16> palette{{
        {0, 0, 0},       {0, 0, 128},     {0, 128, 0},     {0, 128, 128},
        {128, 0, 0},     {128, 0, 128},   {128, 128, 0},   {192, 192, 192},
        {128, 128, 128}, {0, 0, 255},     {0, 255, 0},     {0, 255, 255},
        {255, 0, 0},     {255, 0, 255},   {255, 255, 0},   {255, 255, 255},
    }};
    if (index < 0 || index > 15)
        throw std::out_of_range("colour index outside 0..15");
    return palette[static_cast<std::size_t>(index)];
}

Rgb fixedColour(int16_t iro, int16_t c)
{
    return qbColor(iro == kBackground ? kBackground : c);
}

} // namespace godo
