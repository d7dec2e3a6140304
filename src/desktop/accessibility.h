#pragma once
// What a screen reader is told about the window beyond what Qt says of plain
// widgets: which kind of object a widget is, and which controls belong
// together under one label.

#include <QAccessible>
#include <QWidget>

namespace godo {

// A box that holds controls belonging together, so that a screen reader meets
// them as one group, named by the label whose buddy the box is. It paints
// nothing, takes no focus and handles no input: the window looks and behaves
// as if its controls stood in the window itself.
class ControlGroup final : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
};

// From now on every widget whose own class (not a subclass) is `cls` reports
// the accessible role `role`, and otherwise what Qt reports for any widget
// (its name is the window title for a window). Takes effect for widgets that
// are made accessible afterwards.
void setAccessibleRole(const QMetaObject& cls, QAccessible::Role role);

} // namespace godo
