#ifndef LUMOX_CLI_EQUATION_TEXT_H
#define LUMOX_CLI_EQUATION_TEXT_H

#include <functional>
#include <optional>
#include <string>

#include "regression/equation_model.h"

namespace lumox::cli {

// Reads an equation written the way the equation report names its terms, for example
// "Y = 1 + A + A^2 + sqrt(B) + log(C) + 1/D + 1/D^2 + e^-E + A*B", into a model: entry by
// entry as the Build Equation window would set it. findVariable maps a name (or #K) to its
// column, or -1 after its own message. On a fault returns no value and sets error.
std::optional<EquationModel> ParseEquation(const std::string& text,
                                           const std::function<int(const std::string&)>& findVariable,
                                           std::string& error);

}  // namespace lumox::cli

#endif
