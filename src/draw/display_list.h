#pragma once
// The picture area's drawing, kept as the list of operations the figure's
// procedures asked of the surface since the last clear. A face renders the
// list (raster on screen at any device pixel ratio, vectors on paper, a
// canvas in the browser); tests read the figure's numbers and order from it.
//
// Each operation is kept with what a renderer needs to draw it on its own:
// where it lands, its colours, the draw width or the font size, exactly as
// the surface received them. No renderer has to track the current point or
// any setting.

#include "draw/surface.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace godo {

enum class OpKind : uint8_t {
    SetBackColor, SetDrawWidth, SetFontSize, Clear, SetForeColor, SetFillStyle, SetFillColor,
    SetCurrentPoint, Line, LineTo, RelativeLine, Circle, PrintText
};

struct DrawOp {
    OpKind kind = OpKind::Clear;
    // Line kinds and Circle: the outline colour; PrintText: the fore colour;
    // Clear: the background; a setter: the colour it sets.
    Rgb colour{};
    // SetFillStyle: the style it sets; Circle: the style in effect.
    FillStyle fill = FillStyle::Transparent;
    Rgb fillColour{}; // Circle: the fill colour in effect
    // Line kinds, Circle and SetDrawWidth: the draw width in pixels;
    // PrintText and SetFontSize: the font size in points.
    float size = 0;
    // Where it lands, in twips. Line kinds: from (at[0], at[1]) to (at[2],
    // at[3]); Circle: centre (at[0], at[1]) and radius at[2]; PrintText: the
    // top-left of the first character cell (at[0], at[1]); SetCurrentPoint:
    // the point (at[0], at[1]).
    std::array<float, 4> at{};
    std::u16string text; // PrintText

    bool operator==(const DrawOp&) const = default;

    bool draws() const
    {
        return kind == OpKind::Clear || kind == OpKind::Line || kind == OpKind::LineTo
            || kind == OpKind::RelativeLine || kind == OpKind::Circle || kind == OpKind::PrintText;
    }
};

class DisplayList final : public Surface {
public:
    // Everything asked since the last clear, that clear included (it comes
    // first and carries the background colour).
    const std::vector<DrawOp>& ops() const { return ops_; }

    // The persistent picture: the operations of the drawing that was made
    // the area's picture for printing (empty until then).
    const std::vector<DrawOp>& picture() const { return picture_; }

    // Counts every clear since the list was made: a face re-renders when it
    // changes or when ops() grew.
    unsigned generation() const { return generation_; }

    void setBackColor(Rgb c) override;
    void setDrawWidth(int pixels) override;
    void setFontSize(double points) override;
    void clear() override;
    void setForeColor(Rgb c) override;
    void setFillStyle(FillStyle s) override;
    void setFillColor(Rgb c) override;
    void setCurrentPoint(float x, float y) override;
    void line(float x1, float y1, float x2, float y2, Rgb c) override;
    void lineTo(float x2, float y2, Rgb c) override;
    void relativeLine(float x1, float y1, float dx, float dy, Rgb c) override;
    void circle(float x, float y, float r, Rgb c) override;
    void printText(std::u16string_view text) override;
    float textWidth(std::u16string_view text, double points) const override;
    // The face that renders the list measures its texts in its own font.
    void setTextMeasure(std::function<float(std::u16string_view, double)> measure) { measure_ = std::move(measure); }
    // The drawing as it stands (a std::vector<DrawOp>), and making such a
    // drawing the persistent picture.
    std::any image() const override;
    void setPicture(const std::any& picture) override;

private:
    DrawOp& add(OpKind kind, Rgb c = {});
    DrawOp& segment(OpKind kind, float x1, float y1, float x2, float y2, Rgb c);

    std::vector<DrawOp> ops_;
    std::vector<DrawOp> picture_;
    unsigned generation_ = 0;
    Rgb back_{255, 255, 255};
    int drawWidth_ = 1;
    double fontSize_ = 9;
    Rgb fore_{};
    FillStyle fillStyle_ = FillStyle::Transparent;
    Rgb fill_{};
    float cx_ = 0, cy_ = 0;
    std::function<float(std::u16string_view, double)> measure_;
};

} // namespace godo
