#include "command_target.h"

namespace markwise {

CommandRoute::CommandRoute(std::initializer_list<CommandTarget*> targets) {
    for (CommandTarget* target : targets) {
        if (target) {
            m_targets.push_back(target);
        }
    }
}

CommandTarget* CommandRoute::handler(int id) const {
    for (CommandTarget* target : m_targets) {
        CommandState ignored;
        if (target->updateCommand(id, ignored)) {
            return target;
        }
    }
    return nullptr;
}

CommandState CommandRoute::state(int id) const {
    for (CommandTarget* target : m_targets) {
        CommandState state;
        if (target->updateCommand(id, state)) {
            return state;
        }
    }
    return CommandState{false, false, {}};
}

bool CommandRoute::run(int id) const {
    for (CommandTarget* target : m_targets) {
        CommandState state;
        if (target->updateCommand(id, state)) {
            if (!state.enabled) {
                return false;
            }
            target->runCommand(id);
            return true;
        }
    }
    return false;
}

} // namespace markwise
