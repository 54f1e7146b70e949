#include "ui/recent_file_list.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace lumox {
namespace {

const QString kSection = QStringLiteral("Recent File List");
constexpr int kMaxShownLength = 40;

}  // namespace

RecentFileList::RecentFileList(QSettings& settings, int size) : settings_(settings), size_(size) {
    settings_.beginGroup(kSection);
    for (int i = 1; i <= size_; ++i) {
        const QString file = settings_.value(QStringLiteral("File%1").arg(i)).toString();
        if (!file.isEmpty()) files_.append(file);
    }
    settings_.endGroup();
}

void RecentFileList::Add(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    files_.removeAll(absolute);
    files_.prepend(absolute);
    while (files_.size() > size_) files_.removeLast();
    Save();
}

void RecentFileList::Remove(int index) {
    if (index < 0 || index >= files_.size()) return;
    files_.removeAt(index);
    Save();
}

void RecentFileList::Save() {
    settings_.beginGroup(kSection);
    settings_.remove(QString());
    for (int i = 0; i < files_.size(); ++i) {
        settings_.setValue(QStringLiteral("File%1").arg(i + 1), files_[i]);
    }
    settings_.endGroup();
    settings_.sync();
}

QString RecentFileList::MenuText(int index) const {
    const QFileInfo info(files_.value(index));
    // A file of the current folder shows by name; others by their path, shortened in
    // the middle when long.
    QString shown = info.absolutePath() == QDir::currentPath()
                        ? info.fileName()
                        : QDir::toNativeSeparators(info.filePath());
    if (shown.size() > kMaxShownLength) {
        const QString name = info.fileName();
        const QString head = shown.left(qMax(0, kMaxShownLength - name.size() - 4));
        shown = head + QStringLiteral("...") + QDir::separator() + name;
    }
    shown.replace(QLatin1Char('&'), QLatin1String("&&"));
    return QStringLiteral("&%1 %2").arg(index + 1).arg(shown);
}

}  // namespace lumox
