#include "x_server.h"

#include "child_process.h"

#include <QDeadlineTimer>

#include <stdexcept>

namespace godo::test {

namespace {
constexpr int kStartTimeoutMs = 10000;
}

XvfbServer::XvfbServer(QSize size)
{
    if (!runtime_.isValid())
        throw std::runtime_error("cannot create a runtime folder for the X server");

    // -displayfd 1: the server picks a free display number itself and writes
    // it to its standard output once it accepts clients, so tests running
    // side by side never collide. -noreset keeps what a test sets on the root
    // window (a work area) after the client that set it has gone.
    process_.setProgram(QStringLiteral("Xvfb"));
    process_.setArguments({QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                           QStringLiteral("0"),
                           QStringLiteral("%1x%2x24").arg(size.width()).arg(size.height()), QStringLiteral("-noreset"), QStringLiteral("-nolisten"),
                           QStringLiteral("tcp")});
    process_.setStandardErrorFile(QProcess::nullDevice());
    if (!startChild(process_, kStartTimeoutMs))
        throw std::runtime_error("cannot start Xvfb: " + process_.errorString().toStdString());

    QByteArray out;
    const QDeadlineTimer deadline(kStartTimeoutMs);
    while (!out.contains('\n')) {
        if (process_.state() != QProcess::Running || deadline.hasExpired())
            throw std::runtime_error("Xvfb did not report a display number");
        process_.waitForReadyRead(100);
        out += process_.readAllStandardOutput();
    }
    bool ok = false;
    const int number = out.trimmed().toInt(&ok);
    if (!ok)
        throw std::runtime_error("Xvfb reported no display number: " + out.toStdString());
    display_ = QStringLiteral(":%1").arg(number);
}

XvfbServer::~XvfbServer() { stopChild(process_); }

QProcessEnvironment XvfbServer::clientEnvironment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS",
                             "QT_AUTO_SCREEN_SCALE_FACTOR", "QT_ENABLE_HIGHDPI_SCALING", "QT_FONT_DPI",
                             "QT_STYLE_OVERRIDE", "QT_QPA_PLATFORMTHEME"})
        env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("DISPLAY"), display_);
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_.path());
    return env;
}

} // namespace godo::test
