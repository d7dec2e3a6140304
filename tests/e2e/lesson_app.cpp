#include "lesson_app.h"

#include "child_process.h"

#include <QDeadlineTimer>
#include <QThread>

#include <stdexcept>

namespace godo::test {

namespace {

constexpr int kStartTimeoutMs = 30000;
constexpr int kChangeTimeoutMs = 5000;
// Long enough for the program to repaint after an event it should ignore;
// a real redraw shows within a few milliseconds.
constexpr int kQuietMs = 400;
constexpr int kPollMs = 30;

// A spot of the window's own olive background, between the picture area and
// the column of controls, level with the gap above 印刷.
constexpr QPoint kBackgroundSpot{601, 347};

QImage pictureArea(const QImage& window) { return window.copy(pixelRect(places::gamen)); }

bool hasCyan(const QImage& area)
{
    for (int y = 0; y < area.height(); ++y)
        for (int x = 0; x < area.width(); ++x)
            if (area.pixel(x, y) == qRgb(0, 128, 128))
                return true;
    return false;
}

} // namespace

LessonApp::LessonApp(const XvfbServer& server, const QString& program)
    : LessonApp(server, program, {}, QProcessEnvironment())
{
}

LessonApp::LessonApp(const XvfbServer& server, const QString& program, const QStringList& arguments,
                     const QProcessEnvironment& extra)
    : tools_(server.clientEnvironment())
{
    QProcessEnvironment env = server.clientEnvironment();
    env.insert(extra);
    process_.setProcessEnvironment(env);
    process_.setProgram(program);
    process_.setArguments(arguments);
    if (!startChild(process_, kStartTimeoutMs))
        throw std::runtime_error("cannot start " + program.toStdString());

    // Poll for the window: a synchronised search would never return if the
    // program died before showing one.
    const QDeadlineTimer deadline(kStartTimeoutMs);
    std::vector<WindowId> windows;
    while ((windows = tools_.visibleWindowsOf(pid())).empty()) {
        pauseWatching("before showing a window");
        if (deadline.hasExpired())
            throw std::runtime_error("no window from the program within " + std::to_string(kStartTimeoutMs)
                                     + " ms; it says: " + errorOutput().toStdString());
    }
    window_ = windows.front();
    geometry_ = tools_.windowGeometry(window_);

    // The first figure: the picture area turns cyan and stays put.
    QImage shown = grab();
    while (!hasCyan(pictureArea(shown))) {
        if (deadline.hasExpired())
            throw std::runtime_error("the window shows no figure");
        pauseWatching("before showing its first figure");
        shown = grab();
    }
    settle(shown, Expect::NoChange);
    takeKeyboard();
}

LessonApp::~LessonApp() { stopChild(process_); }

void LessonApp::pauseWatching(const char* when)
{
    // Nothing runs an event loop here, and QProcess learns that its child has
    // ended only in one or in a waitFor call: a plain sleep would leave the
    // state at Running until the deadline. Waiting for the end instead also
    // reads what the program writes, so that it never blocks on a full pipe.
    if (process_.state() == QProcess::Running && !process_.waitForFinished(kPollMs))
        return;
    throw std::runtime_error(describeEnd(process_, when));
}

std::string describeEnd(QProcess& process, const char* when)
{
    std::string what = "the program ended " + std::string(when) + ": ";
    if (process.exitStatus() == QProcess::CrashExit)
        what += "killed by signal " + std::to_string(process.exitCode());
    else
        what += "exit status " + std::to_string(process.exitCode());
    const QByteArray said = process.readAllStandardError();
    what += said.isEmpty() ? std::string("; it wrote nothing to its error output")
                           : "; its error output:\n" + said.toStdString();
    return what;
}

QImage LessonApp::grab() const { return tools_.screenshot().copy(geometry_); }

QImage LessonApp::settle(const QImage& before, Expect expect) const
{
    const QImage was = pictureArea(before);
    QImage now = grab();
    if (expect == Expect::Change) {
        const QDeadlineTimer deadline(kChangeTimeoutMs);
        while (pictureArea(now) == was) {
            if (deadline.hasExpired())
                throw std::runtime_error("the picture did not change");
            QThread::msleep(kPollMs);
            now = grab();
        }
    } else {
        QThread::msleep(kQuietMs);
        now = grab();
    }
    // A large repaint can reach the screen in strips: wait for two equal
    // screenshots in a row.
    const QDeadlineTimer deadline(kChangeTimeoutMs);
    for (;;) {
        QThread::msleep(kPollMs);
        QImage next = grab();
        if (pictureArea(next) == pictureArea(now))
            return next;
        if (deadline.hasExpired())
            throw std::runtime_error("the picture does not settle");
        now = next;
    }
}

QImage LessonApp::click(const Place& control, Expect expect, int times)
{
    return clickAt(centre(control), expect, times);
}

QImage LessonApp::clickAt(QPoint inWindow, Expect expect, int times)
{
    const QImage before = grab();
    tools_.click(geometry_.topLeft() + inWindow, times);
    return settle(before, expect);
}

QImage LessonApp::press(const QString& keys, Expect expect)
{
    const QImage before = grab();
    tools_.key(keys);
    return settle(before, expect);
}

void LessonApp::takeKeyboard()
{
    tools_.click(geometry_.topLeft() + kBackgroundSpot);
    const QDeadlineTimer deadline(kChangeTimeoutMs);
    while (tools_.focusedWindow() != window_) {
        if (deadline.hasExpired())
            throw std::runtime_error("the window does not take the keyboard");
        QThread::msleep(kPollMs);
    }
}

void LessonApp::focusListField()
{
    // The left part of the box is its text field.
    const QRect box = pixelRect(places::keturon);
    clickAt(QPoint(box.left() + 20, box.center().y()), Expect::NoChange);
}

QPoint LessonApp::listArrow()
{
    const QRect box = pixelRect(places::keturon);
    return QPoint(box.right() - 7, box.center().y());
}

std::vector<WindowId> LessonApp::popups() const
{
    std::vector<WindowId> found;
    for (WindowId w : tools_.visibleWindowsOf(pid()))
        if (w != window_)
            found.push_back(w);
    return found;
}

QImage LessonApp::chooseFromList(int entry, QRect* popup, Expect expect)
{
    constexpr int kEntries = 4;
    const QImage before = grab();
    tools_.click(geometry_.topLeft() + listArrow());

    // The list drops down in a window of its own.
    const QDeadlineTimer deadline(kChangeTimeoutMs);
    std::vector<WindowId> open;
    while ((open = popups()).empty()) {
        if (deadline.hasExpired())
            throw std::runtime_error("the conclusion list does not open");
        QThread::msleep(kPollMs);
    }
    const QRect list = tools_.windowGeometry(open.front());
    if (popup)
        *popup = list;
    // Give the list its first paint before clicking into it.
    QThread::msleep(100);
    const int rowY = list.top() + (list.height() * (2 * entry + 1)) / (2 * kEntries);
    tools_.click(QPoint(list.center().x(), rowY));

    while (!popups().empty()) {
        if (deadline.hasExpired())
            throw std::runtime_error("the conclusion list does not close");
        QThread::msleep(kPollMs);
    }
    return settle(before, expect);
}

bool LessonApp::waitForExit(int milliseconds) { return process_.waitForFinished(milliseconds); }

QString LessonApp::errorOutput() { return QString::fromLocal8Bit(process_.readAllStandardError()); }

} // namespace godo::test
