#pragma once

#include <functional>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace markwise::test {

// Runs check in a child process under an unprivileged user when the tests run as root
// (as on a CI machine), so that file permissions count; directly otherwise. Returns the
// check's result, or -1 when the child could not drop its privileges or died.
// Folders the check uses must be open to others (mode 0777).
inline int AsUnprivilegedUser(const std::function<int()>& check) {
    if (::geteuid() != 0)
        return check();
    const pid_t child = ::fork();
    if (child < 0)
        return -1;
    if (child == 0) {
        constexpr uid_t kNobody = 65534;
        if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
            ::_exit(255);
        ::_exit(check());
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) == 255)
        return -1;
    return WEXITSTATUS(status);
}

// A process id that certainly ran and has ended: that of a child already reaped.
inline pid_t EndedProcessId() {
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    int status = 0;
    ::waitpid(child, &status, 0);
    return child;
}

} // namespace markwise::test
