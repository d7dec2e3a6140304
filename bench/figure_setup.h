#pragma once
// What the programs that draw the figure off screen share: the size of the
// picture area, the surface settings of the window's load step (the core's
// godo::applyLoadSettings, found by argument-dependent lookup), the lesson's
// state at an angle with or without the overlays, and a GUI application that
// needs no display.

#include "draw/figure.h"
#include "model/figure_state.h"

#include <QGuiApplication>
#include <QSize>

#include <cstdint>
#include <optional>

namespace bench {

// The inside of the picture area, in logical pixels.
inline constexpr QSize kAreaSize(583, 495);

// The state at `angle` degrees: the base figure for conclusion 0, every
// overlay on with that conclusion for 1..3.
inline godo::FigureState lessonState(int16_t angle, int16_t conclusion)
{
    godo::FigureState s;
    s.reset();
    s.kakudo = angle;
    if (conclusion != 0) {
        s.fKatei = s.fSankaku = s.fHenkaku = s.fGodo = 1;
        s.nKeturon = conclusion;
    }
    return s;
}

// Fonts need a GUI application; no window is shown, so it runs on the
// offscreen platform unless another one is asked for.
class OffscreenApplication {
public:
    explicit OffscreenApplication(char* program) : argv_{program, nullptr}
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app_.emplace(argc_, argv_);
    }

private:
    int argc_ = 1;
    char* argv_[2];
    std::optional<QGuiApplication> app_;
};

} // namespace bench
