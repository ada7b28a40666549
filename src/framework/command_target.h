#pragma once

#include <QString>
#include <functional>
#include <initializer_list>
#include <map>
#include <vector>

namespace markwise {

// What a command's state rule may set on its menu item and button.
struct CommandState {
    bool enabled = true;
    bool checked = false;
    // When set, the menu caption for now ("&Undo Remove Student"); else the table's.
    QString text;
};

// One stop on a command's route (view, document, main frame, CSV commands, application).
// Each target lists the commands it handles once, in one table, usually in its constructor:
// per id the action, and beside it the rule for its state and whether it is handled now.
class CommandTarget {
public:
    using Action = std::function<void()>;
    using StateRule = std::function<void(CommandState& state)>;
    using Condition = std::function<bool()>;

    // One row of the table; its setters chain after handle().
    class Handler {
    public:
        // Sets enabled, the check mark or the caption; without one the command is enabled.
        Handler& state(StateRule rule);
        // Handled only while condition holds; otherwise the route passes the command on.
        Handler& onlyWhile(Condition condition);

    private:
        friend class CommandTarget;
        Action m_run;
        StateRule m_state;
        Condition m_handled;
    };

    CommandTarget() = default;
    CommandTarget(const CommandTarget&) = delete;
    CommandTarget& operator=(const CommandTarget&) = delete;

    // True when this target handles id now; state then holds what its rule says.
    bool updateCommand(int id, CommandState& state) const;
    // Runs id when this target handles it now.
    void runCommand(int id);

protected:
    ~CommandTarget() = default;
    // Lists id with its action; each id once per target.
    Handler& handle(int id, Action run);

private:
    std::map<int, Handler> m_handlers;
};

// The targets a command visits, in order; null entries are skipped.
class CommandRoute {
public:
    CommandRoute(std::initializer_list<CommandTarget*> targets);

    // Enabled false when nobody handles id.
    CommandState state(int id) const;
    // Runs id on the first target that handles it, when that target keeps it enabled;
    // true when it ran.
    bool run(int id) const;

private:
    std::vector<CommandTarget*> m_targets;
};

} // namespace markwise
