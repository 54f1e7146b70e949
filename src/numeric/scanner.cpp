#include "numeric/scanner.h"

namespace lumox {
namespace {

// Reads one line from a byte source and consumes its line end. Shared by both line
// readers so that they end lines in exactly the same places.
template <typename Source>
void ScanLine(Source& source, std::string& line) {
    line.clear();
    while (!source.AtEnd()) {
        const char c = source.Get();
        if (c == '\n') return;
        if (c == '\r') {
            if (!source.AtEnd() && source.Peek() == '\n') source.Get();
            return;
        }
        line.push_back(c);
    }
}

}  // namespace

FileLineReader::FileLineReader(std::istream& file) : file_(file) {
    file_.clear();
    file_.seekg(0, std::ios::end);
    const std::streamoff end = file_.tellg();
    length_ = end > 0 ? static_cast<uint64_t>(end) : 0;
    Rewind();
}

FileLineReader::~FileLineReader() { Rewind(); }

void FileLineReader::Rewind() {
    file_.clear();
    file_.seekg(0, std::ios::beg);
    position_ = 0;
}

uint64_t FileLineReader::ReadLine(std::string& line) {
    if (position_ >= length_) {
        line.clear();
        Rewind();
        return 0;
    }
    struct Source {
        FileLineReader& reader;
        bool AtEnd() const { return reader.position_ >= reader.length_; }
        char Peek() const { return static_cast<char>(reader.file_.peek()); }
        char Get() {
            ++reader.position_;
            return static_cast<char>(reader.file_.get());
        }
    } source{*this};
    ScanLine(source, line);
    return position_;
}

uint64_t TextLineReader::ReadLine(std::string& line) {
    if (position_ >= text_.size()) {
        line.clear();
        return 0;
    }
    struct Source {
        TextLineReader& reader;
        bool AtEnd() const { return reader.position_ >= reader.text_.size(); }
        char Peek() const { return reader.text_[reader.position_]; }
        char Get() { return reader.text_[reader.position_++]; }
    } source{*this};
    ScanLine(source, line);
    return position_;
}

bool TokenSplitter::NextToken(std::string& token) {
    token.clear();
    while (position_ < line_.size()) {
        const char c = line_[position_++];
        if (IsSeparator(c)) {
            if (!token.empty()) return true;
        } else {
            token.push_back(c);
        }
    }
    return !token.empty();
}

uint32_t TokenSplitter::CountTokens() const {
    uint32_t count = 0;
    bool inToken = false;
    for (const char c : line_) {
        if (IsSeparator(c)) {
            inToken = false;
        } else if (!inToken) {
            inToken = true;
            ++count;
        }
    }
    return count;
}

int HasOnlyNumberChars(std::string_view line) {
    if (line.empty()) return -1;
    constexpr std::string_view kNumberChars = "0123456789., \t-+eE";
    for (const char c : line) {
        if (kNumberChars.find(c) == std::string_view::npos) return 1;
    }
    return 0;
}

}  // namespace lumox
