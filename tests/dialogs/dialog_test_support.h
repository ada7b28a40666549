#pragma once

#include "core/markwise_doc.h"
#include "dialogs/dialog_host.h"
#include "framework/class_editor.h"
#include "support/class_builder.h"
#include "support/qt_test_support.h"

#include <QLineEdit>
#include <initializer_list>
#include <string>
#include <vector>

namespace markwise::test {

// Stands in for the grade sheet that opens the dialogs and records what they asked of it;
// repaints counts the editor's change signals.
class FakeHost : public DialogHost {
public:
    FakeHost() : doc(NewClass()), classEditor(std::make_unique<CClassEditor>(*doc)) {
        QObject::connect(classEditor.get(), &CClassEditor::changed, classEditor.get(),
                         [this] { ++repaints; });
    }

    const CMarkwiseDoc& data() override { return *doc; }
    CClassEditor& editor() override { return *classEditor; }
    QWidget* widget() override { return nullptr; }
    void showLastAssignment() override {}
    CGradeCutoffs currentCutoffs() const override { return cutoffs; }
    bool applyCutoffs(const CGradeCutoffs& set, Message*) override {
        applied.push_back(set);
        return true;
    }

    std::unique_ptr<CMarkwiseDoc> doc;
    std::unique_ptr<CClassEditor> classEditor;
    int repaints = 0;
    CGradeCutoffs cutoffs;
    std::vector<CGradeCutoffs> applied;
};

// Students "Last, First" with IDs "id<slot>", then 10-point assignments described
// "about <title>" with one score per student; left unmodified.
struct ScoredAssignment {
    std::string title;
    std::vector<double> scores;
};
inline void FillClass(CMarkwiseDoc& doc,
                      std::initializer_list<std::pair<std::string, std::string>> names,
                      std::initializer_list<ScoredAssignment> assignments = {}) {
    for (const auto& [last, first] : names)
        AddStudent(doc, last, first, "id" + std::to_string(doc.m_studentCount));
    for (const ScoredAssignment& scored : assignments)
        AddAssignment(doc, 10.0, scored.scores, scored.title, "about " + scored.title);
    doc.SetModifiedFlag(false);
}

// Replaces a box's text by typing, as a user who selects it all first.
inline void Retype(QLineEdit* box, const QString& text) {
    box->setFocus();
    box->selectAll();
    Type(text);
}

} // namespace markwise::test
