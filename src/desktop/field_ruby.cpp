#include "desktop/field_ruby.h"

#include "desktop/field_fit.h"
#include "desktop/ruby_text.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QStyledItemDelegate>

namespace godo {

namespace {

const QString kOverlayName = QStringLiteral("fieldRuby");
const QString kPlainDelegateName = QStringLiteral("plainEntries");

// The room the readings take at the top of the field, in pixels, and how
// much smaller the field's text becomes under them.
constexpr int kRubyRoom = 5;
constexpr qreal kFieldScale = kMinRubyBaseScale;

// Paints the readings of the field's text over it, where the line edit
// draws the text; it takes no input.
class FieldReadings final : public QWidget {
public:
    explicit FieldReadings(QComboBox& box) : QWidget(&box), box_(box)
    {
        setObjectName(kOverlayName);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(box.rect());
        connect(box.lineEdit(), &QLineEdit::textChanged, this, qOverload<>(&QWidget::update));
        show();
        raise();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        const QLineEdit& edit = *box_.lineEdit();
        const QRect r = edit.geometry();
        const qreal left = r.left() + edit.contentsRect().left() + edit.textMargins().left() + kLineEditMargin;
        const QFont base = edit.font();
        const std::u16string text = edit.text().toStdU16String();
        RubyLine line = layoutRubyLine(text, base, QRectF(left, 0, r.width(), r.top() + kRubyRoom + 2),
                                       Qt::AlignLeft, false);
        // Above the text, in the room the field leaves at its top.
        for (RubyReading& reading : line.readings)
            reading.rect.moveTop(0);
        QPainter p(this);
        paintReadings(p, line, edit.palette().color(edit.isEnabled() ? QPalette::Active : QPalette::Disabled,
                                                    QPalette::Text));
    }

private:
    QComboBox& box_;
};

// The list's entries, each with the readings above its kanji.
class EntryReadings final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem o = option;
        initStyleOption(&o, index);
        const std::u16string text = o.text.toStdU16String();
        o.text.clear();
        o.widget->style()->drawControl(QStyle::CE_ItemViewItem, &o, painter, o.widget);
        const QRect box = o.widget->style()->subElementRect(QStyle::SE_ItemViewItemText, &o, o.widget);
        const bool selected = o.state & QStyle::State_Selected;
        paintRubyLine(*painter, layoutRubyLine(text, o.font, box, Qt::AlignLeft), text,
                      o.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        // Room for the readings above the entry.
        const QSize s = QStyledItemDelegate::sizeHint(option, index);
        return {s.width(), s.height() + QFontMetrics(option.font).height() / 2};
    }
};

} // namespace

void showListRuby(QComboBox& box, const QFont& base, bool on)
{
    delete box.findChild<QWidget*>(kOverlayName, Qt::FindDirectChildrenOnly);
    QFont field = base;
    auto* readings = dynamic_cast<EntryReadings*>(box.itemDelegate());
    if (on) {
        field.setPointSizeF(base.pointSizeF() * kFieldScale);
        new FieldReadings(box);
        if (!readings) {
            // The box's own delegate stays its child, to come back.
            box.itemDelegate()->setObjectName(kPlainDelegateName);
            box.setItemDelegate(new EntryReadings(&box));
        }
    } else if (readings) {
        box.setItemDelegate(box.findChild<QAbstractItemDelegate*>(kPlainDelegateName));
        delete readings;
    }
    box.lineEdit()->setTextMargins(0, on ? kRubyRoom : 0, 0, 0);
    keepFieldTextWhole(*box.lineEdit(), field);
}

} // namespace godo
