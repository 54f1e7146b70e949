#include "regression/equation_model.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "numeric/matrix.h"
#include "platform/format.h"
#include "platform/strings.h"
#include "regression/math_hook.h"

namespace lumox {
namespace {

constexpr int kFirstX = 1;  // entry of x0
constexpr double kInfinity = std::numeric_limits<double>::infinity();

const std::string& NameOf(const std::vector<std::string>& names, const Term& term) {
    static const std::string kUnknown;
    const int column = term.factor.column;
    if (!term.IsVariable() || column < 0 || static_cast<size_t>(column) >= names.size()) {
        return kUnknown;
    }
    return names[static_cast<size_t>(column)];
}

}  // namespace

void EquationModel::ResetModel() {
    m_nEntryCount = 1;
    m_aTerms.fill(Term{});
    m_nSingleVariable.reset();
    m_bYTransformed = 0;
}

int EquationModel::EntriesInUse() const {
    int count = 0;
    while (count < kEntries && m_aTerms[count].InUse()) ++count;
    return count;
}

bool EquationModel::CanSelectEntry(int entry) const {
    // There are only kEntries entries, however many are defined.
    return entry >= 0 && entry < kEntries && entry <= EntriesInUse();
}

int EquationModel::CountEntries() {
    m_nEntryCount = EntriesInUse();
    return m_nEntryCount;
}

int EquationModel::CompactModel() {
    CountEntries();
    int gap = -1;
    for (int entry = m_nEntryCount; entry < kEntries; ++entry) {
        if (gap < 0 && m_aTerms[entry].InUse()) gap = entry;
        m_aTerms[entry] = Term{};
    }
    m_nSingleVariable.reset();
    const Term& x1 = m_aTerms[kFirstX + 1];
    if (ListDistinctVariables() == 1 && x1.IsVariable()) m_nSingleVariable = x1.factor.column;
    return gap;
}

int EquationModel::FindDuplicateTerm() const {
    int duplicate = 0;
    for (int i = kFirstX; i < m_nEntryCount; ++i) {
        for (int j = i + 1; j < m_nEntryCount; ++j) {
            if (m_aTerms[i] == m_aTerms[j]) duplicate = j;
        }
    }
    return duplicate;
}

int EquationModel::ListDistinctVariables(std::vector<int>* variables) const {
    std::vector<int> columns;
    for (int i = kFirstX; i < kEntries; ++i) {
        if (!m_aTerms[i].IsVariable()) continue;
        const int column = m_aTerms[i].factor.column;
        if (std::find(columns.begin(), columns.end(), column) == columns.end()) {
            columns.push_back(column);
        }
    }
    if (variables != nullptr) *variables = columns;
    return static_cast<int>(columns.size());
}

void EquationModel::FillVariableList(int entry, ChoiceList<TermFactor>& list,
                                     const std::vector<std::string>& names) const {
    list.clear();
    list.push_back({"(None)", TermFactor{}});
    if (entry == 0) {
        for (size_t column = 0; column < names.size(); ++column) {
            list.push_back({names[column], TermFactor::Variable(static_cast<int>(column))});
        }
        return;
    }
    if (entry == kFirstX) {
        list.push_back({"1", TermFactor::Constant()});
        return;
    }
    for (size_t column = 0; column < names.size(); ++column) {
        const TermFactor variable = TermFactor::Variable(static_cast<int>(column));
        if (variable == m_aTerms[0].factor) continue;
        list.push_back({names[column], variable});
    }
    const int count = EntriesInUse();
    // Cross products join two different untransformed variables of other entries.
    auto usable = [this, entry, count](int other) {
        return other < count && other != entry && m_aTerms[other].IsVariable() &&
               m_aTerms[other].transform.kind == TransformKind::None;
    };
    for (int a = 0; a < kEntries - 1; ++a) {
        for (int b = a + 1; b < kEntries - 1; ++b) {
            const int ea = a + kFirstX;
            const int eb = b + kFirstX;
            if (usable(ea) && usable(eb) && m_aTerms[ea].factor != m_aTerms[eb].factor) {
                list.push_back({Format("X%iX%i", a, b), TermFactor::CrossProduct(a, b)});
            }
        }
    }
}

void EquationModel::FillTransformList(int entry, ChoiceList<Transform>& list) const {
    using enum TransformKind;
    list.clear();
    if (!m_aTerms[entry].IsVariable()) return;
    if (entry == 0) {
        list = {{"(None)", None}, {"sqrt(y)", Sqrt}, {"log(y)", Log}, {"1/y", Reciprocal}};
        return;
    }
    list = {{"(None)", None},    {"sqrt(x)", Sqrt},           {"log(x)", Log},
            {"1/x", Reciprocal}, {"1/x^2", ReciprocalSquare}, {"e^-x", ExpNeg}};
    for (int power = 2; power <= 6; ++power) {
        list.push_back({Format("x^%i", power), Transform::Power(power)});
    }
}

// The transforms test for any infinity: the math-error hook turns every runtime error into
// +infinity, and a reciprocal of a tiny negative value overflows to -infinity.
bool EquationModel::ApplyTransform(Transform transform, double value, double& result,
                                   Diagnostics& said) {
    auto fail = [&said](int id) {
        said.Add(id, Icon::Stop);
        return false;
    };
    const TransformKind kind = transform.kind;
    if ((kind == TransformKind::Reciprocal || kind == TransformKind::ReciprocalSquare) &&
        value == 0.0) {
        return fail(ids::kEquationUnsuitable);
    }
    switch (kind) {
        case TransformKind::None:
            result = value;
            return true;
        case TransformKind::Sqrt:
            result = CheckedSqrt(value, said);
            break;
        case TransformKind::Log:
            result = CheckedLog(value, said);
            break;
        case TransformKind::Reciprocal:
            result = 1.0 / value;
            break;
        case TransformKind::ReciprocalSquare:
            result = 1.0 / (value * value);
            break;
        case TransformKind::ExpNeg:
            result = CheckedExp(-value, said);
            break;
        case TransformKind::Power:
            result = CheckedPow(value, static_cast<double>(transform.exponent), said);
            break;
    }
    if (std::isinf(result)) return fail(ids::kTransformUnsuitable);
    // e^-x of 0 makes a column of zeros: this equation cannot be fitted, but the command
    // goes on (a best-model search tries the next model).
    if (kind == TransformKind::ExpNeg && result == 0.0) return fail(ids::kEquationUnsuitable);
    return true;
}

int EquationModel::BuildTermMatrix(Matrix& x, Matrix& y, const Matrix& data, bool xOnly,
                                   Diagnostics& said) {
    m_bYTransformed = 0;
    const uint32_t n = data.Rows();
    const uint32_t terms = static_cast<uint32_t>(m_nEntryCount - 1);
    // A cross product names its factors by entry, and those entries may have been set to
    // "(None)" or to another product since it was chosen: such a term has no data to read.
    for (int entry = kFirstX; entry < m_nEntryCount; ++entry) {
        const TermFactor& product = m_aTerms[entry].factor;
        if (product.kind != FactorKind::CrossProduct) continue;
        for (const int factor : {product.first, product.second}) {
            const Term& term = m_aTerms[factor + kFirstX];
            if (!term.IsVariable() || term.factor.column < 0 ||
                static_cast<uint32_t>(term.factor.column) >= data.Cols()) {
                said.Add(Format("Cross product X%iX%i uses an entry that holds no variable!",
                                product.first, product.second),
                         Icon::Stop);
                return 1;
            }
        }
    }
    // Where each term's value comes from, found once for all the rows.
    struct Source {
        FactorKind kind = FactorKind::Constant;
        uint32_t a = 0;  // the column of a variable, or of a product's first factor
        uint32_t b = 0;  // the column of a product's second factor
        const Transform* transform = nullptr;  // null: none
    };
    auto column = [this](int entry) {
        return static_cast<uint32_t>(m_aTerms[entry].factor.column);
    };
    std::vector<Source> sources(terms);
    for (uint32_t k = 0; k < terms; ++k) {
        const Term& term = m_aTerms[static_cast<int>(k) + kFirstX];
        Source& source = sources[k];
        source.kind = term.factor.kind;
        if (source.kind == FactorKind::Variable) source.a = column(static_cast<int>(k) + kFirstX);
        if (source.kind == FactorKind::CrossProduct) {
            source.a = column(term.factor.first + kFirstX);
            source.b = column(term.factor.second + kFirstX);
        }
        if (term.transform.kind != TransformKind::None) source.transform = &term.transform;
    }
    x.Resize(n, terms);
    if (!xOnly) y.Resize(n, 1);
    for (uint32_t r = 0; r < n; ++r) {
        for (uint32_t k = 0; k < terms; ++k) {
            const Source& source = sources[k];
            double value = 1.0;
            if (source.kind == FactorKind::Variable) {
                value = data.At(r, source.a);
            } else if (source.kind == FactorKind::CrossProduct) {
                value = data.At(r, source.a) * data.At(r, source.b);
            }
            if (source.transform != nullptr &&
                !ApplyTransform(*source.transform, value, value, said)) {
                return 1;
            }
            x.At(r, k) = value;
        }
        if (xOnly) continue;
        double value = data.At(r, column(0));
        if (m_aTerms[0].transform.kind != TransformKind::None) {
            if (!ApplyTransform(m_aTerms[0].transform, value, value, said)) return 1;
            m_bYTransformed = 1;
        }
        y.At(r, 0) = value;
    }
    return 0;
}

int EquationModel::BackTransform(Matrix& values, Diagnostics& said) const {
    const TransformKind kind = m_aTerms[0].transform.kind;
    if (kind != TransformKind::Sqrt && kind != TransformKind::Log &&
        kind != TransformKind::Reciprocal) {
        return 0;
    }
    const uint64_t count = static_cast<uint64_t>(values.Rows()) * values.Cols();
    double* element = values.Data();
    for (uint64_t i = 0; i < count; ++i) {
        double& v = element[i];
        if (kind == TransformKind::Sqrt) {
            v = v * v;
            continue;
        }
        if (kind == TransformKind::Log) {
            v = CheckedExp(v, said);
        } else {
            v = v == 0.0 ? kInfinity : 1.0 / v;
        }
        if (std::isinf(v)) {
            said.Add(ids::kTransformUnsuitable, Icon::Stop);
            return 1;
        }
    }
    return 0;
}

int EquationModel::BackTransformValue(double value, double& result, Diagnostics& said) const {
    Matrix one(1, 1);
    one.At(0, 0) = value;
    if (BackTransform(one, said) != 0) return 1;
    result = one.At(0, 0);
    return 0;
}

std::string EquationModel::TermName(int entry, const std::vector<std::string>& names) const {
    const Term& term = m_aTerms[entry];
    if (term.factor.kind == FactorKind::CrossProduct) {
        return Format("%-.8s*%-.8s", NameOf(names, m_aTerms[term.factor.first + kFirstX]).c_str(),
                      NameOf(names, m_aTerms[term.factor.second + kFirstX]).c_str());
    }
    const char* name = NameOf(names, term).c_str();
    // An x term's reciprocal reads as a division by its variable.
    const bool y = entry == 0;
    switch (term.transform.kind) {
        case TransformKind::None:
            return name;
        case TransformKind::Sqrt:
            return Format("sqrt(%s)", name);
        case TransformKind::Log:
            return Format("log(%s)", name);
        case TransformKind::Reciprocal:
            return Format(y ? "1/%s" : "/%s", name);
        case TransformKind::ReciprocalSquare:
            return Format(y ? "1/%s^2" : "/%s^2", name);
        case TransformKind::ExpNeg:
            return Format("e^-%s", name);
        case TransformKind::Power:
            return Format("%s^%d", name, term.transform.exponent);
    }
    return name;
}

}  // namespace lumox
