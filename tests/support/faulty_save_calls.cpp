// Stands in for src/core/save_calls.cpp in the binaries that link it: the linker takes
// these definitions and never pulls the real ones out of the core library.
#include "faulty_save_calls.h"

#include "core/save_calls.h"

#include <cstdio>
#include <set>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace markwise::test {

namespace {

struct State {
    SaveFaults plan;
    std::vector<SaveCallKind> kinds;
    std::set<std::pair<dev_t, ino_t>> dirty; // files with writes not yet flushed
};

State& TheState() {
    static State state;
    return state;
}

// Whether this call fails; errno is set when it does.
bool Fails(SaveCallKind kind) {
    State& state = TheState();
    state.kinds.push_back(kind);
    const long call = ++state.plan.calls;
    const bool fails =
        state.plan.failAt != 0 &&
        (call == state.plan.failAt || (state.plan.powerCut && call > state.plan.failAt));
    if (fails) {
        ++state.plan.injected;
        errno = state.plan.error;
    }
    return fails;
}

std::pair<dev_t, ino_t> FileOf(int fd) {
    struct stat info {};
    ::fstat(fd, &info);
    return {info.st_dev, info.st_ino};
}

} // namespace

SaveFaults& Faults() {
    return TheState().plan;
}

const std::vector<SaveCallKind>& CallKinds() {
    return TheState().kinds;
}

void PlanFaults(const SaveFaults& plan) {
    TheState().plan = plan;
    TheState().kinds.clear();
}

} // namespace markwise::test

namespace markwise::save_calls {

using test::SaveCallKind;

ssize_t Write(int fd, const void* data, std::size_t size) {
    if (test::Fails(SaveCallKind::Write))
        return -1;
    test::TheState().dirty.insert(test::FileOf(fd));
    return ::write(fd, data, size);
}

int Sync(int fd) {
    if (test::Fails(SaveCallKind::Sync))
        return -1;
    test::TheState().dirty.erase(test::FileOf(fd));
    return ::fsync(fd);
}

int Rename(const char* from, const char* to) {
    if (test::Fails(SaveCallKind::Rename))
        return -1;
    struct stat info {};
    if (::stat(from, &info) == 0 && test::TheState().dirty.count({info.st_dev, info.st_ino}))
        test::TheState().plan.unsyncedRenames.push_back(to);
    return std::rename(from, to);
}

int SyncFolder(int fd) {
    if (test::Fails(SaveCallKind::SyncFolder))
        return -1;
    return ::fsync(fd);
}

} // namespace markwise::save_calls
