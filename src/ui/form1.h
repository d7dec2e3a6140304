#pragma once
// The lesson window: the picture area on the left, the lesson's controls down
// the right. Its event handlers are the whole control logic: each one paints
// the figure over in the background colour, changes one thing in the
// FigureState, draws the figure anew and unlocks the next control.

#include "draw/figure.h"
#include "model/figure_state.h"

#include <QWidget>

#include <memory>

class QComboBox;
class QLabel;
class QPushButton;

namespace godo {

class Gamen;

class Form1 final : public QWidget {
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);

    const FigureState& state() const { return state_; }
    const Gamen& picture() const { return *gamen; }

    // Lets tests force the state out of the range the lesson keeps it in.
    FigureState& stateForTesting() { return state_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();

    // Runs one handler, turning any error it raises into a message box: the
    // handler stops at the failing step, what it drew stays, the program goes on.
    void run(void (Form1::*handler)());
    void showError(const QString& message);
    void connectHandlers();

    void zukei(const int16_t& iro);

    void Form_Load();
    void katei_Click();
    void hidari_Click();
    void migi_Click();
    void keturon_Click();
    void sankaku_Click();
    void henkaku_Click();
    void godo_Click();
    void saisyo_Click();
    void Command1_Click();
    void owari_Click();

    FigureState state_;

    // The thirteen controls, named as the lesson names them.
    QPushButton* Command1 = nullptr;
    QComboBox* keturon = nullptr;
    QPushButton* godo = nullptr;
    QPushButton* henkaku = nullptr;
    QPushButton* sankaku = nullptr;
    QPushButton* katei = nullptr;
    QPushButton* owari = nullptr;
    QPushButton* saisyo = nullptr;
    QPushButton* migi = nullptr;
    QPushButton* hidari = nullptr;
    Gamen* gamen = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label3 = nullptr;

    std::unique_ptr<Figure> figure_; // draws state_ on gamen's surface
};

} // namespace godo
