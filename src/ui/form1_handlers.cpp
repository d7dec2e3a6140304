// The lesson's event handlers. Each figure-changing handler works in four
// steps: an erase pass (pen 3) with the old state, one change of the state,
// a draw pass (pen 15), and the unlocking of the next control.

#include "ui/form1.h"

#include "model/checked16.h"
#include "ui/figure_description.h"
#include "ui/gamen.h"
#include "ui/print_window.h"
#include "ui/texts.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

namespace godo {

namespace {
int16_t toggled(int16_t flag) { return flag == 0 ? 1 : 0; }
} // namespace

void Form1::run(void (Form1::*handler)())
{
    // No exception may cross the event loop. An error ends the handler at the
    // step that failed; whatever it drew up to there stays on the figure.
    try {
        (this->*handler)();
    } catch (const OverflowError&) {
        showError(QStringLiteral(u"計算の途中で桁あふれ（オーバーフロー）が起きたため、"
                                 u"この操作は途中で止まりました。"));
    } catch (const FloatingPointError&) {
        showError(QStringLiteral(u"計算の途中で浮動小数点演算のエラーが起きたため、"
                                 u"この操作は途中で止まりました。"));
    } catch (const PrintError& e) {
        showError(e.message());
    } catch (const std::exception& e) {
        showError(QStringLiteral(u"予期しないエラー（%1）が起きたため、この操作は途中で止まりました。")
                      .arg(QString::fromLocal8Bit(e.what())));
    }
    gamen->update();
}

void Form1::showError(const QString& message)
{
    // Window-modal but not blocking: the handler has ended and the lesson goes
    // on once the box is closed.
    auto* box = new QMessageBox(QMessageBox::Warning, texts::caption(), message, QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void Form1::zukei(const int16_t& iro)
{
    figure_->zukei(iro);
    if (iro == kBrightWhite)
        gamen->setAccessibleDescription(describeFigure(state_));
}

void Form1::Form_Load()
{
    setWindowTitle(texts::caption());
    // The window's own coordinates are pixels already; the figure keeps to
    // the picture area's twips.
    QtSurface& surface = gamen->surface();
    surface.setBackColor(qbColor(kBackground));
    surface.setDrawWidth(3);
    surface.setFontSize(15);
    state_.reset();
    // Not a choice from the list: neither of these raises keturon_Click.
    keturon->setCurrentIndex(0);
    keturon->setEditText(texts::conclusionHeading());
    hidari->setEnabled(false);
    migi->setEnabled(false);
    keturon->setEnabled(false);
    sankaku->setEnabled(false);
    henkaku->setEnabled(false);
    godo->setEnabled(false);
    int16_t iro = kBrightWhite;
    zukei(iro);
}

void Form1::katei_Click()
{
    int16_t iro = kBackground;
    zukei(iro);
    state_.fKatei = toggled(state_.fKatei);
    iro = kBrightWhite;
    zukei(iro);
    hidari->setEnabled(true);
    migi->setEnabled(true);
}

void Form1::hidari_Click()
{
    int16_t iro = kBackground;
    zukei(iro);
    state_.kakudo = sub16(state_.kakudo, 5);
    if (state_.kakudo < 0)
        state_.kakudo = add16(state_.kakudo, 5);
    iro = kBrightWhite;
    zukei(iro);
    keturon->setEnabled(true);
}

void Form1::migi_Click()
{
    int16_t iro = kBackground;
    zukei(iro);
    state_.kakudo = add16(state_.kakudo, 5);
    if (state_.kakudo > 170)
        state_.kakudo = sub16(state_.kakudo, 5);
    iro = kBrightWhite;
    zukei(iro);
    keturon->setEnabled(true);
}

void Form1::keturon_Click()
{
    int16_t iro = kBackground;
    zukei(iro);
    // Exact comparisons, code unit by code unit: width, case and spaces count.
    state_.nKeturon = 0;
    if (keturon->currentText() == texts::conclusionApBq())
        state_.nKeturon = 1;
    if (keturon->currentText() == texts::conclusionPmQm())
        state_.nKeturon = 2;
    if (keturon->currentText() == texts::conclusionAngles())
        state_.nKeturon = 3;
    iro = kBrightWhite;
    zukei(iro);
    sankaku->setEnabled(state_.nKeturon != 0);
}

void Form1::sankaku_Click()
{
    int16_t iro = kBackground;
    zukei(iro);
    state_.fSankaku = toggled(state_.fSankaku);
    iro = kBrightWhite;
    zukei(iro);
    henkaku->setEnabled(true);
}

void Form1::henkaku_Click()
{
    int16_t iro = kBackground;
    zukei(iro);
    state_.fHenkaku = toggled(state_.fHenkaku);
    iro = kBrightWhite;
    zukei(iro);
    godo->setEnabled(true);
}

void Form1::godo_Click()
{
    int16_t iro = kBackground;
    zukei(iro);
    state_.fGodo = toggled(state_.fGodo);
    iro = kBrightWhite;
    zukei(iro);
}

void Form1::saisyo_Click() { Form_Load(); }

void Form1::Command1_Click()
{
    // The figure as drawn becomes the area's picture, so the window's image
    // carries it; the state and the controls stay as they are.
    QtSurface& surface = gamen->surface();
    surface.setPicture(surface.image());
    printWindow(*this);
}

void Form1::owari_Click()
{
    close();
    QCoreApplication::exit(0);
}

} // namespace godo
