// The lesson's event handlers. Each figure-changing handler works in four
// steps: an erase pass (pen 3) with the old state, one change of the state,
// a draw pass (pen 15) (together, step()), and the unlocking of the next
// controls (unlockAfter(), from the chain below).

#include "lesson/form1.h"

#include "lesson/figure_description.h"
#include "lesson/readings.h"
#include "lesson/texts.h"
#include "model/checked16.h"

#include <iterator>

namespace godo {

namespace {

// The order in which the lesson opens up: after its draw pass, the handler
// of `after` enables `next`. The load step locks every `next` again.
struct Unlock {
    Control after;
    Control next;
};
constexpr Unlock kUnlockChain[] = {
    {Control::katei, Control::hidari},    // the hypothesis shown, ｎ may turn
    {Control::katei, Control::migi},
    {Control::hidari, Control::keturon},  // ｎ turned, a conclusion may be chosen
    {Control::migi, Control::keturon},
    {Control::keturon, Control::sankaku}, // a conclusion chosen, the triangles
    {Control::sankaku, Control::henkaku}, // then the equal angles
    {Control::henkaku, Control::godo},    // then the congruence condition
};

int16_t toggled(int16_t flag) { return flag == 0 ? 1 : 0; }

// The words of an unexpected error, which are ASCII in practice; any other
// byte shows as '?' rather than as a wrong character.
std::u16string ascii(const char* s)
{
    std::u16string out;
    for (; *s; ++s)
        out += static_cast<unsigned char>(*s) < 0x80 ? static_cast<char16_t>(*s) : u'?';
    return out;
}

} // namespace

Form1::Form1(Face& face, const ColourScheme& scheme) : face_(face), figure_(face.gamen(), state_, scheme)
{
    enabled_.fill(true);
}

void Form1::load() { run(&Form1::Form_Load); }

void Form1::chosen()
{
    if (enabled(Control::keturon))
        run(&Form1::keturon_Click);
}

void Form1::setColourScheme(const ColourScheme& scheme)
{
    figure_.setScheme(scheme);
    run(&Form1::redraw);
}

void Form1::setRuby(bool on)
{
    std::vector<Figure::Ruby> ruby;
    if (on) {
        std::u16string before;
        for (const ReadingRun& r : readingRuns(kGodoSentence)) {
            if (r.ruby)
                ruby.push_back({before, r.base, r.reading});
            before += r.base;
        }
    }
    figure_.setSentenceRuby(std::move(ruby));
    run(&Form1::redraw);
}

void Form1::redraw()
{
    // The new background first: the redraw's Clear paints the area in it.
    applyLoadSettings(face_.gamen(), figure_.scheme());
    zukei(kBrightWhite);
}

void Form1::clicked(Control control)
{
    if (!enabled(control))
        return;
    switch (control) {
    case Control::katei: run(&Form1::katei_Click); break;
    case Control::hidari: run(&Form1::hidari_Click); break;
    case Control::migi: run(&Form1::migi_Click); break;
    case Control::sankaku: run(&Form1::sankaku_Click); break;
    case Control::henkaku: run(&Form1::henkaku_Click); break;
    case Control::godo: run(&Form1::godo_Click); break;
    case Control::saisyo: run(&Form1::saisyo_Click); break;
    case Control::Command1: run(&Form1::Command1_Click); break;
    case Control::owari: run(&Form1::owari_Click); break;
    default: break; // the list, the picture area and the labels have no click handler
    }
}

void Form1::run(void (Form1::*handler)())
{
    // No exception may cross a face's event loop. An error ends the handler at
    // the step that failed; whatever it drew up to there stays on the figure,
    // and the lesson goes on.
    try {
        (this->*handler)();
    } catch (const OverflowError&) {
        face_.showMessage(texts::kOverflow);
    } catch (const FloatingPointError&) {
        face_.showMessage(texts::kFloatingPoint);
    } catch (const PrintError& e) {
        face_.showMessage(e.message());
    } catch (const std::exception& e) {
        std::u16string m(texts::kUnexpectedBefore);
        m += ascii(e.what());
        m += texts::kUnexpectedAfter;
        face_.showMessage(m);
    }
}

void Form1::enable(Control control, bool on)
{
    enabled_[static_cast<int>(control)] = on;
    face_.setEnabled(control, on);
}

void Form1::zukei(const int16_t& iro)
{
    figure_.zukei(iro);
    if (iro == kBrightWhite)
        face_.setFigureDescription(describeFigure(state_));
}

void Form1::Form_Load()
{
    face_.setCaption(texts::kCaption);
    // The window's own coordinates are pixels already; the figure keeps to
    // the picture area's twips.
    applyLoadSettings(face_.gamen(), figure_.scheme());
    state_.reset();
    // Not a choice from the list: keturon_Click does not run.
    face_.setKeturonText(texts::kConclusionHeading);
    // Everything the chain unlocks starts locked, each control once: a control
    // that two handlers unlock stands in the chain twice in a row.
    for (std::size_t i = 0; i < std::size(kUnlockChain); ++i)
        if (i == 0 || kUnlockChain[i].next != kUnlockChain[i - 1].next)
            enable(kUnlockChain[i].next, false);
    zukei(kBrightWhite);
}

template <class Change>
void Form1::step(Change change)
{
    zukei(kBackground);
    change();
    zukei(kBrightWhite);
}

void Form1::unlockAfter(Control handler, bool on)
{
    for (const Unlock& u : kUnlockChain)
        if (u.after == handler)
            enable(u.next, on);
}

void Form1::katei_Click()
{
    step([this] { state_.fKatei = toggled(state_.fKatei); });
    unlockAfter(Control::katei);
}

void Form1::hidari_Click()
{
    step([this] {
        state_.kakudo = sub16(state_.kakudo, 5);
        if (state_.kakudo < 0)
            state_.kakudo = add16(state_.kakudo, 5);
    });
    unlockAfter(Control::hidari);
}

void Form1::migi_Click()
{
    step([this] {
        state_.kakudo = add16(state_.kakudo, 5);
        if (state_.kakudo > 170)
            state_.kakudo = sub16(state_.kakudo, 5);
    });
    unlockAfter(Control::migi);
}

void Form1::keturon_Click()
{
    step([this] {
        // Exact comparisons, code unit by code unit: width, case and spaces count.
        state_.nKeturon = 0;
        if (face_.keturonText() == texts::kConclusionApBq)
            state_.nKeturon = 1;
        if (face_.keturonText() == texts::kConclusionPmQm)
            state_.nKeturon = 2;
        if (face_.keturonText() == texts::kConclusionAngles)
            state_.nKeturon = 3;
    });
    // No conclusion, no triangles to look at: the heading locks sankaku again.
    unlockAfter(Control::keturon, state_.nKeturon != 0);
}

void Form1::sankaku_Click()
{
    step([this] { state_.fSankaku = toggled(state_.fSankaku); });
    unlockAfter(Control::sankaku);
}

void Form1::henkaku_Click()
{
    step([this] { state_.fHenkaku = toggled(state_.fHenkaku); });
    unlockAfter(Control::henkaku);
}

void Form1::godo_Click()
{
    step([this] { state_.fGodo = toggled(state_.fGodo); });
}

void Form1::saisyo_Click() { Form_Load(); }

void Form1::Command1_Click()
{
    // The figure as drawn becomes the area's picture, so the window's image
    // carries it; the state and the controls stay as they are.
    Surface& surface = face_.gamen();
    surface.setPicture(surface.image());
    face_.printWindow();
}

void Form1::owari_Click() { face_.end(); }

} // namespace godo
