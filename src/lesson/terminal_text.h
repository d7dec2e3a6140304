#pragma once
// What the program writes to a terminal about what it was given. An argument
// or a variable of the environment may hold anything: escape sequences that
// recolour or rewrite the terminal, line breaks, bytes that are not UTF-8,
// characters that turn the direction of the text, or a whole file. Shown back
// to the user it must be one short, harmless piece of one line.

#include <string>
#include <string_view>

namespace godo {

// No more characters than this are shown of what the user gave.
inline constexpr std::size_t kShownCharacters = 80;

// `raw` as it may safely be shown: printable UTF-8 as it is; a control
// character, a character that changes the direction or the joining of text,
// and each byte that is not part of a valid UTF-8 sequence written as an
// escape (\e, \n, \t, \xHH, \u{HHHH}); cut after kShownCharacters characters
// of the result, marked by "…".
std::string shownOnTerminal(std::string_view raw);

} // namespace godo
