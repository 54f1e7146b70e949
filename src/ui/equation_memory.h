#ifndef LUMOX_UI_EQUATION_MEMORY_H
#define LUMOX_UI_EQUATION_MEMORY_H

#include <string>

class QSettings;

namespace lumox {

// The Build Equation entries a person left for each data file, kept between runs as the
// equation's text (what the window's equation edit shows), for the most recent files.
class EquationMemory {
public:
    explicit EquationMemory(QSettings& settings) : settings_(settings) {}

    // The equation kept for the data file at path; empty when none.
    std::string Recall(const std::string& path) const;
    // Keeps the equation for path, as the most recent file; an empty equation forgets it.
    void Keep(const std::string& path, const std::string& equation);

private:
    QSettings& settings_;
};

}  // namespace lumox

#endif
