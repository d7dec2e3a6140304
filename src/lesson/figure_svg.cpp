#include "lesson/figure_svg.h"

#include "lesson/layout.h"
#include "lesson/utf.h"

#include <cmath>
#include <cstdio>
#include <charconv>
#include <string>
#include <vector>

namespace godo {

namespace {

// A coordinate as it came, a 32-bit float, in the fewest decimals that give
// it back; written by hand, for the C library's would follow the locale and
// not every standard library has std::to_chars for floats.
std::string number(float v)
{
    const double x = v;
    long long scaled = 0;
    int decimals = 0;
    for (double unit = 1;; unit *= 10, ++decimals) {
        scaled = std::llround(x * unit);
        if (static_cast<float>(double(scaled) / unit) == v || decimals == 9)
            break;
    }
    std::string digits = std::to_string(scaled < 0 ? -scaled : scaled);
    if (digits.size() <= std::size_t(decimals))
        digits.insert(0, std::size_t(decimals) + 1 - digits.size(), '0');
    if (decimals > 0)
        digits.insert(digits.size() - std::size_t(decimals), 1, '.');
    return (scaled < 0 ? "-" : "") + digits;
}

std::string number(double v) { return number(static_cast<float>(v)); }

std::string colour(Rgb c)
{
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02x%02x%02x", c.r, c.g, c.b);
    return buf;
}

// Text and attribute values alike.
std::string escaped(std::string_view s)
{
    std::string out;
    for (const char c : s) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string fontFamily(const std::vector<std::u16string_view>& families)
{
    std::string out;
    for (std::u16string_view f : families)
        out += '\'' + toUtf8(f) + "', ";
    return out + "sans-serif";
}

class Writer {
public:
    Writer(TwipsSize area, const SvgFont& font) : area_(area), font_(font) { }

    void add(const DrawOp& op)
    {
        switch (op.kind) {
        case OpKind::Clear:
            // What was drawn before lies under the new background.
            body_ = "<rect width=\"" + std::to_string(area_.width) + "\" height=\"" + std::to_string(area_.height)
                + "\" fill=\"" + colour(op.colour) + "\"/>\n";
            break;
        case OpKind::Line:
        case OpKind::LineTo:
        case OpKind::RelativeLine:
            body_ += "<line x1=\"" + number(op.at[0]) + "\" y1=\"" + number(op.at[1]) + "\" x2=\"" + number(op.at[2])
                + "\" y2=\"" + number(op.at[3]) + "\"" + stroke(op) + "/>\n";
            break;
        case OpKind::Circle:
            body_ += "<circle cx=\"" + number(op.at[0]) + "\" cy=\"" + number(op.at[1]) + "\" r=\"" + number(op.at[2])
                + "\" fill=\"" + (op.fill == FillStyle::Solid ? colour(op.fillColour) : "none") + "\"" + stroke(op)
                + "/>\n";
            break;
        case OpKind::PrintText: {
            const double size = double(op.size) * kTwipsPerPoint;
            body_ += "<text x=\"" + number(op.at[0]) + "\" y=\"" + number(double(op.at[1]) + font_.ascent * size)
                + "\" font-size=\"" + number(size) + "\" fill=\"" + colour(op.colour) + "\">" + escaped(toUtf8(op.text))
                + "</text>\n";
            break;
        }
        default: break; // settings: every drawing operation carries its own
        }
    }

    std::string document() const
    {
        const std::string w = std::to_string(area_.width), h = std::to_string(area_.height);
        // The area's size on paper in points (20 twips each), for the programs
        // that place the picture by its own size.
        return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\""
            + number(area_.width / double(kTwipsPerPoint)) + "pt\" height=\""
            + number(area_.height / double(kTwipsPerPoint)) + "pt\" viewBox=\"0 0 " + w + ' ' + h
            + "\" overflow=\"hidden\">\n"
              // Clipped to the area, as the window clips it, also where the
              // document is placed inside another that does not clip.
              "<clipPath id=\"area\"><rect width=\""
            + w + "\" height=\"" + h
            + "\"/></clipPath>\n"
              "<g clip-path=\"url(#area)\" font-family=\""
            + escaped(fontFamily(font_.families)) + "\" stroke-linecap=\"round\" stroke-linejoin=\"round\">\n" + body_
            + "</g>\n</svg>\n";
    }

private:
    // A pen's width is in pixels, 15 twips each.
    static std::string stroke(const DrawOp& op)
    {
        return " stroke=\"" + colour(op.colour) + "\" stroke-width=\"" + number(double(op.size) * kTwipsPerPixel)
            + "\"";
    }

    TwipsSize area_;
    const SvgFont& font_;
    std::string body_;
};

} // namespace

std::string figureSvg(const std::vector<DrawOp>& ops, TwipsSize area, const SvgFont& font)
{
    Writer w(area, font);
    for (const DrawOp& op : ops)
        w.add(op);
    return w.document();
}

} // namespace godo
