#include "print_queue.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QThread>

namespace godo::test {

ToolResult runTool(const QString& program, const QStringList& arguments)
{
    QProcess p;
    // The private scheduler, also while a test points the program elsewhere.
    if (const QString scheduler = qEnvironmentVariable("GODO_PRINT_SCHEDULER"); !scheduler.isEmpty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("CUPS_SERVER"), scheduler);
        p.setProcessEnvironment(environment);
    }
    p.start(program, arguments);
    ToolResult r;
    if (!p.waitForFinished(10'000)) {
        p.kill();
        p.waitForFinished();
        r.output = program + QStringLiteral(": did not finish");
        return r;
    }
    r.ok = p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    r.output = QString::fromLocal8Bit(p.readAllStandardOutput() + p.readAllStandardError());
    return r;
}

QString queueName() { return qEnvironmentVariable("GODO_PRINT_QUEUE"); }
QString outputPdf() { return qEnvironmentVariable("GODO_PRINT_OUTPUT"); }
QString printerDescription() { return qEnvironmentVariable("GODO_PRINT_PPD"); }

namespace {
QStringList lines(const ToolResult& r) { return r.output.split(u'\n', Qt::SkipEmptyParts); }
} // namespace

QStringList pendingJobs() { return lines(runTool(QStringLiteral("lpstat"), {QStringLiteral("-o")})); }

QStringList allJobs()
{
    return lines(runTool(QStringLiteral("lpstat"), {QStringLiteral("-W"), QStringLiteral("all"),
                                                    QStringLiteral("-o")}));
}

int newestJob()
{
    // "godo-pdf-12  root  22528  Tue Dec  8 …": the number ends the first word.
    int newest = 0;
    for (const QString& line : allJobs()) {
        const QString id = line.section(u' ', 0, 0, QString::SectionSkipEmpty);
        newest = std::max(newest, id.section(u'-', -1).toInt());
    }
    return newest;
}

bool waitUntilNoJobPending(std::chrono::milliseconds limit)
{
    const QDeadlineTimer deadline(limit);
    for (;;) {
        if (pendingJobs().isEmpty())
            return true;
        if (deadline.hasExpired())
            return false;
        QThread::msleep(100);
    }
}

} // namespace godo::test
