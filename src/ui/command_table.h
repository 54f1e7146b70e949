#ifndef LUMOX_UI_COMMAND_TABLE_H
#define LUMOX_UI_COMMAND_TABLE_H

#include <QKeyCombination>
#include <span>

#include "ui/command_router.h"

namespace lumox {

class CLumoxApp;
class DocumentView;
class DocumentWindows;

// The status-bar text while nothing else is shown.
constexpr const char* kIdlePrompt = "For Help, press F1";

// What the enable rules read: the application and, on the route for the window active
// now, the open document and the active view (each null when there is none).
struct RouteState {
    CLumoxApp& app;
    DocumentWindows* document;
    DocumentView* view;
};

// Where Help explains a command picked in context help.
enum class HelpTopic {
    OwnEntry,     // its entry in the command reference, named "cmd" and its id
    RecentFiles,  // the recent-file entry of the command reference
    Overview,     // the overview page
    Contents,     // no topic of its own: the contents
};

// One command as a person meets it, and when it may run. The target on the route that
// handles it runs it (see CommandRouter); a command that nobody on the route handles is
// disabled whatever its rule says.
struct Command {
    int id;
    // The menu text: '&' before the mnemonic, the shortcut after a tab. Null for a
    // command with no menu entry, accelerator or toolbar button.
    const char* text = nullptr;
    const char* prompt = "";       // the status-bar prompt
    QKeyCombination keys[2] = {};  // the accelerators; Qt::Key_unknown for none
    const char* icon = nullptr;    // the toolbar button's picture in :/icons, or none
    HelpTopic topic = HelpTopic::OwnEntry;
    bool (*enabled)(const RouteState&) = nullptr;  // null: whenever it is handled
    bool (*checked)(const RouteState&) = nullptr;  // null: no check mark
};

// Every command, in the order the main window makes their actions.
std::span<const Command> Commands();
// The command of id, or null.
const Command* CommandOf(int id);
// The state the rules of command id give it now; handled is left to the router.
CommandState RuleState(int id, const RouteState& now);

}  // namespace lumox

#endif
