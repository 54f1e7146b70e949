#ifndef LUMOX_UI_RECENT_FILE_LIST_H
#define LUMOX_UI_RECENT_FILE_LIST_H

#include <QString>
#include <QStringList>

class QSettings;

namespace lumox {

// The recent-file list of the File menu: the last data files opened, newest first, kept
// in the profile (section "Recent File List", keys File1 ...).
class RecentFileList {
public:
    RecentFileList(QSettings& settings, int size);

    // Moves path (made absolute) to the front, dropping the oldest entry beyond the size.
    void Add(const QString& path);
    void Remove(int index);
    const QStringList& Files() const { return files_; }
    // The menu text of entry index: "&1 name", the path shortened for the menu.
    QString MenuText(int index) const;

private:
    void Save();

    QSettings& settings_;
    int size_;
    QStringList files_;
};

}  // namespace lumox

#endif
