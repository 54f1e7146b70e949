#ifndef LUMOX_TESTS_SUPPORT_TEMP_DIR_H
#define LUMOX_TESTS_SUPPORT_TEMP_DIR_H

#include <string>

namespace lumox::test {

// A fresh folder under the system temporary directory, removed with its contents.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return path_; }
    // Writes contents (bytes as given) to name inside the folder and returns its path.
    std::string Write(const std::string& name, const std::string& contents) const;
    std::string File(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

// The bytes of a file, or an empty text when it cannot be read.
std::string ReadFile(const std::string& path);

}  // namespace lumox::test

#endif
