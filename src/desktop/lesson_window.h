#pragma once
// The lesson's desktop face: a Qt window built from the layout data, with the
// picture area on the left and the lesson's controls down the right. It
// forwards clicks and choices from the list to the window's code (Form1) and
// shows what that code asks; it holds no lesson logic of its own.

#include "lesson/controls.h"
#include "lesson/face.h"
#include "lesson/form1.h"
#include "lesson/support.h"

#include <QIcon>
#include <QWidget>

#include <array>
#include <memory>

class QComboBox;
class QPushButton;

namespace godo {

class FigureActions;
class Gamen;
class ReadAloud;
class SupportMenu;

class LessonWindow final : public QWidget, private Face {
    Q_OBJECT
public:
    // Shown with the support settings given: the lesson's own colours and
    // face unless chosen otherwise.
    explicit LessonWindow(const SupportSettings& settings = {}, QWidget* parent = nullptr);
    ~LessonWindow() override;

    const FigureState& state() const { return form_->state(); }
    FigureState& stateForTesting() { return form_->stateForTesting(); }
    const Gamen& picture() const { return *gamen_; }
    QWidget* control(Control c) const { return controls_[static_cast<int>(c)]; }
    const SupportSettings& supportSettings() const { return settings_; }
    ReadAloud& readAloud() { return *readAloud_; }
    // 「図をコピー」 and 「図を保存…」.
    FigureActions& figureActions() const { return *figureActions_; }
    // What the pupil chose in the support menu: applied at once and kept.
    void chooseSupport(const SupportSettings& settings);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void applyColours(const ColourScheme& scheme);
    void applyFont(const FontChoice& choice);
    void applyRuby(bool on);
    void openSupportMenu(QPoint globalPos);
    void createControls();
    void connectEvents();
    // After every event the figure may have changed; `pressed` is the
    // caption of what was pressed, or the entry chosen, to read aloud.
    void after(std::u16string_view pressed = {});
    // Reads what the figure shows once more.
    void readAgain();

    // Face
    void setEnabled(Control control, bool enabled) override;
    std::u16string keturonText() const override;
    void setKeturonText(std::u16string_view text) override;
    void setCaption(std::u16string_view caption) override;
    Surface& gamen() override;
    void setFigureDescription(std::u16string_view description) override;
    void printWindow() override;
    void end() override;
    void showMessage(std::u16string_view message) override;

    std::array<QWidget*, kControlCount> controls_{};
    QComboBox* keturon_ = nullptr;
    Gamen* gamen_ = nullptr;
    std::unique_ptr<Form1> form_;
    SupportSettings settings_;
    SupportMenu* supportMenu_ = nullptr; // built when first opened
    ReadAloud* readAloud_ = nullptr;
    // The OK button's icon of the first message, for all later ones.
    QIcon okIcon_;
    FigureActions* figureActions_ = nullptr;
};

QString toQString(std::u16string_view s);

} // namespace godo
