// Starts the lesson window. The lesson reads no files; the options choose the
// size the window opens at (--projector) and the support settings (--colors,
// --font), which the device keeps like a choice made in the support menu.

#include "desktop/lesson_window.h"
#include "desktop/projector.h"
#include "desktop/support_store.h"
#include "lesson/terminal_text.h"
#include "lesson/texts.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace {

using namespace godo;

// How long a window manager may take to say how wide its frame is.
constexpr int kFrameQueryMs = 500;

bool haveDisplay()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

std::string shown(const QByteArray& raw) { return shownOnTerminal(std::string_view(raw.constData(), raw.size())); }

// What Qt says while it starts, kept until it is known whether it started:
// when it cannot, its own lines (advice to set DISPLAY although it is set,
// or to reinstall) give way to one line that names what failed.
QList<QString> startupMessages;

void onStartupMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg) {
        startupMessages << qFormatLogMessage(type, context, message);
        return;
    }
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    const QByteArray display = qgetenv("DISPLAY");
    if ((platform.isEmpty() || platform.startsWith("xcb")) && !display.isEmpty()) {
        const std::string d = shown(display);
        std::fprintf(stderr, texts::cli::kDisplayUnreachable, d.c_str(), d.c_str());
    } else {
        const std::string p = shown(platform.isEmpty() ? QByteArrayLiteral("wayland") : platform);
        std::fprintf(stderr, texts::cli::kPlatformFailed, p.c_str(), p.c_str());
    }
    std::_Exit(EXIT_FAILURE);
}

// A scale factor the user set must be one Qt can draw at: Qt would take
// "abc" for 1 and open no window at 0.
bool usableScaleFactor()
{
    const QByteArray factor = qgetenv("QT_SCALE_FACTOR");
    if (factor.isEmpty())
        return true;
    bool ok = false;
    const double f = factor.toDouble(&ok);
    if (ok && std::isfinite(f) && f > 0)
        return true;
    const std::string s = shown(factor);
    std::fprintf(stderr, texts::cli::kBadScaleFactor, s.c_str(), s.c_str());
    return false;
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

void printUsage()
{
    const std::string colours = settingChoices(setting::kColours);
    const std::string fonts = settingChoices(setting::kFont);
    const std::string rates = settingChoices(setting::kRate);
    std::printf(texts::cli::kUsage, texts::cli::kSynopsis.data(), colours.c_str(), fonts.c_str(), rates.c_str());
}

// The support setting that `arg` gives ("--colors=cud"), if it names one.
struct SettingArgument {
    std::string_view name, value;
};
std::optional<SettingArgument> settingArgument(std::string_view arg)
{
    for (const SettingValue& s : settingValues(SupportSettings{})) {
        const std::string option = "--" + std::string(s.name);
        if (arg.substr(0, option.size() + 1) == option + "=")
            return SettingArgument{s.name, arg.substr(option.size() + 1)};
        // --ruby and --speech switch them on.
        if (arg == option && (s.name == setting::kRuby || s.name == setting::kSpeech))
            return SettingArgument{s.name, "on"};
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char** argv)
{
    bool projector = false;
    SupportSettings given;
    std::vector<SettingArgument> settingsGiven;
    // What a run again with the scale set passes on: all but --projector.
    std::vector<char*> again{argv[0]};
    for (int i = 1; i < argc; ++i) {
        const char* a = argv[i];
        if (std::strcmp(a, "--projector") == 0) {
            projector = true;
            continue;
        }
        again.push_back(argv[i]);
        if (std::strcmp(a, "--help") == 0 || std::strcmp(a, "-h") == 0) {
            printUsage();
            return EXIT_SUCCESS;
        } else if (std::strcmp(a, "--version") == 0) {
            std::puts("godojoken " GODO_VERSION);
            return EXIT_SUCCESS;
        } else if (const auto s = settingArgument(a)) {
            if (!applySetting(given, s->name, s->value)) {
                const std::string v = shownOnTerminal(s->value);
                std::fprintf(stderr, texts::cli::kUnknownValue, v.c_str(), std::string(s->name).c_str(),
                             settingChoices(s->name).c_str());
                return 2;
            }
            settingsGiven.push_back(*s);
        } else {
            std::fprintf(stderr, texts::cli::kUnknownArgument, shownOnTerminal(a).c_str(),
                         texts::cli::kSynopsis.data());
            return 2;
        }
    }
    again.push_back(nullptr);

    if (!usableScaleFactor())
        return 2;
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
        ::execv("/proc/self/exe", again.data());
        // Without /proc: the window at its own size rather than none.
        std::fprintf(stderr, texts::cli::kCannotRunAgain, std::strerror(errno));
        qunsetenv("QT_SCALE_FACTOR");
    }

    // Only the program's name: no argument reaches Qt.
    int qtArgc = 1;
    char* args[] = {argv[0], nullptr};
    QApplication app(qtArgc, args);
    qInstallMessageHandler(nullptr);
    // It started: what Qt said on the way is worth seeing after all.
    for (const QString& m : startupMessages)
        std::fprintf(stderr, "%s\n", qPrintable(m));
    startupMessages.clear();
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.godojoken"));

    // What the device keeps, with what the command line gives over it; a
    // setting given is kept, as if it had been chosen in the menu.
    SupportSettings settings = storedSupportSettings();
    for (const SettingArgument& s : settingsGiven)
        applySetting(settings, s.name, s.value);
    if (!settingsGiven.empty())
        storeSupportSettings(settings);

    godo::LessonWindow window(settings);
    window.show();
    return app.exec();
}
