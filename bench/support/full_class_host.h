#pragma once

// A dialog host over a full class, for the benchmarks of the dialogs and summaries.
#include "dialogs/dialog_host.h"
#include "framework/class_editor.h"
#include "support/full_class.h"

#include <memory>
#include <string>

namespace markwise::bench {

class FullClassHost : public DialogHost {
public:
    explicit FullClassHost(int missingEvery = 0, bool withPolicy = false)
        : m_doc(FullClass(missingEvery)) {
        if (withPolicy)
            AddPolicy(*m_doc);
    }

    const CMarkwiseDoc& data() override { return *m_doc; }
    CClassEditor& editor() override { return m_editor; }
    QWidget* widget() override { return nullptr; }
    void showLastAssignment() override {}
    CGradeCutoffs currentCutoffs() const override { return {}; }
    bool applyCutoffs(const CGradeCutoffs&, Message*) override { return true; }

private:
    std::unique_ptr<CMarkwiseDoc> m_doc;
    CClassEditor m_editor{*m_doc};
};

} // namespace markwise::bench
