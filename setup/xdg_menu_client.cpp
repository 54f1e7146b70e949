#include "setup/xdg_menu_client.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include "setup/desktop_entry.h"
#include "setup/setup_texts.h"

namespace lumox::setup {

namespace {

QString UserFolder(const char* variable, const QString& fallback) {
    const QString value = qEnvironmentVariable(variable);
    return QDir::isAbsolutePath(value) ? value : QDir::homePath() + "/" + fallback;
}

}  // namespace

bool XdgMenuClient::Connect() {
    tool_ = QStandardPaths::findExecutable(QStringLiteral("xdg-desktop-menu"));
    if (tool_.isEmpty()) return false;
    entries_ = std::make_unique<QTemporaryDir>();
    return entries_->isValid();
}

bool XdgMenuClient::FindMenu() {
    const QString data = UserFolder("XDG_DATA_HOME", QStringLiteral(".local/share"));
    const QString config = UserFolder("XDG_CONFIG_HOME", QStringLiteral(".config"));
    return QDir().mkpath(data + "/applications") && QDir().mkpath(data + "/desktop-directories") &&
           QDir().mkpath(config + "/menus");
}

bool XdgMenuClient::CreateGroup(const std::string& name, const MenuEntry& first) {
    return WriteEntry(DirectoryFileName(), DirectoryEntryText(name)) && AddItem(first);
}

bool XdgMenuClient::AddItem(const MenuEntry& entry) {
    const std::string file = DesktopFileName(entry);
    if (!WriteEntry(file, DesktopEntryText(entry))) return false;
    // --noupdate: the desktop rereads the menu once, in Release.
    return RunTool({QStringLiteral("install"), QStringLiteral("--noupdate"),
                    QStringLiteral("--mode"), QStringLiteral("user"),
                    QString::fromStdString(DirectoryFileName()), QString::fromStdString(file)});
}

void XdgMenuClient::Release() {
    RunTool({QStringLiteral("forceupdate"), QStringLiteral("--mode"), QStringLiteral("user")});
}

bool XdgMenuClient::WriteEntry(const std::string& fileName, const std::string& text) const {
    QFile file(entries_->filePath(QString::fromStdString(fileName)));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    const qint64 size = static_cast<qint64>(text.size());
    return file.write(text.data(), size) == size && file.flush();
}

bool XdgMenuClient::RunTool(const QStringList& arguments) const {
    QProcess process;
    // The tool splits its file arguments at spaces, so it gets bare names in their folder.
    process.setWorkingDirectory(entries_->path());
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(tool_, arguments);
    if (!process.waitForFinished(kMenuToolTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        return false;
    }
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

}  // namespace lumox::setup
