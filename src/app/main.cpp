// Starts the lesson window. The program takes no arguments and reads no files
// or settings.

#include "desktop/lesson_window.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr const char* kNoDisplay =
    "godojoken: 画面（ディスプレイ）に接続できないため起動できません。 / "
    "cannot start: no display to connect to (set DISPLAY, or run it under xvfb-run).\n";

bool haveDisplay()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

// Qt aborts, with a core dump, when it cannot open the display it was given;
// say why in one line and leave with an error code instead.
void onStartupMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtFatalMsg) {
        std::fputs(kNoDisplay, stderr);
        std::fprintf(stderr, "godojoken: %s\n", qPrintable(message));
        std::_Exit(EXIT_FAILURE);
    }
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

} // namespace

int main(int, char** argv)
{
    if (!haveDisplay()) {
        std::fputs(kNoDisplay, stderr);
        return EXIT_FAILURE;
    }
    qInstallMessageHandler(onStartupMessage);

    // Only the program's name: no argument reaches Qt.
    int argc = 1;
    char* args[] = {argv[0], nullptr};
    QApplication app(argc, args);
    qInstallMessageHandler(nullptr);
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.godojoken"));

    godo::LessonWindow window;
    window.show();
    return app.exec();
}
