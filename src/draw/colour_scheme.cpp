#include "draw/colour_scheme.h"

#include <stdexcept>

namespace godo {

namespace {

// The standard QBColor palette, as every scheme starts from it: a pen that
// the figure never uses keeps its standard colour.
constexpr std::array<Rgb, 16> kQbColors{{
    {0, 0, 0},       {0, 0, 128},     {0, 128, 0},     {0, 128, 128},
    {128, 0, 0},     {128, 0, 128},   {128, 128, 0},   {192, 192, 192},
    {128, 128, 128}, {0, 0, 255},     {0, 255, 0},     {0, 255, 255},
    {255, 0, 0},     {255, 0, 255},   {255, 255, 0},   {255, 255, 255},
}};

// The six pens the figure draws with, set over the standard palette.
struct FigurePens {
    Rgb background, triangleApm, triangleBqm, lineN, hypothesis, pen;
};

constexpr std::array<Rgb, 16> pens(FigurePens p)
{
    std::array<Rgb, 16> all = kQbColors;
    all[kBackground] = p.background;
    all[kLightBlue] = p.triangleApm;
    all[kLightGreen] = p.triangleBqm;
    all[kLightRed] = p.lineN;
    all[kLightYellow] = p.hypothesis;
    all[kBrightWhite] = p.pen;
    return all;
}

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};

const ColourScheme kSchemes[] = {
    {ColourSchemeId::Standard, "standard", u"標準", kQbColors,
     {128, 128, 0}, kWhite, std::nullopt, kBlack},
    // Colour-universal design: told apart in every kind of colour vision,
    // by lightness as well as by hue.
    {ColourSchemeId::Cud, "cud", u"色覚サポート（CUD）",
     pens({{0, 0, 0}, {86, 180, 233}, {0, 158, 115}, {230, 159, 0}, {240, 228, 66}, kWhite}),
     {0, 0, 0}, kWhite, SunkenFrame{{90, 90, 90}, {200, 200, 200}}, {255, 255, 255}},
    {ColourSchemeId::WhiteOnBlack, "white-on-black", u"白黒反転",
     pens({kBlack, {128, 200, 255}, {128, 255, 128}, {255, 128, 128}, {255, 255, 0}, kWhite}),
     kBlack, kWhite, SunkenFrame{{128, 128, 128}, {220, 220, 220}}, {255, 255, 0}},
    {ColourSchemeId::YellowOnBlack, "yellow-on-black", u"黄×黒",
     pens({kBlack, {128, 200, 255}, {128, 255, 128}, {255, 128, 128}, kWhite, {255, 255, 0}}),
     kBlack, {255, 255, 0}, SunkenFrame{{128, 128, 128}, {220, 220, 220}}, kWhite},
    // Worksheets and class sets: a white sheet, little ink, and pens that
    // stay apart in lightness on a black-and-white printer.
    {ColourSchemeId::Paper, "paper", u"印刷用（白地）",
     pens({kWhite, {0, 90, 200}, {0, 140, 60}, {200, 0, 0}, {230, 160, 0}, kBlack}),
     kWhite, kBlack, SunkenFrame{{128, 128, 128}, {200, 200, 200}}, kBlack},
};

} // namespace

Rgb ColourScheme::pen(int16_t index) const
{
    if (index < 0 || index > 15)
        throw std::out_of_range("colour index outside 0..15");
    return pens[static_cast<std::size_t>(index)];
}

std::span<const ColourScheme> colourSchemes() { return kSchemes; }

const ColourScheme& colourScheme(ColourSchemeId id) { return kSchemes[static_cast<std::size_t>(id)]; }

const ColourScheme* findColourScheme(std::string_view name)
{
    for (const ColourScheme& s : kSchemes)
        if (s.name == name)
            return &s;
    return nullptr;
}

} // namespace godo
