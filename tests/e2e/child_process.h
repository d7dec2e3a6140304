#pragma once
// The programs a test starts (the X server, the lesson) end with the test,
// also when the test itself dies, and are asked to stop before they are
// killed.

#include <QProcess>

#include <signal.h>
#include <sys/prctl.h>

namespace godo::test {

// Starts the process as set up; false when it has not started within the time.
inline bool startChild(QProcess& process, int timeoutMs)
{
    // Should the test itself die, the child goes with it.
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    process.start();
    return process.waitForStarted(timeoutMs);
}

// Terminates the process, and kills it when it has not ended within 3 s.
inline void stopChild(QProcess& process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(3000)) {
        process.kill();
        process.waitForFinished(3000);
    }
}

} // namespace godo::test
