#include "command_target.h"

#include <cassert>

namespace markwise {

CommandTarget::Handler& CommandTarget::Handler::state(StateRule rule) {
    m_state = std::move(rule);
    return *this;
}

CommandTarget::Handler& CommandTarget::Handler::onlyWhile(Condition condition) {
    m_handled = std::move(condition);
    return *this;
}

CommandTarget::Handler& CommandTarget::handle(int id, Action run) {
    const auto [it, added] = m_handlers.try_emplace(id);
    assert(added && "a command is listed once per target");
    (void)added;
    it->second.m_run = std::move(run);
    return it->second;
}

bool CommandTarget::updateCommand(int id, CommandState& state) const {
    const auto it = m_handlers.find(id);
    if (it == m_handlers.end())
        return false;
    const Handler& handler = it->second;
    if (handler.m_handled && !handler.m_handled())
        return false;
    if (handler.m_state)
        handler.m_state(state);
    return true;
}

void CommandTarget::runCommand(int id) {
    const auto it = m_handlers.find(id);
    if (it == m_handlers.end())
        return;
    const Handler& handler = it->second;
    if (!handler.m_handled || handler.m_handled())
        handler.m_run();
}

CommandRoute::CommandRoute(std::initializer_list<CommandTarget*> targets) {
    for (CommandTarget* target : targets) {
        if (target) {
            m_targets.push_back(target);
        }
    }
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
