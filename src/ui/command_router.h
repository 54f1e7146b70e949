#ifndef LUMOX_UI_COMMAND_ROUTER_H
#define LUMOX_UI_COMMAND_ROUTER_H

#include <functional>
#include <map>
#include <utility>
#include <vector>

namespace lumox {

// One command a target handles: what it does, whether it may run now, and (for a
// checkable command) whether it shows its check mark.
struct CommandEntry {
    std::function<void()> run;
    std::function<bool()> enabled;  // empty: always enabled
    std::function<bool()> checked;  // empty: not checkable
};

// Something on the command route (a view, the document, the main frame, the
// application) with its table of command ids.
class CommandTarget {
public:
    virtual ~CommandTarget() = default;
    // The entry of id, or null when this target does not handle it.
    virtual const CommandEntry* FindCommand(int id) const;

protected:
    void OnCommand(int id, std::function<void()> run, std::function<bool()> enabled = {},
                   std::function<bool()> checked = {});

private:
    std::map<int, CommandEntry> commands_;
};

// What the router found for a command: a command nobody handles is disabled.
struct CommandState {
    bool handled = false;
    bool enabled = false;
    bool checkable = false;
    bool checked = false;
};

// Sends a command along the route (active view, its document, the main frame, the
// application): the first target that handles it runs it, and the same route answers
// whether it is enabled. A command abandoned by UserAbort ends silently (its message
// was already shown).
class CommandRouter {
public:
    // The targets in route order, for the window that is active now (nulls are skipped).
    using Route = std::function<std::vector<CommandTarget*>()>;

    explicit CommandRouter(Route route) : route_(std::move(route)) {}

    CommandState Query(int id) const;
    // Runs id when it is handled and enabled; true when it ran (even if abandoned).
    bool Execute(int id);
    // Called after every command, e.g. to refresh what menus and the toolbar show.
    void SetAfterCommand(std::function<void()> after) { after_ = std::move(after); }

private:
    const CommandEntry* Find(int id) const;

    Route route_;
    std::function<void()> after_;
};

}  // namespace lumox

#endif
