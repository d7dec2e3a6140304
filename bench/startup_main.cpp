// The lesson window from start to its first painted frame: creates Form1 the
// way the program does, shows it, and quits as soon as the picture area has
// painted once. Timed from outside by bench/run-startup.

#include "quit_after_first_paint.h"
#include "desktop/lesson_window.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

int main(int, char** argv)
{
    int argc = 1;
    char* args[] = {argv[0], nullptr};
    QApplication app(argc, args);

    godo::LessonWindow window;
    auto* gamen = window.findChild<QWidget*>(QStringLiteral("gamen"));
    if (gamen == nullptr) {
        std::fputs("bench_startup: the window has no picture area named gamen\n", stderr);
        return EXIT_FAILURE;
    }
    new QuitAfterFirstPaint(gamen);
    window.show();
    return app.exec();
}
