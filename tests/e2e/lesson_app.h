#pragma once
// The real lesson program, started on a private X server exactly as a user
// starts it (no arguments, no test hooks, the X platform), and driven with
// the real pointer and keyboard at the places of its controls. Every action
// waits until the picture area has settled and returns the window as it then
// looks on the screen.

#include "control_places.h"
#include "x_server.h"
#include "x_tools.h"

#include <QImage>
#include <QProcess>
#include <QRect>
#include <QString>

#include <string>

namespace godo::test {

// How a process that has ended ended: its exit status or signal and what it
// wrote to its error output, for a test's failure message.
std::string describeEnd(QProcess& process, const char* when);

class LessonApp {
public:
    // What the action is supposed to do to the picture area: Change waits
    // until it has changed (and fails if it does not); NoChange gives the
    // program a moment to show a change that it should not make.
    enum class Expect { Change, NoChange };

    // Starts the program, waits for its window and its first figure, and
    // clicks into the window so that it has the keyboard (there is no window
    // manager to give it). Throws std::runtime_error when any of this fails.
    LessonApp(const XvfbServer& server, const QString& program);
    // The same with command-line arguments and variables added to the
    // environment (e.g. QT_SCALE_FACTOR, which the server's client
    // environment leaves out).
    LessonApp(const XvfbServer& server, const QString& program, const QStringList& arguments,
              const QProcessEnvironment& extra);
    ~LessonApp();

    LessonApp(const LessonApp&) = delete;
    LessonApp& operator=(const LessonApp&) = delete;

    const XTools& tools() const { return tools_; }
    qint64 pid() const { return process_.processId(); }
    WindowId window() const { return window_; }
    QRect geometry() const { return geometry_; } // on the screen
    QString title() const { return tools_.windowName(window_); }

    // The window as it is on the screen now.
    QImage grab() const;

    // Clicks the middle of a control, `times` times in a row.
    QImage click(const Place& control, Expect expect = Expect::Change, int times = 1);
    // Clicks a point given in window pixels.
    QImage clickAt(QPoint inWindow, Expect expect, int times = 1);
    // Presses keys (xdotool's names, e.g. "Down") on whatever has the focus.
    QImage press(const QString& keys, Expect expect = Expect::Change);

    // Puts the keyboard focus into the text field of the conclusion list.
    void focusListField();
    // Opens the conclusion list with the arrow of its box and clicks entry
    // `entry` (0 for the heading) in the list that drops down. popup, if
    // given, receives where the list was on the screen.
    QImage chooseFromList(int entry, QRect* popup = nullptr, Expect expect = Expect::Change);
    // The list box's arrow, in window pixels.
    static QPoint listArrow();

    // Waits for the program to end; true when it did within the time.
    bool waitForExit(int milliseconds);
    QProcess::ExitStatus exitStatus() const { return process_.exitStatus(); }
    int exitCode() const { return process_.exitCode(); }
    QString errorOutput();

private:
    // Waits a polling interval; throws, with the exit status and the error
    // output, when the program has ended (`when`: "before ...").
    void pauseWatching(const char* when);
    void takeKeyboard();
    QImage settle(const QImage& before, Expect expect) const;
    std::vector<WindowId> popups() const;

    XTools tools_;
    QProcess process_;
    WindowId window_ = 0;
    QRect geometry_;
};

} // namespace godo::test
