#pragma once
// The X command-line tools, run against one display: xdotool for the real
// pointer and keyboard and for finding windows, ImageMagick's import for
// screenshots. Every call waits for the tool; a failing tool throws
// std::runtime_error naming the command.

#include <QImage>
#include <QPoint>
#include <QProcessEnvironment>
#include <QRect>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace godo::test {

using WindowId = qulonglong;

class XTools {
public:
    explicit XTools(QProcessEnvironment env) : env_(std::move(env)) {}

    // Mapped windows whose _NET_WM_PID is pid; empty when there are none.
    std::vector<WindowId> visibleWindowsOf(qint64 pid) const;
    QRect windowGeometry(WindowId window) const;
    QString windowName(WindowId window) const;
    // The window holding the keyboard, if it is a real window.
    std::optional<WindowId> focusedWindow() const;

    // Moves the pointer there and clicks the left button, in one call: a
    // separate synchronised move can stall for seconds.
    void click(QPoint screen, int times = 1) const;
    void moveTo(QPoint screen) const;
    void key(const QString& keys) const;

    // The whole screen as it is now.
    QImage screenshot() const;

private:
    struct Result {
        int exitCode;
        QByteArray out;
    };
    Result run(const QString& program, const QStringList& args) const;
    QByteArray xdotool(const QStringList& args) const;

    QProcessEnvironment env_;
};

} // namespace godo::test
