#ifndef LUMOX_SETUP_XDG_MENU_CLIENT_H
#define LUMOX_SETUP_XDG_MENU_CLIENT_H

#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <string>

#include "setup/menu_client.h"

namespace lumox::setup {

// The freedesktop application menu through xdg-desktop-menu, per user: the entries are
// written to a private folder and the tool installs each of them into the submenu.
class XdgMenuClient : public MenuClient {
public:
    bool Connect() override;
    bool FindMenu() override;
    bool CreateGroup(const std::string& name, const MenuEntry& first) override;
    bool AddItem(const MenuEntry& entry) override;
    void Release() override;

private:
    bool WriteEntry(const std::string& fileName, const std::string& text) const;
    // Runs the tool in the entries' folder; true when it ends with status 0 in time.
    bool RunTool(const QStringList& arguments) const;

    QString tool_;
    std::unique_ptr<QTemporaryDir> entries_;
};

}  // namespace lumox::setup

#endif
