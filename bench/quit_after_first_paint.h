#pragma once
// Ends the application once the watched widget has painted for the first
// time: the paint itself runs to its end and the frame is flushed before the
// queued quit is taken, so the process lives exactly until its first frame.
// With BENCH_SMAPS set to a file name, the process's memory map at that
// moment (/proc/self/smaps) is copied there first, for a breakdown of the
// resident set by mapping.

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QObject>
#include <QTimer>

class QuitAfterFirstPaint final : public QObject {
public:
    explicit QuitAfterFirstPaint(QObject* watched) : QObject(watched) { watched->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, QCoreApplication::instance(), [] {
                copyMemoryMap();
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    static void copyMemoryMap()
    {
        const QString target = qEnvironmentVariable("BENCH_SMAPS");
        if (target.isEmpty())
            return;
        QFile in(QStringLiteral("/proc/self/smaps"));
        QFile out(target);
        if (in.open(QIODevice::ReadOnly) && out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            out.write(in.readAll());
    }

    bool seen_ = false;
};
