#include "setup/install_list.h"
#include "setup/menu_client.h"
#include "setup/setup_prompt.h"
#include "setup/setup_texts.h"

namespace lumox::setup {

namespace {

MenuEntry EntryFor(const MenuItem& item, const std::string& targetDir) {
    return MenuEntry{item.id, targetDir + item.file, item.title, item.program,
                     item.program ? targetDir + item.icon : std::string(item.icon)};
}

bool AddGroupAndItems(MenuClient& client, SetupPrompt& prompt, const std::string& targetDir) {
    const std::vector<MenuItem>& items = GroupItems();
    if (!client.CreateGroup(kGroupName, EntryFor(items.front(), targetDir))) {
        prompt.Show(kGroupFailed, kMenuErrorCaption, PromptIcon::kWarning);
        return false;
    }
    for (size_t i = 1; i < items.size(); ++i) {
        if (!client.AddItem(EntryFor(items[i], targetDir))) {
            prompt.Show(kItemFailed, kMenuErrorCaption, PromptIcon::kWarning);
            return false;
        }
    }
    return true;
}

}  // namespace

bool CreateProgramGroup(MenuClient& client, SetupPrompt& prompt, const std::string& targetDir) {
    if (!client.Connect()) {
        prompt.Show(kMenuToolMissing, kMenuErrorCaption, PromptIcon::kWarning);
        return false;
    }
    bool done = false;
    if (!client.FindMenu())
        prompt.Show(kMenuFoldersMissing, kInstallErrorCaption, PromptIcon::kWarning);
    else
        done = AddGroupAndItems(client, prompt, targetDir);
    client.Release();
    return done;
}

}  // namespace lumox::setup
