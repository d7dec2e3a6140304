#pragma once
// Ruby in the conclusion list: over the kanji of the field's text, in the top
// of the box, the field's text a little smaller and lower beneath it; and
// over the kanji of the list's entries.

class QComboBox;
class QFont;

namespace godo {

// Switches the field's and the list's readings on or off; `base` is the
// field's font without ruby.
void showListRuby(QComboBox& box, const QFont& base, bool on);

} // namespace godo
