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
constexpr Rgb kYellow{255, 255, 0};
// The frame of the picture area on a black window: both edges at least 3 : 1
// against it, the shaded one the darker.
constexpr SunkenFrame kFrameOnBlack{{100, 100, 100}, {160, 160, 160}};
// On black, for low vision: every pen at least 7 : 1 against the black and
// far apart from the others in hue or lightness.
constexpr Rgb kSkyOnBlack{35, 180, 255};
constexpr Rgb kGreenOnBlack{20, 225, 130};
constexpr Rgb kPinkOnBlack{255, 128, 128};

// constexpr: read from other files' static initialisers too.
constexpr ColourScheme kSchemes[] = {
    {ColourSchemeId::Standard, "standard", u"標準", kQbColors,
     {128, 128, 0}, kWhite, std::nullopt, kBlack},
    // Colour-universal design: the recommended accents of the CUD set, moved
    // only as far as needed to keep every two of them apart in every kind of
    // colour vision, by lightness where hue fails (red and green for protans
    // and deutans, yellow and white for tritans). On black so that each
    // keeps at least 3 : 1 and the white text more than 4.5 : 1; the yellow
    // focus mark is far from the grey frame in every kind of vision too.
    {ColourSchemeId::Cud, "cud", u"色覚サポート（CUD）",
     pens({kBlack, {70, 75, 240}, {15, 170, 140}, {210, 60, 0}, {255, 185, 40}, kWhite}),
     kBlack, kWhite, kFrameOnBlack, {255, 241, 0}},
    {ColourSchemeId::WhiteOnBlack, "white-on-black", u"白黒反転",
     pens({kBlack, kSkyOnBlack, kGreenOnBlack, kPinkOnBlack, kYellow, kWhite}),
     kBlack, kWhite, kFrameOnBlack, kYellow},
    // The same pens with yellow and white changing places: the text yellow.
    {ColourSchemeId::YellowOnBlack, "yellow-on-black", u"黄×黒",
     pens({kBlack, kSkyOnBlack, kGreenOnBlack, kPinkOnBlack, kWhite, kYellow}),
     kBlack, kYellow, kFrameOnBlack, kWhite},
    // Worksheets and class sets: a white sheet and ink only where the figure
    // draws. On a black-and-white printer the pens become greys about 18 L*
    // apart (navy 19, red 36, green 54, orange 72, between black and the
    // white sheet), so each stays told apart from the others.
    {ColourSchemeId::Paper, "paper", u"印刷用（白地）",
     pens({kWhite, {0, 40, 110}, {20, 150, 55}, {175, 0, 0}, {240, 160, 0}, kBlack}),
     kWhite, kBlack, SunkenFrame{{90, 90, 90}, {140, 140, 140}}, {0, 90, 255}},
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
