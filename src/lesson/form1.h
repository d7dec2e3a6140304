#pragma once
// The window's code: the lesson's event handlers. Each one that changes the
// figure paints it over in the background colour, changes one thing in the
// FigureState, draws the figure anew and unlocks the next control. The face
// reports the pupil's actions through load(), clicked() and chosen(); each
// runs its handler inside the one error boundary, so that no error leaves
// the lesson and the lesson goes on after it.

#include "draw/figure.h"
#include "lesson/face.h"
#include "model/figure_state.h"

#include <array>
#include <cstdint>

namespace godo {

class Form1 {
public:
    // Draws in `scheme` until told otherwise.
    explicit Form1(Face& face, const ColourScheme& scheme = godo::colourScheme(ColourSchemeId::Standard));
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    // The window was created: the load step, before it is first shown.
    void load();
    // A click on a push button. Ignored for a control that is disabled or is
    // not a push button: a disabled control raises no events.
    void clicked(Control control);
    // An entry of keturon's list was chosen (the field holds it already).
    void chosen();
    // The figure in another colour scheme from now on: drawn again at once,
    // the lesson's state and controls as they are.
    void setColourScheme(const ColourScheme& scheme);
    const ColourScheme& colourScheme() const { return figure_.scheme(); }
    // The sentence below ｍ with (or without) the readings of its kanji from
    // now on, drawn again at once.
    void setRuby(bool on);

    const FigureState& state() const { return state_; }
    // Lets tests force the state out of the range the lesson keeps it in.
    FigureState& stateForTesting() { return state_; }
    // The enabled flag as the lesson last set it.
    bool enabled(Control control) const { return enabled_[static_cast<int>(control)]; }

private:
    // The browser's build catches exceptions in this function alone, found
    // by its name: it stays a function of its own.
    [[gnu::noinline]] void run(void (Form1::*handler)());
    void enable(Control control, bool on);
    void zukei(const int16_t& iro);
    // The erase pass over the state as it is, the change, the draw pass. An
    // error in a pass or in the change ends the step there.
    template <class Change>
    void step(Change change);
    // Enables (or, with on false, disables) the controls that the chain
    // unlocks after this handler.
    void unlockAfter(Control handler, bool on = true);

    void redraw();

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

    Face& face_;
    FigureState state_;
    Figure figure_;
    std::array<bool, kControlCount> enabled_;
};

} // namespace godo
