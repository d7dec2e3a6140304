// Prints the core's colour schemes, one colour a line: "name key r g b",
// key pen0..pen15, window, labelText, frameShadow and frameLight (where the
// scheme has a frame of its own) or focus.
// The colour check reads the table through this program alone.
#include "draw/colour_scheme.h"

#include <cstdio>

namespace {
void put(const godo::ColourScheme& s, const char* key, int index, godo::Rgb c)
{
    const int n = static_cast<int>(s.name.size());
    if (index >= 0)
        std::printf("%.*s %s%d %d %d %d\n", n, s.name.data(), key, index, c.r, c.g, c.b);
    else
        std::printf("%.*s %s %d %d %d\n", n, s.name.data(), key, c.r, c.g, c.b);
}
} // namespace

int main()
{
    for (const godo::ColourScheme& s : godo::colourSchemes()) {
        for (int i = 0; i < 16; ++i)
            put(s, "pen", i, s.pens[static_cast<std::size_t>(i)]);
        put(s, "window", -1, s.window);
        put(s, "labelText", -1, s.labelText);
        if (s.frame) { // the standard scheme keeps the system's frame
            put(s, "frameShadow", -1, s.frame->shadow);
            put(s, "frameLight", -1, s.frame->light);
        }
        put(s, "focus", -1, s.focus);
    }
}
