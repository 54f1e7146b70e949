#include "numeric/scanner.h"

#include <algorithm>
#include <cstring>

namespace lumox {

std::string ReadWholeStream(std::istream& file) {
    file.clear();
    file.seekg(0, std::ios::end);
    const std::streamoff end = file.tellg();
    file.seekg(0, std::ios::beg);
    std::string text;
    if (end > 0) {
        text.resize(static_cast<size_t>(end));
        file.read(text.data(), end);
        text.resize(static_cast<size_t>(file.gcount()));
    }
    file.clear();
    file.seekg(0, std::ios::beg);
    return text;
}

uint64_t TextLineReader::ReadLine(std::string_view& line) {
    const size_t start = position_;
    if (start >= text_.size()) {
        line = {};
        return 0;
    }
    // The line runs to the first CR or LF; CR LF counts as one line end. The two are looked
    // for in growing windows, so that a file of one kind of line end is not searched to its
    // end for the other kind at every line.
    size_t end = text_.size();
    for (size_t from = start, window = 256; from < text_.size(); from += window, window *= 2) {
        const char* const first = text_.data() + from;
        const size_t span = std::min(window, text_.size() - from);
        const void* const lf = std::memchr(first, '\n', span);
        const size_t beforeLf =
            lf ? static_cast<size_t>(static_cast<const char*>(lf) - first) : span;
        if (const void* const cr = std::memchr(first, '\r', beforeLf)) {
            end = from + static_cast<size_t>(static_cast<const char*>(cr) - first);
            break;
        }
        if (lf != nullptr) {
            end = from + beforeLf;
            break;
        }
    }
    line = text_.substr(start, end - start);
    position_ = end;
    if (end < text_.size()) {
        ++position_;
        if (text_[end] == '\r' && position_ < text_.size() && text_[position_] == '\n') ++position_;
    }
    return position_;
}

size_t LineStartFrom(std::string_view text, size_t at) {
    if (at == 0 || at >= text.size()) return std::min(at, text.size());
    // A line starts after a line end, but not between the CR and LF of one.
    const char before = text[at - 1];
    if (before == '\n' || (before == '\r' && text[at] != '\n')) return at;
    // Otherwise the rest of the line that holds it (nothing, inside a CR LF) is passed over.
    TextLineReader rest(text.substr(at));
    std::string_view line;
    return at + rest.ReadLine(line);
}

uint64_t TextLineReader::ReadLine(std::string& line) {
    std::string_view view;
    const uint64_t position = ReadLine(view);
    line.assign(view);
    return position;
}

FileLineReader::FileLineReader(std::istream& file) : file_(file), text_(ReadWholeStream(file)) {}

FileLineReader::~FileLineReader() { Rewind(); }

void FileLineReader::Rewind() {
    file_.clear();
    file_.seekg(0, std::ios::beg);
    lines_.Reset();
}

uint64_t FileLineReader::ReadLine(std::string& line) {
    const uint64_t position = lines_.ReadLine(line);
    if (position == 0) Rewind();
    return position;
}

bool TokenSplitter::NextToken(std::string_view& token) {
    // A line set after the position passed its end holds no further token.
    if (position_ >= line_.size()) {
        token = {};
        return false;
    }
    // Walked in locals: a store to the member between character reads would be repeated
    // at each character, since a char may alias it.
    const char* const text = line_.data();
    const size_t size = line_.size();
    size_t at = position_;
    while (at < size && IsSeparator(text[at])) ++at;
    const size_t start = at;
    while (at < size && !IsSeparator(text[at])) ++at;
    token = std::string_view(text + start, at - start);
    // The separator that ends a token is passed over with it.
    position_ = at < size ? at + 1 : at;
    return !token.empty();
}

bool TokenSplitter::NextToken(std::string& token) {
    std::string_view view;
    const bool found = NextToken(view);
    token.assign(view);
    return found;
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
