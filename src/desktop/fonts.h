#pragma once

#include <QFont>

namespace godo {

// The window's Japanese face: ＭＳ Ｐゴシック where it exists, else Debian's
// proportional IPA P Gothic (the fixed-pitch fallback sets text 12 % wider).
QFont japaneseFont(qreal points, bool bold);

} // namespace godo
