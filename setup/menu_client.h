#ifndef LUMOX_SETUP_MENU_CLIENT_H
#define LUMOX_SETUP_MENU_CLIENT_H

#include <string>

namespace lumox::setup {

class SetupPrompt;

// One entry of the program group: the full path it opens, its title, and whether it is a
// program (started directly) or a document (opened with the desktop's viewer).
struct MenuEntry {
    std::string id;
    std::string path;
    std::string title;
    bool program = false;
    std::string icon;  // a file's path, or an icon name of the desktop's theme
};

// The desktop's application menu, as the program group step needs it. Each call answers
// whether it succeeded.
class MenuClient {
public:
    virtual ~MenuClient() = default;
    // Reaches the tool that edits the menu.
    virtual bool Connect() = 0;
    // Makes sure the user's menu folders exist.
    virtual bool FindMenu() = 0;
    // Creates the submenu named name holding its first entry: a desktop menu shows no
    // empty submenu, so the group is made together with its first item.
    virtual bool CreateGroup(const std::string& name, const MenuEntry& first) = 0;
    // Adds one more entry to the submenu.
    virtual bool AddItem(const MenuEntry& entry) = 0;
    // Lets the desktop pick up the changes; called after every Connect that succeeded.
    virtual void Release() = 0;
};

// Creates the "Lumox" group with its seven items for files installed under targetDir
// (ending in '/'); shows the message of the step that fails and answers false.
bool CreateProgramGroup(MenuClient& client, SetupPrompt& prompt, const std::string& targetDir);

}  // namespace lumox::setup

#endif
