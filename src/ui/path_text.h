#ifndef LUMOX_UI_PATH_TEXT_H
#define LUMOX_UI_PATH_TEXT_H

#include <QFile>
#include <QMimeData>
#include <QString>
#include <QUrl>
#include <filesystem>
#include <string>

namespace lumox {

// File names between Qt and the core: the core keeps the bytes the file system uses.
inline std::string ToNativePath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}
inline QString FromNativePath(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

// The name a file is remembered by (recent files, kept settings): its absolute path,
// however it was named when opened.
inline std::string RememberedPath(const std::string& path) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.lexically_normal().string();
}

// The first local file of a drag, as the file system spells it. It is read from the URI
// list's own bytes, since a QUrl turns a name that is not UTF-8 into other text; empty
// when the drag holds no local file.
inline std::string FirstDraggedFile(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls()) return std::string();
    for (QByteArray line : data->data(QStringLiteral("text/uri-list")).split('\n')) {
        line = line.trimmed();
        if (!line.startsWith("file://")) continue;
        const qsizetype path = line.indexOf('/', 7);  // after the host, usually empty
        if (path < 0) continue;
        return QByteArray::fromPercentEncoding(line.mid(path)).toStdString();
    }
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) return ToNativePath(url.toLocalFile());
    }
    return std::string();
}

}  // namespace lumox

#endif
