// Walks the real lesson window through the seven steps of the lesson on a
// private Xvfb and saves the window after each step as a PNG, for the README.
//
// usage: godo_screenshots PROGRAM FOLDER

#include "control_places.h"
#include "lesson_app.h"
#include "x_server.h"

#include <QCoreApplication>
#include <QDir>
#include <QThread>

#include <cstdio>
#include <functional>

using namespace godo::test;

namespace {

struct Step {
    const char* file;
    std::function<QImage(LessonApp&)> act;
};

// The lesson as a pupil goes through it: line ｎ turned four steps to
// 55 degrees, the conclusion ＰＭ＝ＱＭ chosen from the opened list.
const Step kSteps[] = {
    {"step1-start.png", [](LessonApp& a) { return a.grab(); }},
    {"step2-katei.png", [](LessonApp& a) { return a.click(places::katei); }},
    {"step3-turned.png", [](LessonApp& a) { return a.click(places::migi, LessonApp::Expect::Change, 4); }},
    {"step4-conclusion.png", [](LessonApp& a) { return a.chooseFromList(2); }},
    {"step5-sankaku.png", [](LessonApp& a) { return a.click(places::sankaku); }},
    {"step6-henkaku.png", [](LessonApp& a) { return a.click(places::henkaku); }},
    {"step7-godo.png", [](LessonApp& a) { return a.click(places::godo); }},
};

// Where the pointer rests for the picture: the olive background, so that no
// button shows the pointer hovering over it.
constexpr QPoint kRestingSpot{601, 347};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fputs("usage: godo_screenshots PROGRAM FOLDER\n", stderr);
        return 2;
    }
    const QString program = args.at(1);
    const QDir folder(args.at(2));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "godo_screenshots: cannot create %s\n", qPrintable(folder.path()));
        return 1;
    }

    try {
        XvfbServer server;
        LessonApp lesson(server, program);
        for (const Step& step : kSteps) {
            step.act(lesson);
            lesson.tools().moveTo(lesson.geometry().topLeft() + kRestingSpot);
            QThread::msleep(100); // the hover highlight fades at once
            const QImage shown = lesson.grab();
            const QString file = folder.filePath(QString::fromLatin1(step.file));
            if (!shown.save(file, "PNG"))
                throw std::runtime_error("cannot write " + file.toStdString());
            std::printf("%s\n", qPrintable(file));
        }
        lesson.tools().click(lesson.geometry().topLeft() + centre(places::owari));
        lesson.waitForExit(5000);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "godo_screenshots: %s\n", e.what());
        return 1;
    }
    return 0;
}
