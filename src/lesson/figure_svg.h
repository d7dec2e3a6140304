#pragma once
// The figure as an SVG document, written from the picture area's drawing
// operations: lines, circles and texts in twips in a viewBox the size of the
// area's inside, the texts as text in the faces the lesson asks for. The same
// operations draw the screen, so the document is the figure as it is shown,
// in the colours of the scheme it was drawn in. The output depends on its
// arguments alone, byte for byte.

#include "draw/display_list.h"
#include "lesson/figure_export.h"

#include <string>
#include <string_view>
#include <vector>

namespace godo {

struct SvgFont {
    // The font-family list, the first that is installed drawing.
    std::vector<std::u16string_view> families;
    // Where a text's baseline lies below the top of its character cell, in
    // ems: the ascent of the face that draws the figure, as the face
    // measured it. SVG places a text by its baseline.
    double ascent = 1;
};

// The document (UTF-8) of what `ops` draw since their last clear, clipped to
// `area`.
std::string figureSvg(const std::vector<DrawOp>& ops, TwipsSize area, const SvgFont& font);

} // namespace godo
