#include "class_editor.h"

#include "core/markwise_doc.h"

#include <QUndoCommand>
#include <functional>
#include <vector>

namespace markwise {

namespace {

constexpr int kSessionId = 1;

} // namespace

// One step on the stack. The edit is shared so that trimming the history can move it to
// a new command without applying it again. A session's step holds a group that takes in
// the edits of the session's later steps.
class EditCommand : public QUndoCommand {
public:
    EditCommand(CClassEditor& editor, const QString& text, std::shared_ptr<ClassEdit> edit,
                int session = 0)
        : QUndoCommand(text), m_editor(editor), m_edit(std::move(edit)), m_session(session) {}

    static EditCommand* InSession(CClassEditor& editor, const QString& text,
                                  std::unique_ptr<ClassEdit> edit, int session) {
        auto group = std::make_shared<EditGroup>();
        group->Add(std::move(edit));
        return new EditCommand(editor, text, std::move(group), session);
    }

    // A copy for the rebuilt history: the edit is already in place.
    static EditCommand* Moved(CClassEditor& editor, const EditCommand& from) {
        auto* copy = new EditCommand(editor, from.text(), from.m_edit, from.m_session);
        copy->m_bytes = from.m_bytes;
        return copy;
    }

    void redo() override {
        if (m_editor.m_replaying)
            return;
        m_edit->Apply(m_editor.m_data);
        m_bytes = sizeof(*this) + m_edit->Bytes();
    }
    void undo() override { m_edit->Revert(m_editor.m_data); }

    int id() const override { return m_session > 0 ? kSessionId : -1; }
    bool mergeWith(const QUndoCommand* other) override {
        const auto* later = static_cast<const EditCommand*>(other);
        if (later->m_session != m_session)
            return false;
        static_cast<EditGroup&>(*m_edit).Absorb(std::move(static_cast<EditGroup&>(*later->m_edit)));
        setText(later->text());
        m_bytes = sizeof(*this) + m_edit->Bytes();
        return true;
    }

    std::size_t bytes() const { return m_bytes; }
    bool marksModified() const { return m_edit->MarksModified(); }
    std::optional<ClassEdit::Cell> changedCell() const { return m_edit->ChangedCell(); }

private:
    CClassEditor& m_editor;
    std::shared_ptr<ClassEdit> m_edit;
    int m_session = 0;
    std::size_t m_bytes = sizeof(*this);
};

namespace {

const EditCommand& StepAt(const QUndoStack& stack, int i) {
    return *static_cast<const EditCommand*>(stack.command(i));
}

} // namespace

CClassEditor::CClassEditor(CMarkwiseDoc& data, QObject* parent)
    : QObject(parent), m_data(data), m_savedStateModified(data.IsModified()) {
    // The stack counts steps; the byte bound is kept by trim().
    m_stack.setUndoLimit(0);
}

CClassEditor::~CClassEditor() {
    // The commands refer to this editor; they go before it does.
    m_replaying = true;
    m_stack.clear();
}

void CClassEditor::apply(const QString& text, std::unique_ptr<ClassEdit> edit) {
    m_stack.push(new EditCommand(*this, text, std::move(edit)));
    trim();
    afterChange();
}

void CClassEditor::apply(const QString& text, std::unique_ptr<ClassEdit> edit, int session) {
    m_stack.push(EditCommand::InSession(*this, text, std::move(edit), session));
    trim();
    afterChange();
}

void CClassEditor::toggleListing() {
    m_data.ToggleNames();
    emit changed();
}

void CClassEditor::undo() {
    if (!m_stack.canUndo())
        return;
    m_stack.undo();
    afterChange();
    showStep(m_stack.index());
}

void CClassEditor::redo() {
    if (!m_stack.canRedo())
        return;
    m_stack.redo();
    afterChange();
    showStep(m_stack.index() - 1);
}

void CClassEditor::showStep(int i) {
    if (i < 0 || i >= m_stack.count())
        return;
    if (const std::optional<ClassEdit::Cell> cell = StepAt(m_stack, i).changedCell())
        emit stepShown(cell->assignment, cell->student);
}

void CClassEditor::markSaved() {
    m_stack.setClean();
    m_savedStateModified = false;
    m_data.SetModifiedFlag(false);
}

std::size_t CClassEditor::historyBytes() const {
    std::size_t bytes = 0;
    for (int i = 0; i < m_stack.count(); ++i)
        bytes += StepAt(m_stack, i).bytes();
    return bytes;
}

void CClassEditor::setHistoryLimit(std::size_t bytes) {
    m_limit = bytes;
    trim();
}

bool CClassEditor::isModified() const {
    const int saved = m_stack.cleanIndex();
    if (saved < 0)
        return true; // the saved state has left the history
    const int now = m_stack.index();
    for (int i = std::min(saved, now); i < std::max(saved, now); ++i) {
        if (StepAt(m_stack, i).marksModified())
            return true;
    }
    return m_savedStateModified;
}

void CClassEditor::afterChange() {
    m_data.SetModifiedFlag(isModified());
    emit changed();
}

// QUndoStack cannot drop its oldest commands, so the history is rebuilt from the steps
// that stay; their edits move over without being applied again. Trimming goes down to
// seven eighths of the limit, so a full history is rebuilt once per many steps, not on
// every one. The newest step always stays. Trimming only follows a push, when no step
// waits to be redone.
void CClassEditor::trim() {
    std::size_t total = historyBytes();
    if (total <= m_limit)
        return;
    const std::size_t target = m_limit - m_limit / 8;
    const int count = m_stack.count();
    int drop = 0;
    while (drop < count - 1 && total > target)
        total -= StepAt(m_stack, drop++).bytes();

    std::vector<EditCommand*> kept;
    for (int i = drop; i < count; ++i)
        kept.push_back(EditCommand::Moved(*this, StepAt(m_stack, i)));
    const int saved = m_stack.cleanIndex() - drop;
    m_replaying = true;
    m_stack.clear(); // clean at 0
    for (std::size_t i = 0; i < kept.size(); ++i) {
        m_stack.push(kept[i]);
        if (saved == static_cast<int>(i) + 1)
            m_stack.setClean();
    }
    if (saved < 0)
        m_stack.resetClean();
    m_replaying = false;
}

} // namespace markwise
