// SPDX-License-Identifier: MIT
#include "childprocess.h"

#include <sys/wait.h>
#include <unistd.h>

int runInChild(const std::function<bool()> &body, bool unprivileged)
{
    const pid_t pid = fork();
    if (pid == 0) {
        if (unprivileged && geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            _exit(3);
        _exit(body() ? 0 : 1);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 99;
}
