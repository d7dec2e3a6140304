#pragma once
// A private X server for driving the real program: Xvfb on a display number
// it picks itself, with a runtime folder of its own. Stopped by the
// destructor, also when a check has failed half-way.

#include <QProcess>
#include <QProcessEnvironment>
#include <QSize>
#include <QString>
#include <QTemporaryDir>

namespace godo::test {

class XvfbServer {
public:
    // Starts the server (a screen of `size` × 24 bits, no TCP) and waits
    // until it accepts clients. Throws std::runtime_error when it cannot.
    explicit XvfbServer(QSize size = QSize(1024, 768));
    ~XvfbServer();

    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    QString display() const { return display_; }

    // What an X client started on this server sees: the caller's environment
    // with DISPLAY pointing here and the private runtime folder, and without
    // anything that would send Qt elsewhere (another platform, Wayland, a
    // scale factor).
    QProcessEnvironment clientEnvironment() const;

private:
    QTemporaryDir runtime_; // 0700, as Qt wants its XDG_RUNTIME_DIR
    QProcess process_;
    QString display_;
};

} // namespace godo::test
