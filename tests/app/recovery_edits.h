#pragma once

#include "core/class_edit.h"
#include "core/markwise_doc.h"

#include <memory>

namespace markwise::test {

// The two edits the recovery child makes, a moment apart: the copy must hold both.
inline std::unique_ptr<ClassEdit> FirstRecoveryEdit() {
    return AddStudentEdit({"Ada", "Byron", "1815", "", "", "12"});
}
inline std::unique_ptr<ClassEdit> SecondRecoveryEdit(const CMarkwiseDoc& doc) {
    return EditStudentEdit(doc.StudentsInUse() - 1, {"Ada", "Lovelace", "1815", "B-7", "", "12"});
}

} // namespace markwise::test
