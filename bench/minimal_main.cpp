// The yardstick for start-up: the smallest Qt Widgets window, one label,
// built like the lesson window and quitting after its first painted frame.
// With BENCH_JAPANESE_LABEL set, the label shows Japanese in the lesson's
// face instead, which tells how much of the lesson window's extra start-up
// time is the Japanese font alone.

#include "quit_after_first_paint.h"

#include <QApplication>
#include <QLabel>

int main(int, char** argv)
{
    int argc = 1;
    char* args[] = {argv[0], nullptr};
    QApplication app(argc, args);

    QLabel label(QStringLiteral("Hello"));
    if (qEnvironmentVariableIsSet("BENCH_JAPANESE_LABEL")) {
        label.setText(QStringLiteral(u"直線ｎの移動"));
        QFont font = label.font();
        font.setFamilies({QStringLiteral("IPAPGothic")});
        label.setFont(font);
    }
    new QuitAfterFirstPaint(&label);
    label.show();
    return app.exec();
}
