#include "ui/command_router.h"

#include "platform/abort.h"

namespace lumox {

const std::function<void()>* CommandTarget::FindCommand(int id) const {
    const auto it = commands_.find(id);
    return it == commands_.end() ? nullptr : &it->second;
}

void CommandTarget::OnCommand(int id, std::function<void()> run) { commands_[id] = std::move(run); }

const std::function<void()>* CommandRouter::Find(int id) const {
    for (CommandTarget* target : route_()) {
        if (target == nullptr) continue;
        if (const std::function<void()>* run = target->FindCommand(id)) return run;
    }
    return nullptr;
}

CommandState CommandRouter::Query(int id) const {
    if (Find(id) == nullptr) return CommandState();
    CommandState state = rules_(id);
    state.handled = true;
    return state;
}

bool CommandRouter::Execute(int id) {
    const std::function<void()>* handler = Find(id);
    // A disabled command does not run, whichever way it was invoked.
    if (handler == nullptr || !rules_(id).enabled) return false;
    // The handler's target may go away while the command runs (Close): run a copy.
    const std::function<void()> run = *handler;
    RunCommandStep(run);
    if (after_) after_();
    return true;
}

}  // namespace lumox
