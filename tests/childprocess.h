#pragma once

#include "fileio/filesizesignal.h"

#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

// Runs the work in a forked child and returns the child's exit status (the work's result), or -1
// when it did not exit.
inline int runInChild(const std::function<int()> &work)
{
    const pid_t pid = fork();
    if (pid == 0)
        _exit(work());
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

// Runs the work in a forked child whose files cannot grow beyond the given size, as on a full
// disk. The child starts as both programs do, with their own ignoreFileSizeSignal(): a write past
// the limit then fails with EFBIG, and if that call did not work the child would die of the
// signal.
inline int runWithFileSizeLimit(rlim_t bytes, const std::function<int()> &work)
{
    return runInChild([&] {
        std::signal(SIGXFSZ, SIG_DFL);
        vantro::ignoreFileSizeSignal();
        const rlimit limit{bytes, bytes};
        setrlimit(RLIMIT_FSIZE, &limit);
        return work();
    });
}
