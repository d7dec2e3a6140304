#include "lesson/figure_export.h"

#include "lesson/layout.h"
#include "lesson/texts.h"

namespace godo {

namespace {

constexpr FigureFormatInfo kFormats[] = {
    {FigureFormat::Svg, "svg", texts::figure_export::kFilterSvg, "image/svg+xml"},
    {FigureFormat::Png, "png", texts::figure_export::kFilterPng, "image/png"},
    {FigureFormat::Pdf, "pdf", texts::figure_export::kFilterPdf, "application/pdf"},
};

constexpr int kTwipsPerInch = 1440;

char16_t lower(char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c - u'A' + u'a') : c; }

} // namespace

TwipsSize figureArea()
{
    // As the faces build the area: each edge of its box rounded to whole
    // pixels, less the frame on either side.
    const WindowLayout& layout = windowLayout();
    const TwipsRect& r = layout[Control::gamen].rect;
    const int frame = 2 * layout.pictureBorder;
    const int w = twipsToPixels(r.left + r.width) - twipsToPixels(r.left) - frame;
    const int h = twipsToPixels(r.top + r.height) - twipsToPixels(r.top) - frame;
    return {w * kTwipsPerPixel, h * kTwipsPerPixel};
}

PixelSize figurePixels(int dpi)
{
    const TwipsSize a = figureArea();
    const auto at = [dpi](int twips) { return (2 * twips * dpi + kTwipsPerInch) / (2 * kTwipsPerInch); };
    return {at(a.width), at(a.height)};
}

std::span<const FigureFormatInfo> figureFormats() { return kFormats; }

const FigureFormatInfo& figureFormat(FigureFormat format) { return kFormats[static_cast<std::size_t>(format)]; }

std::optional<FigureFormat> figureFormatOf(std::u16string_view fileName)
{
    const std::size_t dot = fileName.rfind(u'.');
    const std::size_t slash = fileName.find_last_of(u"/\\");
    if (dot == std::u16string_view::npos || (slash != std::u16string_view::npos && slash > dot))
        return std::nullopt;
    const std::u16string_view ext = fileName.substr(dot + 1);
    for (const FigureFormatInfo& f : kFormats) {
        if (ext.size() != f.extension.size())
            continue;
        bool same = true;
        for (std::size_t i = 0; i < ext.size() && same; ++i)
            same = lower(ext[i]) == char16_t(f.extension[i]);
        if (same)
            return f.format;
    }
    return std::nullopt;
}

} // namespace godo
