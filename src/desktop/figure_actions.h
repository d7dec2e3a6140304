#pragma once
// 「図をコピー」 and 「図を保存…」: the window's actions that take the figure
// out of the lesson, in the support menu and on the keyboard (Ctrl+C and
// Ctrl+S while the window has the focus; a text field that has it keeps
// Ctrl+C for its own text). Saving asks for a file, whose extension gives
// the format.

#include "lesson/figure_export.h"
#include "lesson/support.h"

#include <QObject>
#include <QString>

#include <functional>
#include <string_view>

class QAction;
class QWidget;

namespace godo {

class Gamen;

class FigureActions final : public QObject {
    Q_OBJECT
public:
    // `settings` gives the faces of the moment; `message` shows what a save
    // that failed says.
    FigureActions(QWidget& window, const Gamen& picture, const SupportSettings& settings,
                  std::function<void(std::u16string_view)> message);

    QAction* copyAction() const { return copy_; }
    QAction* saveAction() const { return save_; }

    // Writes the figure to `path` in the format its extension names (else
    // `fallback`, whose extension it then takes); says so where it cannot.
    // The file it wrote, or an empty string.
    QString saveTo(QString path, FigureFormat fallback);

private:
    void askForFile();

    QWidget& window_;
    const Gamen& picture_;
    const SupportSettings& settings_;
    std::function<void(std::u16string_view)> message_;
    QAction* copy_;
    QAction* save_;
    QString lastFile_;
};

} // namespace godo
