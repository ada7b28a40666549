#pragma once

#include "core/markwise_doc.h"

namespace markwise::test {

// The two edits the recovery child makes, a moment apart: the copy must hold both.
inline void FirstRecoveryEdit(CMarkwiseDoc& doc) {
    doc.AddStudent({"Ada", "Byron", "1815", "", "", "12"});
}
inline void SecondRecoveryEdit(CMarkwiseDoc& doc) {
    doc.EditStudent(doc.StudentsInUse() - 1, {"Ada", "Lovelace", "1815", "B-7", "", "12"});
}

} // namespace markwise::test
