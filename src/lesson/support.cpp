#include "lesson/support.h"

#include "lesson/layout.h"
#include "lesson/texts.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace godo {

namespace {

// BIZ UDPGothic, a universal-design face whose letters are told apart more
// easily; the layout's own faces stand in where it is missing.
constexpr std::u16string_view kUdFamilies[] = {u"BIZ UDPGothic"};

const FontChoice kFonts[] = {
    {FontChoiceId::Standard, "standard", texts::support::kFontStandard, {}},
    {FontChoiceId::Ud, "ud", texts::support::kFontUd, kUdFamilies},
};

} // namespace

std::span<const FontChoice> fontChoices() { return kFonts; }

namespace {

const SpeechRateChoice kSpeechRates[] = {
    {SpeechRate::Slower, "slower", texts::support::kRateSlower, 0.6},
    {SpeechRate::Normal, "normal", texts::support::kRateNormal, 1.0},
    {SpeechRate::Faster, "faster", texts::support::kRateFaster, 1.4},
};

} // namespace

std::span<const SpeechRateChoice> speechRates() { return kSpeechRates; }

const SpeechRateChoice& speechRate(SpeechRate id) { return kSpeechRates[static_cast<std::size_t>(id)]; }

const FontChoice& fontChoice(FontChoiceId id) { return kFonts[static_cast<std::size_t>(id)]; }

std::vector<std::u16string_view> fontFamilies(const FontChoice& choice)
{
    const WindowLayout& layout = windowLayout();
    std::vector<std::u16string_view> out(choice.first.begin(), choice.first.end());
    out.push_back(layout.fontFamily);
    out.insert(out.end(), layout.fallbackFamilies.begin(), layout.fallbackFamilies.end());
    return out;
}
namespace {

constexpr std::string_view kOffOn[] = {"off", "on"};
// The default first, as every setting's.
constexpr std::string_view kRates[] = {"normal", "slower", "faster"};
constexpr SpeechRate kRateOrder[] = {SpeechRate::Normal, SpeechRate::Slower, SpeechRate::Faster};

// Each setting: its name, the names of its values (the default first), and
// how the settings hold it, as the index of its value.
struct Setting {
    std::string_view name;
    std::vector<std::string_view> (*values)();
    std::size_t (*get)(const SupportSettings&);
    void (*set)(SupportSettings&, std::size_t);
};

const Setting kSettings[] = {
    {setting::kColours,
     [] {
         std::vector<std::string_view> v;
         for (const ColourScheme& s : colourSchemes())
             v.push_back(s.name);
         return v;
     },
     [](const SupportSettings& s) { return static_cast<std::size_t>(s.colours); },
     [](SupportSettings& s, std::size_t i) { s.colours = colourSchemes()[i].id; }},
    {setting::kFont,
     [] {
         std::vector<std::string_view> v;
         for (const FontChoice& f : kFonts)
             v.push_back(f.name);
         return v;
     },
     [](const SupportSettings& s) { return static_cast<std::size_t>(s.font); },
     [](SupportSettings& s, std::size_t i) { s.font = kFonts[i].id; }},
    {setting::kRuby, [] { return std::vector<std::string_view>(std::begin(kOffOn), std::end(kOffOn)); },
     [](const SupportSettings& s) { return std::size_t(s.ruby); },
     [](SupportSettings& s, std::size_t i) { s.ruby = i == 1; }},
    {setting::kSpeech, [] { return std::vector<std::string_view>(std::begin(kOffOn), std::end(kOffOn)); },
     [](const SupportSettings& s) { return std::size_t(s.speech); },
     [](SupportSettings& s, std::size_t i) { s.speech = i == 1; }},
    {setting::kRate, [] { return std::vector<std::string_view>(std::begin(kRates), std::end(kRates)); },
     [](const SupportSettings& s) {
         return static_cast<std::size_t>(std::find(std::begin(kRateOrder), std::end(kRateOrder), s.rate)
                                         - std::begin(kRateOrder));
     },
     [](SupportSettings& s, std::size_t i) { s.rate = kRateOrder[i]; }},
};

const Setting* findSetting(std::string_view name)
{
    for (const Setting& s : kSettings)
        if (s.name == name)
            return &s;
    return nullptr;
}

} // namespace

bool applySetting(SupportSettings& settings, std::string_view name, std::string_view value)
{
    const Setting* s = findSetting(name);
    if (!s)
        return false;
    const std::vector<std::string_view> values = s->values();
    const auto it = std::find(values.begin(), values.end(), value);
    if (it == values.end())
        return false;
    s->set(settings, static_cast<std::size_t>(it - values.begin()));
    return true;
}

std::array<SettingValue, 5> settingValues(const SupportSettings& settings)
{
    static_assert(std::size(kSettings) == 5);
    std::array<SettingValue, 5> out;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const Setting& s = kSettings[i];
        out[i] = {s.name, s.values()[s.get(settings)]};
    }
    return out;
}

std::vector<std::string_view> settingValueNames(std::string_view name)
{
    const Setting* s = findSetting(name);
    return s ? s->values() : std::vector<std::string_view>{};
}

std::string settingChoices(std::string_view name)
{
    std::string out;
    for (std::string_view v : settingValueNames(name)) {
        if (!out.empty())
            out += '|';
        out += v;
    }
    return out;
}

} // namespace godo
