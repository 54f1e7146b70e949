#ifndef LUMOX_SETUP_SETUP_TEXTS_H
#define LUMOX_SETUP_SETUP_TEXTS_H

// The installer's fixed settings and every text it shows, in one place.
namespace lumox::setup {

inline constexpr const char* kWindowTitle = "Lumox Equation Fitting Tools";
inline constexpr const char* kGroupName = "Lumox";
// The edit holds at most this many characters.
inline constexpr int kTargetMaxLength = 255;
// Longest wait for one run of the menu tool (a shell script, slow on a busy machine).
inline constexpr int kMenuToolTimeoutMs = 30000;

// INSTALL dialog.
inline constexpr const char* kInstallText1 =
    "A new directory can be created on your hard disk to install this application.";
inline constexpr const char* kInstallText2 =
    "A suggested directory is shown below. If you prefer a different";
inline constexpr const char* kInstallText3 = "directory, type in the name below:";
inline constexpr const char* kCopyFilesTo = "Copy Files to:";

// COPY dialog.
inline constexpr const char* kCopyingFile = "Copying File:";

// Target validation, in the order of checking.
inline constexpr const char* kDataEntryCaption = "Data Entry";
inline constexpr const char* kTargetEmpty = "Directory name missing !";
inline constexpr const char* kTargetNotAbsolute = "Missing '/' !";
inline constexpr const char* kTargetBadCharacter = "Invalid character in directory name !";

// Main sequence.
inline constexpr const char* kNoSpace = "Not enough space on '%s'. Please select another folder..";
inline constexpr const char* kNoSpaceCaption = "Disk Space";
inline constexpr const char* kNoDirectory =
    "Cannot create directory %s. Please select another name or folder...";
inline constexpr const char* kNoDirectoryCaption = "Folder";
inline constexpr const char* kCopyError =
    "An error has occurred during File copying. Check program disks and run Install again...";
inline constexpr const char* kCopyErrorCaption = "File Error";
inline constexpr const char* kQuitQuestion =
    "Installation is not complete! Are you sure you want to quit?";
inline constexpr const char* kComplete = "Installation is complete";
inline constexpr const char* kMenuProblem =
    "Problem adding application(s) to the desktop menu...\r\n\r\n"
    "Run Install again after logging in again...";

// Program group.
inline constexpr const char* kMenuErrorCaption = "Menu Error";
inline constexpr const char* kInstallErrorCaption = "Install Error";
inline constexpr const char* kMenuToolMissing =
    "The desktop menu tool xdg-desktop-menu is missing. Please run Install again!";
inline constexpr const char* kMenuFoldersMissing =
    "The desktop menu folders cannot be written. Please run Install again!";
inline constexpr const char* kGroupFailed = "Could not make main menu item!";
inline constexpr const char* kItemFailed = "Could not add sub-menu items!";

}  // namespace lumox::setup

#endif
