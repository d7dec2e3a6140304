// Memory kept by failed prints: clicks 「印刷」 COUNT times (default 2000) with
// no print server (CUPS_SERVER names a socket that does not exist), closes
// the message box after each click as a pupil would, and prints the resident
// set (VmRSS) at the start, after the first click and after every 500. With BENCH_KEEP_BOXES
// set, the boxes are left open instead, to tell their share apart.
//
// usage: QT_QPA_PLATFORM=offscreen bench_print_failures [COUNT]

#include "desktop/lesson_window.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {

long residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine())
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').front().toLong();
    return -1;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("CUPS_SERVER", "/nonexistent/godo-no-cups/cups.sock");
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
    const int count = argc > 1 ? std::atoi(argv[1]) : 2000;
    const bool keepBoxes = qEnvironmentVariableIsSet("BENCH_KEEP_BOXES");
    int one = 1;
    char* args[] = {argv[0], nullptr};
    QApplication app(one, args);

    godo::LessonWindow window;
    auto* print = window.findChild<QPushButton*>(QStringLiteral("Command1"));
    if (print == nullptr) {
        std::fputs("bench_print_failures: the window has no button Command1\n", stderr);
        return EXIT_FAILURE;
    }
    window.show();

    int done = 0;
    long first = 0;
    QMessageBox* shown = nullptr;
    bool painted = false;
    // The box's first paint is what draws its icons: a box closed before it
    // has been painted would leave out what painting keeps.
    struct PaintWatch final : QObject {
        bool* painted;
        explicit PaintWatch(bool* p) : painted(p) {}
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Paint)
                *painted = true;
            return false;
        }
    } watch(&painted);

    // One step per turn of the event loop: a click, then, once its box has
    // been painted, the box closed (and deleted before the next click), as
    // between a pupil's clicks.
    QTimer clicks;
    QObject::connect(&clicks, &QTimer::timeout, [&] {
        if (shown != nullptr) {
            if (!painted)
                return;
            if (!keepBoxes)
                shown->close();
            shown = nullptr;
            if (++done == 1 || done % 500 == 0 || done == count) {
                const long now = residentKb();
                std::printf("%6d prints: %ld KB (%+.2f KB a print)\n", done, now, double(now - first) / done);
            }
            if (done == count)
                app.quit();
            return;
        }
        if (done == 0) {
            first = residentKb();
            std::printf("%6d prints: %ld KB\n", done, first);
        }
        print->click();
        const QList<QMessageBox*> boxes = window.findChildren<QMessageBox*>();
        if (boxes.isEmpty()) {
            std::fputs("bench_print_failures: a print did not fail (is there a print server?)\n", stderr);
            app.exit(EXIT_FAILURE);
            return;
        }
        shown = boxes.back();
        painted = false;
        for (QWidget* w : shown->findChildren<QWidget*>())
            w->installEventFilter(&watch);
        shown->installEventFilter(&watch);
    });
    clicks.start(0);
    return app.exec();
}
