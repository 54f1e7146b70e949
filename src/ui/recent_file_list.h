#ifndef LUMOX_UI_RECENT_FILE_LIST_H
#define LUMOX_UI_RECENT_FILE_LIST_H

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

class QSettings;

namespace lumox {

// The recent-file list of the File menu: the last data files opened, newest first, kept
// in the profile (section "Recent File List", keys File1 ...).
class RecentFileList {
public:
    RecentFileList(QSettings& settings, int size);

    // Moves path (made absolute; the file system's bytes) to the front, dropping the oldest
    // entry beyond the size.
    void Add(const std::string& path);
    void Remove(int index);
    // The entries as they are shown.
    const QStringList& Files() const { return files_; }
    // Entry index as the file system spells it; empty past the last.
    std::string Path(int index) const;
    // The menu text of entry index: "&1 name", the path shortened for the menu.
    QString MenuText(int index) const;

private:
    void Save();
    // Makes files_ anew from paths_.
    void Shown();

    QSettings& settings_;
    int size_;
    std::vector<std::string> paths_;
    QStringList files_;  // paths_ as text
};

}  // namespace lumox

#endif
