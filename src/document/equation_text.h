#ifndef LUMOX_DOCUMENT_EQUATION_TEXT_H
#define LUMOX_DOCUMENT_EQUATION_TEXT_H

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/diagnostics.h"
#include "regression/equation_model.h"

namespace lumox {

// Reads an equation written the way the equation report names its terms, for example
// "Y = 1 + A + A^2 + sqrt(B) + log(C) + 1/D + 1/D^2 + e^-E + A*B", into a model: entry by
// entry as the Build Equation window would set it. findVariable maps a name (or #K) to its
// column, or -1 after its own message. On a fault returns no value and sets error.
std::optional<EquationModel> ParseEquation(const std::string& text,
                                           const std::function<int(const std::string&)>& findVariable,
                                           std::string& error);

class DataSet;

// The column of a variable of data: its name, #K (K from 1), its full spelling, or the first
// eight characters the listings show when no other column shows them. -1 with the reason
// in message.
int FindVariable(const DataSet& data, const std::string& name, std::string& message);

// An equation typed as text, read over data's variables; no value after the reason (a stop)
// in said. The same reading and refusals serve lumox-cli and the Build Equation window.
std::optional<EquationModel> ReadEquationText(const DataSet& data, const std::string& text,
                                              Diagnostics& said);

// The equation's entries in use as text ParseEquation reads back: "Y = 1 + A + log(B)",
// with the variables' full names; "Y =" while no x term is chosen, empty without y.
std::string EquationText(const EquationModel& model, const std::vector<std::string>& names);

}  // namespace lumox

#endif
