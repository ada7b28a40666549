#pragma once

#include "core/class_edit.h"

#include <QObject>
#include <QString>
#include <QUndoStack>
#include <cstddef>
#include <memory>

namespace markwise {

class CMarkwiseDoc;

// The one way a class changes. Each change is a command on this class's undo stack that
// applies a core edit; after every change, undo and redo the modified flag follows the
// stack (a class is modified when a step that marks it lies between the saved state and
// the current one) and changed() tells every window on the class to repaint.
// The history holds at most historyLimit() bytes; the oldest steps go first.
class CClassEditor : public QObject {
    Q_OBJECT
public:
    static constexpr std::size_t kHistoryLimit = std::size_t{64} << 20;

    // The class must outlive the editor. A class that arrives modified (a recovered copy)
    // stays modified until it is saved.
    explicit CClassEditor(CMarkwiseDoc& data, QObject* parent = nullptr);
    ~CClassEditor() override;

    const CMarkwiseDoc& data() const { return m_data; }

    // Applies edit as one undo step named text ("Remove Student").
    void apply(const QString& text, std::unique_ptr<ClassEdit> edit);
    // Every edit applied under one session number (one opening of Edit Assignment) joins
    // one undo step, which takes the name of the latest.
    int newSession() { return ++m_lastSession; }
    void apply(const QString& text, std::unique_ptr<ClassEdit> edit, int session);
    // Listing by name or by ID: not in the file and not a step, but every window repaints.
    void toggleListing();

    const QUndoStack& history() const { return m_stack; }
    void undo();
    void redo();
    // The current state is what the file now holds.
    void markSaved();

    std::size_t historyBytes() const;
    std::size_t historyLimit() const { return m_limit; }
    // Trims at once when the history holds more.
    void setHistoryLimit(std::size_t bytes);

signals:
    void changed();
    // After an undo or redo of a step that changed one score (after changed()).
    void stepShown(int assignment, int student);

private:
    friend class EditCommand;
    bool isModified() const;
    void afterChange();
    // Emits stepShown for step i of the stack when it changed one score.
    void showStep(int i);
    void trim();

    CMarkwiseDoc& m_data;
    QUndoStack m_stack;
    std::size_t m_limit = kHistoryLimit;
    int m_lastSession = 0;
    bool m_savedStateModified = false;
    bool m_replaying = false;
};

} // namespace markwise
