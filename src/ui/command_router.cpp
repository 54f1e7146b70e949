#include "ui/command_router.h"

#include "platform/abort.h"

namespace lumox {

const CommandEntry* CommandTarget::FindCommand(int id) const {
    const auto it = commands_.find(id);
    return it == commands_.end() ? nullptr : &it->second;
}

void CommandTarget::OnCommand(int id, std::function<void()> run, std::function<bool()> enabled,
                              std::function<bool()> checked) {
    commands_[id] = CommandEntry{std::move(run), std::move(enabled), std::move(checked)};
}

const CommandEntry* CommandRouter::Find(int id) const {
    for (CommandTarget* target : route_()) {
        if (target == nullptr) continue;
        if (const CommandEntry* entry = target->FindCommand(id)) return entry;
    }
    return nullptr;
}

CommandState CommandRouter::Query(int id) const {
    CommandState state;
    const CommandEntry* entry = Find(id);
    if (entry == nullptr) return state;
    state.handled = true;
    state.enabled = !entry->enabled || entry->enabled();
    state.checkable = static_cast<bool>(entry->checked);
    state.checked = state.checkable && entry->checked();
    return state;
}

bool CommandRouter::Execute(int id) {
    const CommandEntry* entry = Find(id);
    // A disabled command does not run, whichever way it was invoked.
    if (entry == nullptr || (entry->enabled && !entry->enabled())) return false;
    // The entry's target may go away while the command runs (Close): run a copy.
    const std::function<void()> run = entry->run;
    RunCommandStep(run);
    if (after_) after_();
    return true;
}

}  // namespace lumox
