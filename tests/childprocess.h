#pragma once

#include "fileio/filesizesignal.h"

#include <QByteArray>
#include <QString>

#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

// How a check run in a child process ended: its exit status and what it found wrong.
struct ChildOutcome
{
    int status = -1; // the exit status; -1 when the child did not exit
    QString problem; // the child's diagnostic; empty when the check passed
    bool passed() const { return status == 0 && problem.isEmpty(); }
    // For QVERIFY2: what went wrong, also when the child died before it could say.
    QByteArray text() const
    {
        if (!problem.isEmpty())
            return problem.toUtf8();
        return status < 0 ? "the child did not exit"
                          : "the child exited with status " + QByteArray::number(status);
    }
};

// Runs the check in a forked child. The check returns what it found wrong, or nothing when it
// passed; the child sends that back through a pipe.
inline ChildOutcome runInChild(const std::function<QString()> &check)
{
    ChildOutcome outcome;
    int channel[2];
    if (::pipe(channel) != 0)
        return outcome;
    const pid_t pid = fork();
    if (pid == 0) {
        ::close(channel[0]);
        const QByteArray problem = check().toUtf8();
        qsizetype sent = 0;
        while (sent < problem.size()) {
            const ssize_t n =
                ::write(channel[1], problem.constData() + sent, size_t(problem.size() - sent));
            if (n <= 0)
                break;
            sent += n;
        }
        _exit(problem.isEmpty() ? 0 : 1);
    }
    ::close(channel[1]);
    QByteArray problem;
    char buffer[4096];
    ssize_t n = 0;
    while (pid > 0 && (n = ::read(channel[0], buffer, sizeof buffer)) > 0)
        problem.append(buffer, n);
    ::close(channel[0]);
    int status = 0;
    if (pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status))
        outcome.status = WEXITSTATUS(status);
    outcome.problem = QString::fromUtf8(problem);
    return outcome;
}

// Runs the check in a forked child whose files cannot grow beyond the given size, as on a full
// disk. The child starts as both programs do, with their own ignoreFileSizeSignal(): a write past
// the limit then fails with EFBIG, and if that call did not work the child would die of the
// signal.
inline ChildOutcome runWithFileSizeLimit(rlim_t bytes, const std::function<QString()> &check)
{
    return runInChild([&] {
        std::signal(SIGXFSZ, SIG_DFL);
        vantro::ignoreFileSizeSignal();
        const rlimit limit{bytes, bytes};
        setrlimit(RLIMIT_FSIZE, &limit);
        return check();
    });
}
