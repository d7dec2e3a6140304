#pragma once
// The figure as a teacher takes it out of the lesson, for a worksheet or a
// slide: the picture area's inside alone, as it is drawn now, in the chosen
// scheme. Its size, the resolution of its image, and the formats a file of
// it is written in; every face reads them from here.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace godo {

struct TwipsSize {
    int width, height;
    bool operator==(const TwipsSize&) const = default;
};

// The inside of the picture area, within its sunken frame, in twips: the
// figure's origin is its top-left corner, and what falls outside is clipped.
TwipsSize figureArea();

// An image of the figure is made at this resolution of the figure's own
// size: sharp on a printed worksheet.
inline constexpr int kFigureImageDpi = 300;

struct PixelSize {
    int width, height;
    bool operator==(const PixelSize&) const = default;
};
// The figure's size at `dpi`, each side to the nearest pixel.
PixelSize figurePixels(int dpi = kFigureImageDpi);

enum class FigureFormat : uint8_t { Svg, Png, Pdf };

struct FigureFormatInfo {
    FigureFormat format;
    std::string_view extension; // without the dot, lower case
    std::u16string_view filter; // as a file dialog names it
    std::string_view mimeType;
};

// The formats a file of the figure is saved in, the first the default.
std::span<const FigureFormatInfo> figureFormats();
const FigureFormatInfo& figureFormat(FigureFormat format);
// The format a file name's extension names (in any case), or none.
std::optional<FigureFormat> figureFormatOf(std::u16string_view fileName);

} // namespace godo
