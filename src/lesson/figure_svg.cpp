#include "lesson/figure_svg.h"

#include "lesson/layout.h"
#include "lesson/utf.h"

#include <charconv>
#include <cmath>
#include <string>
#include <vector>

namespace godo {

namespace {

// A coordinate as it came, a 32-bit float, in the fewest decimals that give
// it back; written by hand, for the C library's would follow the locale and
// not every standard library has std::to_chars for floats.
void putNumber(std::string& out, float v)
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
    if (scaled < 0)
        out += '-';
    out += digits;
}

// By hand too: the C library's formatting would add its whole printf to the
// browser's module.
void putColour(std::string& out, Rgb c)
{
    static constexpr char kHex[] = "0123456789abcdef";
    out += '#';
    for (const int v : {c.r, c.g, c.b}) {
        out += kHex[v >> 4];
        out += kHex[v & 15];
    }
}

// Text and attribute values alike.
void putEscaped(std::string& out, std::string_view s)
{
    for (const char c : s) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
}

// The document is written by appending to one string, part by part: a chain
// of concatenated temporaries costs the browser's module a cleanup path for
// each of them.
struct Num {
    double v;
};

class Out {
public:
    explicit Out(std::string& s) : s_(s) { }
    Out& operator<<(std::string_view t)
    {
        s_ += t;
        return *this;
    }
    Out& operator<<(Num n)
    {
        putNumber(s_, static_cast<float>(n.v));
        return *this;
    }
    Out& operator<<(Rgb c)
    {
        putColour(s_, c);
        return *this;
    }

private:
    std::string& s_;
};

class Writer {
public:
    Writer(TwipsSize area, const SvgFont& font) : area_(area), font_(font) { }

    void add(const DrawOp& op)
    {
        Out o(body_);
        switch (op.kind) {
        case OpKind::Clear:
            // What was drawn before lies under the new background.
            body_.clear();
            o << "<rect width=\"" << Num{double(area_.width)} << "\" height=\"" << Num{double(area_.height)}
              << "\" fill=\"" << op.colour << "\"/>\n";
            break;
        case OpKind::Line:
        case OpKind::LineTo:
        case OpKind::RelativeLine:
            o << "<line x1=\"" << Num{op.at[0]} << "\" y1=\"" << Num{op.at[1]} << "\" x2=\"" << Num{op.at[2]}
              << "\" y2=\"" << Num{op.at[3]} << "\"";
            stroke(o, op);
            o << "/>\n";
            break;
        case OpKind::Circle:
            o << "<circle cx=\"" << Num{op.at[0]} << "\" cy=\"" << Num{op.at[1]} << "\" r=\"" << Num{op.at[2]}
              << "\" fill=\"";
            if (op.fill == FillStyle::Solid)
                o << op.fillColour;
            else
                o << "none";
            o << "\"";
            stroke(o, op);
            o << "/>\n";
            break;
        case OpKind::PrintText: {
            const double size = double(op.size) * kTwipsPerPoint;
            o << "<text x=\"" << Num{op.at[0]} << "\" y=\"" << Num{double(op.at[1]) + font_.ascent * size}
              << "\" font-size=\"" << Num{size} << "\" fill=\"" << op.colour << "\">";
            putEscaped(body_, toUtf8(op.text));
            o << "</text>\n";
            break;
        }
        default: break; // settings: every drawing operation carries its own
        }
    }

    std::string document() const
    {
        std::string doc;
        Out o(doc);
        const Num w{double(area_.width)}, h{double(area_.height)};
        // The area's size on paper in points (20 twips each), for the programs
        // that place the picture by its own size.
        o << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
             "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\""
          << Num{area_.width / double(kTwipsPerPoint)} << "pt\" height=\""
          << Num{area_.height / double(kTwipsPerPoint)} << "pt\" viewBox=\"0 0 " << w << " " << h
          << "\" overflow=\"hidden\">\n"
             // Clipped to the area, as the window clips it, also where the
             // document is placed inside another that does not clip.
             "<clipPath id=\"area\"><rect width=\""
          << w << "\" height=\"" << h
          << "\"/></clipPath>\n"
             "<g clip-path=\"url(#area)\" font-family=\"";
        for (std::u16string_view f : font_.families) {
            o << "'";
            putEscaped(doc, toUtf8(f));
            o << "', ";
        }
        o << "sans-serif\" stroke-linecap=\"round\" stroke-linejoin=\"round\">\n" << body_ << "</g>\n</svg>\n";
        return doc;
    }

private:
    // A pen's width is in pixels, 15 twips each.
    static void stroke(Out& o, const DrawOp& op)
    {
        o << " stroke=\"" << op.colour << "\" stroke-width=\"" << Num{double(op.size) * kTwipsPerPixel} << "\"";
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
