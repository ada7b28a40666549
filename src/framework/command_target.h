#pragma once

#include <QString>
#include <initializer_list>
#include <vector>

namespace markwise {

// What an update handler may set on a command's menu item and button.
struct CommandState {
    bool enabled = true;
    bool checked = false;
    // When set, the menu caption for now ("&Undo Remove Student"); else the table's.
    QString text;
};

// One stop on a command's route (view, document, child frame, main frame, application).
class CommandTarget {
public:
    virtual ~CommandTarget() = default;

    // True when this target handles id; it may then adjust state (enabled, check mark).
    virtual bool updateCommand(int id, CommandState& state) = 0;
    // Runs id; called only when updateCommand said it handles it.
    virtual void runCommand(int id) = 0;
};

// The targets a command visits, in order; null entries are skipped.
class CommandRoute {
public:
    CommandRoute(std::initializer_list<CommandTarget*> targets);

    // The first target that handles id, or null: then the command is disabled.
    CommandTarget* handler(int id) const;
    // Enabled false when nobody handles id.
    CommandState state(int id) const;
    // Runs id on its handler when that handler keeps it enabled; true when it ran.
    bool run(int id) const;

private:
    std::vector<CommandTarget*> m_targets;
};

} // namespace markwise
