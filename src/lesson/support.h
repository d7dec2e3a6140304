#pragma once
// The support settings: what a pupil or a teacher may change about how the
// lesson looks, never what it does. Each setting has one name, used alike by
// the device's stored choice, a link (#colors=cud&font=ud) and the desktop's
// command line (--colors=cud --font=ud); its first value is the default, and
// with every setting at its default the window is the lesson's own.

#include "draw/colour_scheme.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace godo {

enum class FontChoiceId : uint8_t { Standard, Ud };

struct FontChoice {
    FontChoiceId id;
    std::string_view name;       // "standard", "ud"
    std::u16string_view caption; // in the support menu
    // The faces asked for ahead of the layout's own family and fallbacks.
    std::span<const std::u16string_view> first;
};

// The families a face asks for with this choice, in order: the first that is
// there draws, the others stand in for glyphs it lacks.
std::vector<std::u16string_view> fontFamilies(const FontChoice& choice);

std::span<const FontChoice> fontChoices();
const FontChoice& fontChoice(FontChoiceId id);

// How fast read-aloud speaks.
enum class SpeechRate : uint8_t { Slower, Normal, Faster };

struct SpeechRateChoice {
    SpeechRate id;
    std::string_view name;       // as the setting's value
    std::u16string_view caption; // in the support menu
    double factor;               // of the voice's own speed, which each engine scales on its own
};
// In the menu's order: slower, normal, faster.
std::span<const SpeechRateChoice> speechRates();
const SpeechRateChoice& speechRate(SpeechRate id);

struct SupportSettings {
    ColourSchemeId colours = ColourSchemeId::Standard;
    FontChoiceId font = FontChoiceId::Standard;
    bool ruby = false;   // the reading above every kanji
    bool speech = false; // each press read aloud, with what the figure shows
    SpeechRate rate = SpeechRate::Normal;

    const ColourScheme& scheme() const { return colourScheme(colours); }
    const FontChoice& fontFace() const { return fontChoice(font); }
    bool operator==(const SupportSettings&) const = default;
};

// The settings' names, as stored and as links and options spell them.
namespace setting {
inline constexpr std::string_view kColours = "colors";
inline constexpr std::string_view kFont = "font";
inline constexpr std::string_view kRuby = "ruby";     // off | on
inline constexpr std::string_view kSpeech = "speech"; // off | on
inline constexpr std::string_view kRate = "rate";     // normal | slower | faster
} // namespace setting

// Sets `name` to the value named `value`. False, and nothing changed, for a
// name or a value the program does not know.
bool applySetting(SupportSettings& settings, std::string_view name, std::string_view value);

// Every setting with the name of its value, in the order above; what a face
// stores, and a link that gives the same settings reads "name=value&…".
struct SettingValue {
    std::string_view name;
    std::string_view value;
};
std::array<SettingValue, 5> settingValues(const SupportSettings& settings);

// The values a setting may take, the default first; and the same as one
// text, "a|b|c" (for --help and for the message about an unknown value).
std::vector<std::string_view> settingValueNames(std::string_view name);
std::string settingChoices(std::string_view name);

} // namespace godo
