#include "setup/install_list.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace lumox::setup {

namespace fs = std::filesystem;

const std::vector<std::string>& DistributionFiles() {
    static const std::vector<std::string> files = {
        "lumox",        "lumox-cli",    "lumox-cli-graphics", "help",          "readme.txt",
        "pad_file.htm", "overview.txt", "lxtest.txt",         "benchmark.txt", "contents.html",
        "lxtest.dat",   "longley.dat",  "tab21.dat",          "tab411.dat",    "tab421.dat",
        "tab441.dat",   "pad_file.xml", "vendinfo.diz",       "vendor.txt",    "file_id.diz",
        "lumox.svg",
    };
    return files;
}

const std::vector<MenuItem>& GroupItems() {
    static const std::vector<MenuItem> items = {
        {"lumox", "lumox", "Lumox Equation Fitting", true, "lumox.svg"},
        {"help", "help/index.html", "Lumox Help", false, "help-browser"},
        {"readme", "readme.txt", "Documentation", false, "text-x-generic"},
        {"lxtest", "lxtest.txt", "Example Results", false, "text-x-generic"},
        {"overview", "overview.txt", "Lumox Overview", false, "text-x-generic"},
        {"padfile", "pad_file.htm", "Internet Information", false, "text-html"},
        {"benchmark", "benchmark.txt", "Benchmark Results", false, "text-x-generic"},
    };
    return items;
}

std::vector<std::string> ExpandFiles(const std::string& sourceDir,
                                     const std::vector<std::string>& listed) {
    std::vector<std::string> files;
    for (const std::string& name : listed) {
        std::error_code error;
        const fs::path path = fs::path(sourceDir) / name;
        if (!fs::is_directory(path, error)) {
            files.push_back(name);
            continue;
        }
        std::vector<std::string> inside;
        for (const auto& entry : fs::directory_iterator(path, error)) {
            if (entry.is_regular_file(error))
                inside.push_back(name + "/" + entry.path().filename().string());
        }
        std::sort(inside.begin(), inside.end());
        files.insert(files.end(), inside.begin(), inside.end());
    }
    return files;
}

std::uint64_t SpaceNeeded(const std::string& sourceDir, const std::vector<std::string>& files) {
    std::uint64_t total = 0;
    for (const std::string& name : files) {
        std::error_code error;
        const std::uintmax_t size = fs::file_size(fs::path(sourceDir) / name, error);
        if (!error) total += (size + kBlockBytes - 1) / kBlockBytes * kBlockBytes;
    }
    return total;
}

}  // namespace lumox::setup
