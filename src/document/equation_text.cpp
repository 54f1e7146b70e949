#include "document/equation_text.h"

#include <cstdlib>
#include <vector>

#include "data/data_set.h"
#include "platform/format.h"

namespace lumox {
namespace {

std::string Trim(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    const size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// The fields of text between separators, empty ones included ("a++b" has three).
std::vector<std::string> SplitAt(const std::string& text, char separator) {
    std::vector<std::string> fields;
    size_t start = 0;
    for (;;) {
        const size_t end = text.find(separator, start);
        fields.push_back(text.substr(start, end == std::string::npos ? end : end - start));
        if (end == std::string::npos) return fields;
        start = end + 1;
    }
}

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.rfind(prefix, 0) == 0;
}

// A term split into its variable name and its transform.
struct NamedTerm {
    std::string name;
    Transform transform;
};

// The forms of one side or term: f(name), 1/name, 1/name^2, e^-name, name^p, name.
std::optional<NamedTerm> ReadTerm(const std::string& text, bool ySide) {
    auto inside = [&text](const std::string& open) -> std::optional<std::string> {
        if (StartsWith(text, open) && text.size() > open.size() + 1 && text.back() == ')') {
            return Trim(text.substr(open.size(), text.size() - open.size() - 1));
        }
        return std::nullopt;
    };
    if (auto name = inside("sqrt(")) return NamedTerm{*name, TransformKind::Sqrt};
    if (auto name = inside("log(")) return NamedTerm{*name, TransformKind::Log};
    if (StartsWith(text, "1/") && text.size() > 2) {
        const std::string rest = Trim(text.substr(2));
        if (!ySide && rest.size() > 2 && rest.compare(rest.size() - 2, 2, "^2") == 0) {
            return NamedTerm{Trim(rest.substr(0, rest.size() - 2)),
                             TransformKind::ReciprocalSquare};
        }
        return NamedTerm{rest, TransformKind::Reciprocal};
    }
    if (ySide) return NamedTerm{text, TransformKind::None};
    if (StartsWith(text, "e^-") && text.size() > 3) {
        return NamedTerm{Trim(text.substr(3)), TransformKind::ExpNeg};
    }
    const size_t caret = text.rfind('^');
    if (caret != std::string::npos && caret > 0 && caret + 2 == text.size() && text[caret + 1] >= '2' &&
        text[caret + 1] <= '6') {
        return NamedTerm{Trim(text.substr(0, caret)), Transform::Power(text[caret + 1] - '0')};
    }
    return NamedTerm{text, TransformKind::None};
}

}  // namespace

std::optional<EquationModel> ParseEquation(const std::string& text,
                                           const std::function<int(const std::string&)>& findVariable,
                                           std::string& error) {
    const size_t equals = text.find('=');
    if (equals == std::string::npos) {
        error = "the equation has no \"=\"";
        return std::nullopt;
    }
    EquationModel model;
    const std::optional<NamedTerm> y = ReadTerm(Trim(text.substr(0, equals)), true);
    if (!y || y->name.empty()) {
        error = "the equation has no y variable";
        return std::nullopt;
    }
    const int yColumn = findVariable(y->name);
    if (yColumn < 0) return std::nullopt;
    model.m_aTerms[0] = Term::Variable(yColumn, y->transform);

    std::vector<std::string> terms = SplitAt(text.substr(equals + 1), '+');
    for (std::string& term : terms) term = Trim(term);
    if (terms.size() > 10) {
        error = "an equation has at most ten x terms";
        return std::nullopt;
    }
    for (size_t k = 0; k < terms.size(); ++k) {
        const std::string& term = terms[k];
        const int entry = static_cast<int>(k) + 1;
        if (term.empty()) {
            error = "an x term is empty";
            return std::nullopt;
        }
        if (k == 0) {
            if (term != "1") {
                error = "the first x term must be 1";
                return std::nullopt;
            }
            model.m_aTerms[entry] = Term::Constant();
            continue;
        }
        const size_t star = term.find('*');
        if (star != std::string::npos) {
            // A cross product of the variables of two earlier plain, untransformed terms.
            const int first = findVariable(Trim(term.substr(0, star)));
            if (first < 0) return std::nullopt;
            const int second = findVariable(Trim(term.substr(star + 1)));
            if (second < 0) return std::nullopt;
            auto plainEntry = [&model, entry](int column) {
                for (int e = 2; e < entry; ++e) {
                    if (model.m_aTerms[e] == Term::Variable(column)) {
                        return e - 1;  // x index
                    }
                }
                return -1;
            };
            int a = plainEntry(first);
            int b = plainEntry(second);
            if (a < 0 || b < 0 || a == b) {
                error = "a cross product " + term +
                        " needs two different variables used as plain terms before it";
                return std::nullopt;
            }
            if (a > b) std::swap(a, b);
            model.m_aTerms[entry] = Term::CrossProduct(a, b);
            continue;
        }
        const std::optional<NamedTerm> x = ReadTerm(term, false);
        if (!x || x->name.empty()) {
            error = "cannot read the term " + term;
            return std::nullopt;
        }
        const int column = findVariable(x->name);
        if (column < 0) return std::nullopt;
        if (column == yColumn) {
            error = "the y variable cannot be an x term";
            return std::nullopt;
        }
        model.m_aTerms[entry] = Term::Variable(column, x->transform);
    }
    model.m_nEntryCount = static_cast<int>(terms.size()) + 1;
    return model;
}

int FindVariable(const DataSet& data, const std::string& name, std::string& message) {
    // A column's own name comes first, so that a column named "#2" is not shadowed.
    const std::vector<std::string>& full = data.FullNames();
    for (size_t j = 0; j < full.size(); ++j) {
        if (data.GetColName(static_cast<uint32_t>(j)) == name) return static_cast<int>(j);
    }
    if (name.size() > 1 && name[0] == '#') {
        char* end = nullptr;
        const long k = std::strtol(name.c_str() + 1, &end, 10);
        if (*end == '\0' && k >= 1 && static_cast<size_t>(k) <= full.size()) {
            return static_cast<int>(k - 1);
        }
    }
    // A name longer than the stored one is found by its full spelling.
    for (size_t j = 0; j < full.size(); ++j) {
        if (full[j] == name) return static_cast<int>(j);
    }
    // And by the name the listings show, its first eight characters, when only one column
    // shows that name.
    constexpr size_t kListedLength = 8;
    int listed = -1;
    for (size_t j = 0; j < full.size() && name.size() == kListedLength; ++j) {
        if (full[j].compare(0, kListedLength, name) != 0) continue;
        if (listed >= 0) {
            message = Format("\"%s\" is the listed name of more than one variable: name it in "
                             "full.",
                             name.c_str());
            return -1;
        }
        listed = static_cast<int>(j);
    }
    if (listed >= 0) return listed;
    message = Format("No variable \"%s\" in the data file.", name.c_str());
    return -1;
}

std::optional<EquationModel> ReadEquationText(const DataSet& data, const std::string& text,
                                              Diagnostics& said) {
    std::string error;
    std::string missing;
    const std::optional<EquationModel> model = ParseEquation(
        text,
        [&data, &missing](const std::string& name) { return FindVariable(data, name, missing); },
        error);
    if (model) return model;
    if (!missing.empty()) {
        said.Add(missing, Icon::Stop);
    } else {
        said.Add(Format("Cannot read the equation \"%s\": %s.", text.c_str(), error.c_str()),
                 Icon::Stop);
    }
    return std::nullopt;
}

std::string EquationText(const EquationModel& model, const std::vector<std::string>& names) {
    auto Name = [&names](const Term& term) -> std::string {
        const size_t column = static_cast<size_t>(term.factor.column);
        return column < names.size() ? names[column] : std::string();
    };
    auto Text = [&](int entry) -> std::string {
        const Term& term = model.m_aTerms[static_cast<size_t>(entry)];
        switch (term.factor.kind) {
            case FactorKind::None:
                return std::string();
            case FactorKind::Constant:
                return "1";
            case FactorKind::CrossProduct:
                return Name(model.m_aTerms[static_cast<size_t>(term.factor.first + 1)]) + "*" +
                       Name(model.m_aTerms[static_cast<size_t>(term.factor.second + 1)]);
            case FactorKind::Variable:
                break;
        }
        const std::string name = Name(term);
        switch (term.transform.kind) {
            case TransformKind::None:
                return name;
            case TransformKind::Sqrt:
                return "sqrt(" + name + ")";
            case TransformKind::Log:
                return "log(" + name + ")";
            case TransformKind::Reciprocal:
                return "1/" + name;
            case TransformKind::ReciprocalSquare:
                return "1/" + name + "^2";
            case TransformKind::ExpNeg:
                return "e^-" + name;
            case TransformKind::Power:
                return name + "^" + std::to_string(term.transform.exponent);
        }
        return name;
    };
    if (!model.m_aTerms[0].InUse()) return std::string();
    std::string text = Text(0) + " =";
    for (int entry = 1; entry < EquationModel::kEntries && model.m_aTerms[static_cast<size_t>(entry)].InUse(); ++entry) {
        text += (entry > 1 ? " + " : " ") + Text(entry);
    }
    return text;
}

}  // namespace lumox
