#pragma once

#include "lesson/support.h"

#include <QFont>

namespace godo {

// The window's Japanese face: ＭＳ Ｐゴシック where it exists, else Debian's
// proportional IPA P Gothic (the fixed-pitch fallback sets text 12 % wider);
// with the UD choice, BIZ UDPGothic first.
QFont japaneseFont(qreal points, bool bold, const FontChoice& choice = fontChoice(FontChoiceId::Standard));

} // namespace godo
