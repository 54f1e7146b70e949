#ifndef LUMOX_UI_COMMAND_ROUTER_H
#define LUMOX_UI_COMMAND_ROUTER_H

#include <functional>
#include <map>
#include <utility>
#include <vector>

namespace lumox {

// Something on the command route (a view, the document, the main frame, the
// application) with the commands it carries out.
class CommandTarget {
public:
    virtual ~CommandTarget() = default;
    // What id does here, or null when this target does not handle it.
    const std::function<void()>* FindCommand(int id) const;

protected:
    void OnCommand(int id, std::function<void()> run);

private:
    std::map<int, std::function<void()>> commands_;
};

// What the router found for a command: a command nobody handles is disabled.
struct CommandState {
    bool handled = false;
    bool enabled = false;
    bool checkable = false;
    bool checked = false;
};

// Sends a command along the route (active view, its document, the main frame, the
// application): the first target that handles it runs it. Whether a handled command may
// run, and its check mark, are the command's own rules. A command abandoned by UserAbort
// ends silently (its message was already shown).
class CommandRouter {
public:
    // The targets in route order, for the window that is active now (nulls are skipped).
    using Route = std::function<std::vector<CommandTarget*>()>;
    // The enabled and checked state of a command, asked once a target on the route
    // handles it (the router sets handled itself).
    using Rules = std::function<CommandState(int id)>;

    CommandRouter(Route route, Rules rules) : route_(std::move(route)), rules_(std::move(rules)) {}

    CommandState Query(int id) const;
    // Runs id when it is handled and enabled; true when it ran (even if abandoned).
    bool Execute(int id);
    // Called after every command, e.g. to refresh what menus and the toolbar show.
    void SetAfterCommand(std::function<void()> after) { after_ = std::move(after); }

private:
    const std::function<void()>* Find(int id) const;

    Route route_;
    Rules rules_;
    std::function<void()> after_;
};

}  // namespace lumox

#endif
