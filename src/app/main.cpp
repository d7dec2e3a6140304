// Starts the lesson window. The lesson reads no files or settings; the only
// option, --projector, chooses the size the window opens at.

#include "desktop/lesson_window.h"
#include "desktop/projector.h"
#include "lesson/texts.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace {

using namespace godo;

// How long a window manager may take to say how wide its frame is.
constexpr int kFrameQueryMs = 500;

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
        std::fputs(texts::cli::kNoDisplay.data(), stderr);
        std::fprintf(stderr, "godojoken: %s\n", qPrintable(message));
        std::_Exit(EXIT_FAILURE);
    }
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

// The factor for --projector, measured with a Qt of its own: the screen's free
// area and the frame the desktop puts around a window.
double measureProjectorScale()
{
    int argc = 1;
    char name[] = "godojoken";
    char* args[] = {name, nullptr};
    QGuiApplication probe(argc, args);
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return 1.0;
    const godo::WindowFrame frame = godo::windowFrame(kFrameQueryMs);
    return godo::projectorScale(screen->availableGeometry().size(), godo::lessonClientSize(), frame.margins);
}

} // namespace

int main(int argc, char** argv)
{
    bool projector = false;
    for (int i = 1; i < argc; ++i) {
        const char* a = argv[i];
        if (std::strcmp(a, "--projector") == 0) {
            projector = true;
        } else if (std::strcmp(a, "--help") == 0 || std::strcmp(a, "-h") == 0) {
            std::fputs(texts::cli::kUsage.data(), stdout);
            return EXIT_SUCCESS;
        } else if (std::strcmp(a, "--version") == 0) {
            std::puts("godojoken " GODO_VERSION);
            return EXIT_SUCCESS;
        } else {
            std::fprintf(stderr, texts::cli::kUnknownArgument, a);
            return 2;
        }
    }

    if (!haveDisplay()) {
        std::fputs(texts::cli::kNoDisplay.data(), stderr);
        return EXIT_FAILURE;
    }
    qInstallMessageHandler(onStartupMessage);

    // A factor the user set wins. Otherwise Qt has to know it before it
    // starts to scale crisply: measure, then run again with it set, under the
    // same process id and without the option.
    if (projector && qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR")) {
        const double factor = measureProjectorScale();
        qputenv("QT_SCALE_FACTOR", QByteArray::number(factor));
        char* again[] = {argv[0], nullptr};
        ::execv("/proc/self/exe", again);
        // Without /proc: the window at its own size rather than none.
        std::fprintf(stderr, texts::cli::kCannotRunAgain, std::strerror(errno));
        qunsetenv("QT_SCALE_FACTOR");
    }

    // Only the program's name: no argument reaches Qt.
    int qtArgc = 1;
    char* args[] = {argv[0], nullptr};
    QApplication app(qtArgc, args);
    qInstallMessageHandler(nullptr);
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.godojoken"));

    godo::LessonWindow window;
    window.show();
    return app.exec();
}
