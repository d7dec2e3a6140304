#pragma once
// The large view for a projector or an electronic blackboard: the window at
// the largest scale that the screen's free area holds, frame included. Qt
// scales crisply only when the factor is known before it starts
// (QT_SCALE_FACTOR), so the program measures the screen first and then runs
// itself again with the factor set.

#include <QMargins>
#include <QSize>

namespace godo {

// Scale factors go up in quarters, so that twips land on whole or half pixels.
inline constexpr double kProjectorScaleStep = 0.25;

// The largest multiple of kProjectorScaleStep, and never less than 1, at which
// a window whose client area is `client` pixels, with `frame` around it, fits
// into `available`. All sizes are in the screen's device-independent pixels;
// the frame does not grow with the factor (the desktop draws it).
double projectorScale(QSize available, QSize client, QMargins frame);

// Where the frame around the window comes from.
enum class FrameSource {
    NoWindowManager, // nothing puts a frame around it: no margins
    Measured,        // the window manager said how wide its frame is
    Allowance,       // unknown: kFrameAllowance
};

struct WindowFrame {
    QMargins margins;
    FrameSource source;
};

// Room kept for a frame that cannot be known (Wayland, or an X window manager
// that does not answer): a title bar and thin borders, plus a panel of about
// 32 pixels, which on Wayland the screen's free area does not leave out.
inline constexpr QMargins kFrameAllowance{8, 64, 8, 8};

// The frame that the desktop of the running QGuiApplication will put around a
// new top-level window, in device-independent pixels. On X11 the window
// manager is asked (_NET_REQUEST_FRAME_EXTENTS) for at most `timeoutMs`.
WindowFrame windowFrame(int timeoutMs);

// The client area of the lesson window at scale 1, in pixels: the core's layout.
QSize lessonClientSize();

} // namespace godo
