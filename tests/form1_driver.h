#pragma once
// Drives a real lesson window the way a pupil does: mouse clicks on the
// buttons, arrow keys on the closed list, clicks in its opened list, typing in
// its field. Every helper returns false, with a QTest warning saying why, when
// the window did not react as a toolkit would (a popup that never opened, a
// control that is missing), so that a test can stop at once.

#include "desktop/lesson_window.h"
#include "pupil.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class QComboBox;
class QImage;
class QMessageBox;
class QPushButton;
class QWidget;

namespace godo::test {

// The object names of the thirteen controls, in the order of the layout.
const QStringList& controlNames();

class Form1Driver {
public:
    // Creates the window (its load step runs inside), shows it and waits until
    // it is the active window.
    Form1Driver();
    ~Form1Driver();

    LessonWindow& form() { return *form_; }
    const FigureState& state() const { return form_->state(); }

    QWidget* control(const QString& name) const;
    QPushButton* button(const QString& name) const;
    QComboBox* list() const;

    // Mouse click in the middle of a control.
    bool click(const QString& name);
    // Opens the list and clicks its entry (1-based, as the list is numbered).
    bool pickEntry(int entry);
    // A key on the closed list (Up, Down).
    bool keyOnList(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Puts the keyboard focus into the list's field, selects its text and types
    // `text` character by character, the way an input method commits it.
    bool typeIntoField(const QString& text);
    // A key sent to whatever has the keyboard focus.
    bool keyOnFocus(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

    // Runs the steps of the lesson's tables ("katei", "migi*4", "pick:3",
    // "down", "type:ＡＰ").
    bool run(const QStringList& steps);

    // '1' for enabled, '0' for disabled, over kLessonControls.
    QString enabledFlags() const;
    // The control (one of the thirteen) that has the keyboard focus, or "".
    QString focusedControl() const;

    QImage picture() const;
    QList<QMessageBox*> messageBoxes() const;
    // Closes every message box and lets it be deleted.
    void closeMessageBoxes();

private:
    std::unique_ptr<LessonWindow> form_;
};

// Every field of the state, for failure messages.
QString describe(const FigureState& s);

} // namespace godo::test
