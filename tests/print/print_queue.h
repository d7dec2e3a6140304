#pragma once
// The private CUPS scheduler that with-private-cups.sh starts, seen through
// the lp* tools: the queues it has, the jobs it holds, and changes to them.

#include <QString>
#include <QStringList>

#include <chrono>

namespace godo::test {

struct ToolResult {
    bool ok = false; // ran and exited 0
    QString output;  // standard output, then standard error
};

// Runs one of the lp* tools against the private scheduler; gives up after
// ten seconds.
ToolResult runTool(const QString& program, const QStringList& arguments);

// Set by the wrapper; empty when the test runs without it.
QString queueName();
QString outputPdf();
QString printerDescription();

// Lines of `lpstat -o`: jobs not yet done.
QStringList pendingJobs();

// Lines of `lpstat -W all -o`: every job the scheduler has seen.
QStringList allJobs();

// The number of the newest job the scheduler has seen; 0 for none.
int newestJob();

// Polls until no job is pending; false when the time ran out.
bool waitUntilNoJobPending(std::chrono::milliseconds limit);

} // namespace godo::test
