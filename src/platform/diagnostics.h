#ifndef LUMOX_PLATFORM_DIAGNOSTICS_H
#define LUMOX_PLATFORM_DIAGNOSTICS_H

#include <exception>
#include <string>
#include <vector>

namespace lumox {

// The icon of a message box.
enum class Icon { None, Stop, Exclamation, Question, Information };

// One thing an operation has to tell the person: a message with its icon, or the warning
// beep of a refused keystroke (beep set, no text).
struct Diagnostic {
    std::string text;
    Icon icon = Icon::None;
    bool beep = false;
    friend bool operator==(const Diagnostic&, const Diagnostic&) = default;
};

// What operations have to tell, in the order it arose. The core only adds to it; the
// document or a front end shows it and decides whether the command goes on.
class Diagnostics {
public:
    void Add(std::string text, Icon icon);
    // The string-table text of id.
    void Add(int id, Icon icon);
    void AddBeep();
    // Forgets the first count diagnostics (all of them when there are fewer).
    void DropFirst(size_t count);
    bool Empty() const { return items_.empty(); }
    // Whether a message with the stop icon was added: an operation that went wrong.
    bool HasStop() const;
    const std::vector<Diagnostic>& Items() const { return items_; }
    void Clear() { items_.clear(); }

private:
    std::vector<Diagnostic> items_;
};

// A computation that cannot go on, with the message that says why: thrown by the matrix
// and probability code on arguments outside their domain or when memory runs out, and
// caught where a command is run, which shows the message and abandons the command.
class ComputeError : public std::exception {
public:
    ComputeError(std::string text, Icon icon) : said_{std::move(text), icon} {}
    // The string-table text of id.
    ComputeError(int id, Icon icon);
    const Diagnostic& Said() const { return said_; }
    const char* what() const noexcept override { return said_.text.c_str(); }

private:
    Diagnostic said_;
};

}  // namespace lumox

#endif
