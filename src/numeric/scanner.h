#ifndef LUMOX_NUMERIC_SCANNER_H
#define LUMOX_NUMERIC_SCANNER_H

#include <cstdint>
#include <istream>
#include <string>
#include <string_view>

namespace lumox {

// Every piece of text the program turns into numbers goes through these scanners.
// A line ends at CR LF, at LF or at a lone CR; the line end is never part of the line
// and no other character is dropped. A final line without a line end is returned whole.

// The whole of a seekable stream, read from its start in one block; the stream is left at
// its start. Empty when the stream cannot tell its length.
std::string ReadWholeStream(std::istream& file);

// Reads lines from text in memory (not owned).
class TextLineReader {
public:
    explicit TextLineReader(std::string_view text) : text_(text) {}
    void Reset() { position_ = 0; }
    // The position after the line (non-zero) when a line was read, 0 when no text is left.
    uint64_t ReadLine(std::string& line);
    // The same with the line as a view into the text, without a copy.
    uint64_t ReadLine(std::string_view& line);

private:
    std::string_view text_;
    uint64_t position_ = 0;
};

// Where the first line that starts at or after byte at of text begins, by the line ends
// above (text's end when none does): for cutting a text into blocks of whole lines.
size_t LineStartFrom(std::string_view text, size_t at);

// Reads lines from an open file, which it reads in one block when made. Dropping the
// reader seeks the file back to its start, so the next reader of the same stream begins
// at byte 0.
class FileLineReader {
public:
    explicit FileLineReader(std::istream& file);
    ~FileLineReader();
    FileLineReader(const FileLineReader&) = delete;
    FileLineReader& operator=(const FileLineReader&) = delete;

    // The position after the line (non-zero) when a line was read, 0 at end of file
    // (the file is then sought back to its start).
    uint64_t ReadLine(std::string& line);
    uint64_t Length() const { return text_.size(); }

private:
    void Rewind();

    std::istream& file_;
    std::string text_;
    TextLineReader lines_{text_};
};

// Splits one line into tokens: maximal runs of characters other than blank, tab, comma
// and line feed. Runs of separators count as one; an empty field between commas yields nothing.
class TokenSplitter {
public:
    TokenSplitter() = default;
    explicit TokenSplitter(std::string_view line) : line_(line) {}
    // Takes a new line; the position is kept, so a caller that reuses a splitter calls Reset.
    void SetLine(std::string_view line) { line_ = line; }
    void Reset() { position_ = 0; }
    // True when a token was copied into token; false when the line holds no further token.
    bool NextToken(std::string& token);
    // The same with the token as a view into the line, without a copy.
    bool NextToken(std::string_view& token);
    uint32_t CountTokens() const;

    static bool IsSeparator(char c) { return c == ' ' || c == '\t' || c == ',' || c == '\n'; }

private:
    std::string_view line_;
    size_t position_ = 0;
};

// -1 for an empty line, 0 when every character is one of "0123456789., \t-+eE", 1 otherwise.
int HasOnlyNumberChars(std::string_view line);

}  // namespace lumox

#endif
