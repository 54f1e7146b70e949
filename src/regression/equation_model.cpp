#include "regression/equation_model.h"

#include <cmath>
#include <limits>

#include "numeric/matrix.h"
#include "platform/format.h"
#include "platform/strings.h"
#include "regression/math_hook.h"

namespace lumox {
namespace {

constexpr int kFirstX = 1;  // entry of x0
constexpr double kInfinity = std::numeric_limits<double>::infinity();

bool IsPlainCode(int code) { return code >= 0 && code <= EquationModel::kCompound; }

const std::string& NameOf(const std::vector<std::string>& names, int column) {
    static const std::string kUnknown;
    if (column < 0 || static_cast<size_t>(column) >= names.size()) return kUnknown;
    return names[static_cast<size_t>(column)];
}

}  // namespace

void EquationModel::ResetModel() {
    m_nCurrentEntry = 0;
    m_nEntryCount = 1;
    m_anVariable.fill(kNone);
    m_anTransform.fill(kNone);
    m_nSingleVariable = kNone;
    m_bYTransformed = 0;
}

int EquationModel::SelectEntry(int entry) {
    CountEntries();
    // There are only kEntries entries, however many are defined.
    if (entry < 0 || entry >= kEntries || entry > m_nEntryCount) return 1;
    m_nCurrentEntry = entry;
    return 0;
}

int EquationModel::SetVariable(int code) {
    m_anVariable[m_nCurrentEntry] = code;
    return 0;
}

int EquationModel::SetTransform(int code) {
    m_anTransform[m_nCurrentEntry] = code == 0 ? kNone : code;
    return 0;
}

bool EquationModel::IsPlainVariable() const { return IsPlainCode(m_anVariable[m_nCurrentEntry]); }

int EquationModel::CountEntries() {
    int count = 0;
    while (count < kEntries && m_anVariable[count] >= kConstant) ++count;
    m_nEntryCount = count;
    return count;
}

int EquationModel::CompactModel() {
    CountEntries();
    int gap = -1;
    for (int entry = m_nEntryCount; entry < kEntries; ++entry) {
        if (gap < 0 && m_anVariable[entry] != kNone) gap = entry;
        m_anVariable[entry] = kNone;
        m_anTransform[entry] = kNone;
    }
    m_nSingleVariable = kNone;
    if (ListDistinctVariables() == 1) m_nSingleVariable = m_anVariable[kFirstX + 1];
    return gap;
}

int EquationModel::FindDuplicateTerm() const {
    int duplicate = 0;
    for (int i = kFirstX; i < m_nEntryCount; ++i) {
        for (int j = i + 1; j < m_nEntryCount; ++j) {
            if (m_anVariable[i] == m_anVariable[j] && m_anTransform[i] == m_anTransform[j]) {
                duplicate = j;
            }
        }
    }
    return duplicate;
}

int EquationModel::ListDistinctVariables(std::vector<int>* variables) const {
    std::array<int, kEntries> codes = m_anVariable;
    constexpr int kUsed = kNone;
    if (variables != nullptr) variables->clear();
    int count = 0;
    for (int i = kFirstX; i < kEntries; ++i) {
        if (!IsPlainCode(codes[i])) continue;
        ++count;
        if (variables != nullptr) variables->push_back(codes[i]);
        for (int j = i + 1; j < kEntries; ++j) {
            if (codes[j] == codes[i]) codes[j] = kUsed;
        }
    }
    return count;
}

void EquationModel::FillVariableList(ChoiceList& list, const std::vector<std::string>& names) {
    list.clear();
    list.push_back({"(None)", kNone});
    if (m_nCurrentEntry == 0) {
        for (size_t column = 0; column < names.size(); ++column) {
            list.push_back({names[column], static_cast<int>(column)});
        }
        return;
    }
    if (m_nCurrentEntry == kFirstX) {
        list.push_back({"1", kConstant});
        return;
    }
    for (size_t column = 0; column < names.size(); ++column) {
        if (static_cast<int>(column) == m_anVariable[0]) continue;
        list.push_back({names[column], static_cast<int>(column)});
    }
    CountEntries();
    // Cross products join two different untransformed variables of other entries.
    auto usable = [this](int entry) {
        return entry < m_nEntryCount && entry != m_nCurrentEntry &&
               IsPlainCode(m_anVariable[entry]) && m_anTransform[entry] == kNone;
    };
    for (int a = 0; a < kEntries - 1; ++a) {
        for (int b = a + 1; b < kEntries - 1; ++b) {
            const int ea = a + kFirstX;
            const int eb = b + kFirstX;
            if (usable(ea) && usable(eb) && m_anVariable[ea] != m_anVariable[eb]) {
                list.push_back({Format("X%iX%i", a, b), kCompound + 10 * a + b});
            }
        }
    }
}

void EquationModel::FillTransformList(ChoiceList& list) const {
    list.clear();
    if (!IsPlainVariable()) return;
    if (m_nCurrentEntry == 0) {
        list = {{"(None)", 0}, {"sqrt(y)", 1}, {"log(y)", 2}, {"1/y", 3}};
        return;
    }
    list = {{"(None)", 0}, {"sqrt(x)", 1}, {"log(x)", 2}, {"1/x", 3}, {"1/x^2", 4}, {"e^-x", 5}};
    for (int power = 2; power <= 6; ++power) {
        list.push_back({Format("x^%i", power), kCompound + power});
    }
}

// The transforms test for any infinity: the math-error hook turns every runtime error into
// +infinity, and a reciprocal of a tiny negative value overflows to -infinity.
bool EquationModel::ApplyTransform(int code, double value, double& result, Diagnostics& said) {
    auto fail = [&said](int id) {
        said.Add(id, Icon::Stop);
        return false;
    };
    if ((code == kReciprocal || code == kReciprocalSquare) && value == 0.0) {
        return fail(ids::kEquationUnsuitable);
    }
    switch (code) {
        case kSqrt:
            result = CheckedSqrt(value, said);
            break;
        case kLog:
            result = CheckedLog(value, said);
            break;
        case kReciprocal:
            result = 1.0 / value;
            break;
        case kReciprocalSquare:
            result = 1.0 / (value * value);
            break;
        case kExpNeg:
            result = CheckedExp(-value, said);
            break;
        default:
            result = CheckedPow(value, static_cast<double>(code - kCompound), said);
            break;
    }
    if (std::isinf(result)) return fail(ids::kTransformUnsuitable);
    // e^-x of 0 makes a column of zeros: this equation cannot be fitted, but the command
    // goes on (a best-model search tries the next model).
    if (code == kExpNeg && result == 0.0) return fail(ids::kEquationUnsuitable);
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
        const int code = m_anVariable[entry];
        if (code <= kCompound) continue;
        const int a = (code - kCompound) / 10;
        const int b = (code - kCompound) % 10;
        for (const int factor : {m_anVariable[a + kFirstX], m_anVariable[b + kFirstX]}) {
            if (factor < 0 || factor >= kCompound || static_cast<uint32_t>(factor) >= data.Cols()) {
                said.Add(Format("Cross product X%iX%i uses an entry that holds no variable!", a, b),
                         Icon::Stop);
                return 1;
            }
        }
    }
    x.Resize(n, terms);
    if (!xOnly) y.Resize(n, 1);
    for (uint32_t r = 0; r < n; ++r) {
        for (uint32_t k = 0; k < terms; ++k) {
            const int entry = static_cast<int>(k) + kFirstX;
            const int code = m_anVariable[entry];
            double value;
            if (code == kConstant) {
                value = 1.0;
            } else if (code > kCompound) {
                const int a = (code - kCompound) / 10 + kFirstX;
                const int b = (code - kCompound) % 10 + kFirstX;
                value = data.At(r, static_cast<uint32_t>(m_anVariable[a])) *
                        data.At(r, static_cast<uint32_t>(m_anVariable[b]));
            } else {
                value = data.At(r, static_cast<uint32_t>(code));
            }
            if (m_anTransform[entry] != kNone &&
                !ApplyTransform(m_anTransform[entry], value, value, said)) {
                return 1;
            }
            x.At(r, k) = value;
        }
        if (xOnly) continue;
        double value = data.At(r, static_cast<uint32_t>(m_anVariable[0]));
        if (m_anTransform[0] != kNone) {
            if (!ApplyTransform(m_anTransform[0], value, value, said)) return 1;
            m_bYTransformed = 1;
        }
        y.At(r, 0) = value;
    }
    return 0;
}

int EquationModel::BackTransform(Matrix& values, Diagnostics& said) const {
    const int code = m_anTransform[0];
    if (code != kSqrt && code != kLog && code != kReciprocal) return 0;
    const uint64_t count = static_cast<uint64_t>(values.Rows()) * values.Cols();
    double* element = values.Data();
    for (uint64_t i = 0; i < count; ++i) {
        double& v = element[i];
        if (code == kSqrt) {
            v = v * v;
            continue;
        }
        if (code == kLog) {
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
    const int v = m_anVariable[entry];
    const int t = m_anTransform[entry] == kNone ? 0 : m_anTransform[entry];
    if (v > kCompound) {
        const int a = (v - kCompound) / 10 + kFirstX;
        const int b = (v - kCompound) % 10 + kFirstX;
        return Format("%-.8s*%-.8s", NameOf(names, m_anVariable[a]).c_str(),
                      NameOf(names, m_anVariable[b]).c_str());
    }
    const char* name = NameOf(names, v).c_str();
    if (t >= kCompound) return Format("%s^%d", name, t - kCompound);
    if (entry != 0 && t == kReciprocal) return Format("/%s", name);
    if (entry != 0 && t == kReciprocalSquare) return Format("/%s^2", name);
    switch (t) {
        case kSqrt:
            return Format("sqrt(%s)", name);
        case kLog:
            return Format("log(%s)", name);
        case kReciprocal:
            return Format("1/%s", name);
        case kReciprocalSquare:
            return Format("1/%s^2", name);
        case kExpNeg:
            return Format("e^-%s", name);
        default:
            return name;
    }
}

}  // namespace lumox
