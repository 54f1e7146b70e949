#ifndef LUMOX_UI_PATH_TEXT_H
#define LUMOX_UI_PATH_TEXT_H

#include <QFile>
#include <QString>
#include <string>

namespace lumox {

// File names between Qt and the core: the core keeps the bytes the file system uses.
inline std::string ToNativePath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}
inline QString FromNativePath(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

}  // namespace lumox

#endif
