#include "print_queue.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QThread>

namespace godo::test {

ToolResult runTool(const QString& program, const QStringList& arguments)
{
    QProcess p;
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
