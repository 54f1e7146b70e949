#include "ui/equation_memory.h"

#include <QSettings>
#include <utility>
#include <vector>

#include "ui/path_text.h"

namespace lumox {
namespace {

const QString kSection = QStringLiteral("Build Equation");
const QString kFiles = QStringLiteral("Files");
const QString kPath = QStringLiteral("Path");
const QString kEquation = QStringLiteral("Equation");
constexpr size_t kFilesKept = 20;

using Entries = std::vector<std::pair<std::string, std::string>>;

// Paths are kept as their bytes: a file name need not be valid UTF-8.
Entries Read(QSettings& settings) {
    Entries entries;
    settings.beginGroup(kSection);
    const int count = settings.beginReadArray(kFiles);
    for (int i = 0; i < count; ++i) {
        settings.setArrayIndex(i);
        entries.emplace_back(settings.value(kPath).toByteArray().toStdString(),
                             settings.value(kEquation).toString().toStdString());
    }
    settings.endArray();
    settings.endGroup();
    return entries;
}

}  // namespace

std::string EquationMemory::Recall(const std::string& name) const {
    if (name.empty()) return {};
    const std::string path = RememberedPath(name);
    for (const auto& [file, equation] : Read(settings_))
        if (file == path) return equation;
    return {};
}

void EquationMemory::Keep(const std::string& name, const std::string& equation) {
    if (name.empty()) return;
    const std::string path = RememberedPath(name);
    Entries entries = Read(settings_);
    std::erase_if(entries, [&path](const auto& entry) { return entry.first == path; });
    if (!equation.empty()) entries.emplace(entries.begin(), path, equation);
    if (entries.size() > kFilesKept) entries.resize(kFilesKept);
    settings_.beginGroup(kSection);
    settings_.remove(kFiles);
    settings_.beginWriteArray(kFiles, static_cast<int>(entries.size()));
    for (size_t i = 0; i < entries.size(); ++i) {
        settings_.setArrayIndex(static_cast<int>(i));
        settings_.setValue(kPath, QByteArray::fromStdString(entries[i].first));
        settings_.setValue(kEquation, QString::fromStdString(entries[i].second));
    }
    settings_.endArray();
    settings_.endGroup();
}

}  // namespace lumox
