#pragma once
// What the figure's drawing procedures may ask of the picture area. All
// coordinates are twips (15 to a pixel at 96 dpi), origin at the top-left of
// the area's inside, y downwards, as 32-bit floats; what falls outside is
// clipped. Lines and circle outlines use the draw width.

#include "draw/palette.h"

#include <any>
#include <string_view>

namespace godo {

enum class FillStyle { Solid, Transparent };

class Surface {
public:
    virtual ~Surface() = default;

    // Settings applied by the window's load step.
    virtual void setBackColor(Rgb c) = 0;
    virtual void setDrawWidth(int pixels) = 0;
    virtual void setFontSize(double points) = 0;

    // Paints the whole area in the background colour; current point (0, 0).
    virtual void clear() = 0;

    virtual void setForeColor(Rgb c) = 0;
    virtual void setFillStyle(FillStyle s) = 0;
    virtual void setFillColor(Rgb c) = 0;
    virtual void setCurrentPoint(float x, float y) = 0;

    // Each leaves the current point at the segment's end.
    virtual void line(float x1, float y1, float x2, float y2, Rgb c) = 0;
    virtual void lineTo(float x2, float y2, Rgb c) = 0;
    virtual void relativeLine(float x1, float y1, float dx, float dy, Rgb c) = 0;

    // Outline in c; filled with the fill colour when the fill style is solid.
    // The current point becomes the centre.
    virtual void circle(float x, float y, float r, Rgb c) = 0;

    // The top-left of the first character cell at the current point, in the
    // fore colour, no background behind the glyphs.
    virtual void printText(std::u16string_view text) = 0;

    // How wide `text` is at `points`, in twips, in the area's face: where
    // ruby stands over its base. A surface that cannot measure estimates it
    // from the text's full- and half-width characters.
    virtual float textWidth(std::u16string_view text, double points) const;

    // Printing: the area's current image, and making an image the area's
    // persistent picture. The image's type belongs to the implementation.
    virtual std::any image() const = 0;
    virtual void setPicture(const std::any& picture) = 0;
};

} // namespace godo
