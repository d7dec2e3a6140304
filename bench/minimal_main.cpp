// The yardstick for start-up: the smallest Qt Widgets window, one label,
// built like the lesson window and quitting after its first painted frame.

#include "quit_after_first_paint.h"

#include <QApplication>
#include <QLabel>

int main(int, char** argv)
{
    int argc = 1;
    char* args[] = {argv[0], nullptr};
    QApplication app(argc, args);

    QLabel label(QStringLiteral("Hello"));
    new QuitAfterFirstPaint(&label);
    label.show();
    return app.exec();
}
