#pragma once
// Text that must be read whole in a narrow field. A QLineEdit whose text is
// wider than the field scrolls it to the cursor, which hides the text's
// beginning: "∠APM＝∠BQM" in bold IPA P Gothic is wider than the conclusion
// list's field. The field's box stays as the layout has it; its font is
// condensed instead, just enough, and only while the text needs it.

#include <QFont>
#include <QString>

class QLineEdit;

namespace godo {

// QLineEdit keeps this much room inside its contents on either side of its
// text.
inline constexpr int kLineEditMargin = 2;

// No narrower than this: below it the letters start to look squeezed.
inline constexpr int kMinFieldStretch = 80;

// Pixels a QLineEdit needs to show `text` in `font` without scrolling: the
// text's advance and ink, and one pixel of cursor.
int fieldWidthNeeded(const QFont& font, const QString& text);

// The width inside `edit` where its text is shown.
int fieldRoom(const QLineEdit& edit);

// `base` at the widest stretch (100 as it is, down to kMinFieldStretch, in
// whole percent) at which `text` fits into `room` pixels.
QFont fittingFont(const QFont& base, const QString& text, int room);

// Keeps the field's text whole from now on: fits the font once the field is
// shown, and again each time the text, the field's width or its screen
// changes while it is shown. `base` is the font the field has when its text
// fits.
void keepFieldTextWhole(QLineEdit& edit, const QFont& base);

} // namespace godo
