#include "desktop/field_fit.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QLineEdit>

#include <algorithm>
#include <cmath>

namespace godo {

int fieldWidthNeeded(const QFont& font, const QString& text)
{
    // The text's advance or its ink, whichever reaches further on each side,
    // and one pixel for the cursor after it. (The font's widest overhangs,
    // which QFontMetrics::minLeftBearing reports, are 6 pixels in IPA P
    // Gothic but belong to glyphs that the field never shows.)
    const QFontMetricsF m(font);
    const QRectF ink = m.boundingRect(text);
    const qreal left = std::min<qreal>(0, ink.left());
    const qreal right = std::max(m.horizontalAdvance(text), ink.right());
    return static_cast<int>(std::ceil(right - left)) + 1;
}

int fieldRoom(const QLineEdit& edit)
{
    const QMargins text = edit.textMargins();
    return edit.contentsRect().width() - text.left() - text.right() - 2 * kLineEditMargin;
}

QFont fittingFont(const QFont& base, const QString& text, int room)
{
    const int needed = fieldWidthNeeded(base, text);
    if (needed <= room)
        return base;
    // Each stretch measured is a font engine loaded (some two million
    // instructions), so the stretch is computed, not searched for percent by
    // percent. The advance shrinks about in proportion to the stretch, though
    // not always by a whole pixel per percent: the estimate is measured and
    // corrected by a step or two, then by bisection between the widest
    // stretch known to fit (kMinFieldStretch, where the text may scroll) and
    // the narrowest known not to (100).
    QFont font = base;
    const auto fits = [&](int stretch) {
        font.setStretch(stretch);
        return fieldWidthNeeded(font, text) <= room;
    };
    int fitting = kMinFieldStretch;
    int tooWide = 100;
    // The pixel of the cursor does not shrink with the text.
    int probe = static_cast<int>(std::floor(100.0 * (room - 1) / std::max(needed - 1, 1)));
    for (int measured = 1; tooWide - fitting > 1; ++measured) {
        probe = std::clamp(probe, fitting + 1, tooWide - 1);
        const bool fit = fits(probe);
        (fit ? fitting : tooWide) = probe;
        // A step or two from the estimate settles it nearly always (one
        // pixel of rounding in the measurement at 100 % puts the estimate a
        // percent low); beyond that, halves.
        probe = measured <= 2 ? (fit ? probe + 1 : probe - 1) : (fitting + tooWide) / 2;
    }
    font.setStretch(fitting);
    return font;
}

namespace {

const QString kFitterName = QStringLiteral("fieldFitter");

class FieldFitter final : public QObject {
public:
    FieldFitter(QLineEdit& edit, const QFont& base) : QObject(&edit), edit_(edit), base_(base)
    {
        setObjectName(kFitterName);
        connect(&edit, &QLineEdit::textChanged, this, &FieldFitter::refit);
        edit.installEventFilter(this);
        refit();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // The field has its final width only once it is shown: the box places
        // it while the window is shown. Metrics may round differently on a
        // screen of another density.
        if (watched == &edit_
            && (event->type() == QEvent::Show || event->type() == QEvent::Resize
                || event->type() == QEvent::ScreenChangeInternal))
            refit();
        return false;
    }

private:
    void refit()
    {
        // Until then its width is the box's default, and a fit to it would
        // only be undone (at the cost of the font engines it loads).
        if (!edit_.isVisible())
            return;
        const QFont font = fittingFont(base_, edit_.text(), fieldRoom(edit_));
        if (font != edit_.font())
            edit_.setFont(font);
    }

    QLineEdit& edit_;
    QFont base_;
};

} // namespace

void keepFieldTextWhole(QLineEdit& edit, const QFont& base)
{
    // A new base face replaces the fitter of the old one.
    delete edit.findChild<QObject*>(kFitterName, Qt::FindDirectChildrenOnly);
    new FieldFitter(edit, base);
}

} // namespace godo
