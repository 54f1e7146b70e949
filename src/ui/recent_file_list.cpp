#include "ui/recent_file_list.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <algorithm>
#include <filesystem>

#include "ui/path_text.h"

namespace lumox {
namespace {

const QString kSection = QStringLiteral("Recent File List");
constexpr int kMaxShownLength = 40;

}  // namespace

RecentFileList::RecentFileList(QSettings& settings, int size) : settings_(settings), size_(size) {
    settings_.beginGroup(kSection);
    for (int i = 1; i <= size_; ++i) {
        // A name that text cannot spell unchanged is kept as its bytes.
        const QVariant file = settings_.value(QStringLiteral("File%1").arg(i));
        const std::string path = file.typeId() == QMetaType::QByteArray
                                     ? file.toByteArray().toStdString()
                                     : ToNativePath(file.toString());
        if (!path.empty()) paths_.push_back(path);
    }
    settings_.endGroup();
    Shown();
}

void RecentFileList::Add(const std::string& path) {
    const std::string entry = RememberedPath(path);
    std::erase(paths_, entry);
    paths_.insert(paths_.begin(), entry);
    if (paths_.size() > static_cast<size_t>(size_)) paths_.resize(static_cast<size_t>(size_));
    Save();
}

void RecentFileList::Remove(int index) {
    if (index < 0 || index >= static_cast<int>(paths_.size())) return;
    paths_.erase(paths_.begin() + index);
    Save();
}

std::string RecentFileList::Path(int index) const {
    return index >= 0 && index < static_cast<int>(paths_.size()) ? paths_[static_cast<size_t>(index)]
                                                                 : std::string();
}

void RecentFileList::Shown() {
    files_.clear();
    for (const std::string& path : paths_) files_.append(FromNativePath(path));
}

void RecentFileList::Save() {
    Shown();
    settings_.beginGroup(kSection);
    settings_.remove(QString());
    for (size_t i = 0; i < paths_.size(); ++i) {
        const QString text = FromNativePath(paths_[i]);
        const QString key = QStringLiteral("File%1").arg(i + 1);
        if (ToNativePath(text) == paths_[i]) {
            settings_.setValue(key, text);
        } else {
            settings_.setValue(key, QByteArray::fromStdString(paths_[i]));
        }
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
