#include "desktop/field_fit.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QLineEdit>

#include <algorithm>
#include <cmath>

namespace godo {

namespace {

// QLineEdit keeps this much room inside its contents on either side.
constexpr int kLineEditMargin = 2;

} // namespace

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
    QFont font = base;
    if (fieldWidthNeeded(base, text) <= room)
        return font;
    // The advance shrinks with the stretch, though not always by a whole
    // pixel per percent: try each.
    for (int stretch = 99; stretch >= kMinFieldStretch; --stretch) {
        font.setStretch(stretch);
        if (fieldWidthNeeded(font, text) <= room)
            break;
    }
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
        // The field's width is known only once the box has placed it; metrics
        // may round differently on a screen of another density.
        if (watched == &edit_ && (event->type() == QEvent::Resize || event->type() == QEvent::ScreenChangeInternal))
            refit();
        return false;
    }

private:
    void refit()
    {
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
