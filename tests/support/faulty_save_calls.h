#pragma once

#include <cerrno>
#include <string>
#include <vector>

namespace markwise::test {

// The save's system calls as a test binary that links faulty_save_calls.cpp has them: each
// call is counted, and the one numbered failAt fails with error. A power cut fails that
// call and every later one, as a machine that lost power makes no more calls.
struct SaveFaults {
    long failAt = 0; // counted from 1 since the plan was set; 0 fails none
    int error = EIO;
    bool powerCut = false;

    long calls = 0;
    long injected = 0;
    // Renames of a file whose writes had not all been flushed to disk: after a power cut
    // the renamed file could be empty or partial.
    std::vector<std::string> unsyncedRenames;
};

enum class SaveCallKind { Write = 1, Sync, Rename, SyncFolder };

// The one plan of this test binary.
SaveFaults& Faults();
// The kind of each call since the plan was set, in order.
const std::vector<SaveCallKind>& CallKinds();
// Starts a new plan (calls counted afresh).
void PlanFaults(const SaveFaults& plan);

} // namespace markwise::test
