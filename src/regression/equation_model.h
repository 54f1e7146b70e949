#ifndef LUMOX_REGRESSION_EQUATION_MODEL_H
#define LUMOX_REGRESSION_EQUATION_MODEL_H

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "platform/diagnostics.h"

namespace lumox {

class Matrix;

// One item of a choice list: the text shown and the value it stands for.
template <typename Value>
struct ChoiceItem {
    std::string text;
    Value value{};
    friend bool operator==(const ChoiceItem&, const ChoiceItem&) = default;
};
template <typename Value>
using ChoiceList = std::vector<ChoiceItem<Value>>;

// What a transform does to a value v.
enum class TransformKind {
    None,
    Sqrt,              // sqrt(v)
    Log,               // the natural logarithm
    Reciprocal,        // 1/v
    ReciprocalSquare,  // 1/v^2
    ExpNeg,            // e^-v
    Power,             // v^p, p the exponent
};

// The transform of a term or of y. Only a power carries an exponent; the others keep it 0,
// so that two equal transforms compare equal.
struct Transform {
    TransformKind kind = TransformKind::None;
    int exponent = 0;

    constexpr Transform() = default;
    // A transform other than a power, so that a kind may stand where a transform is expected.
    constexpr Transform(TransformKind what) : kind(what) {}
    static constexpr Transform Power(int p) {
        Transform power(TransformKind::Power);
        power.exponent = p;
        return power;
    }
    friend bool operator==(const Transform&, const Transform&) = default;
};

// What an entry of the equation stands for before its transform.
enum class FactorKind {
    None,          // the entry is not in use
    Constant,      // the constant 1 (x0 only)
    Variable,      // a data column
    CrossProduct,  // the product of the variables of two x entries
};

// The factor of a term. Made by its named constructors, which leave the fields a kind does
// not use at 0, so that two equal factors compare equal.
struct TermFactor {
    FactorKind kind = FactorKind::None;
    int column = 0;  // Variable: the data column
    int first = 0;   // CrossProduct: the x indexes a < b (0 .. 9) of the entries xa and xb
    int second = 0;

    static constexpr TermFactor Constant() { return TermFactor{FactorKind::Constant, 0, 0, 0}; }
    static constexpr TermFactor Variable(int dataColumn) {
        return TermFactor{FactorKind::Variable, dataColumn, 0, 0};
    }
    static constexpr TermFactor CrossProduct(int a, int b) {
        return TermFactor{FactorKind::CrossProduct, 0, a, b};
    }
    friend bool operator==(const TermFactor&, const TermFactor&) = default;
};

// One entry of the equation: y or an x term. Only a variable carries a transform.
struct Term {
    TermFactor factor;
    Transform transform;

    static constexpr Term Constant() { return Term{TermFactor::Constant(), Transform()}; }
    static constexpr Term Variable(int column, Transform transform = {}) {
        return Term{TermFactor::Variable(column), transform};
    }
    static constexpr Term CrossProduct(int a, int b) {
        return Term{TermFactor::CrossProduct(a, b), Transform()};
    }
    bool InUse() const { return factor.kind != FactorKind::None; }
    bool IsVariable() const { return factor.kind == FactorKind::Variable; }
    friend bool operator==(const Term&, const Term&) = default;
};

// The equation a regression fits: y with an optional transform and up to ten terms
// x0 .. x9. Entry 0 is y, entries 1 .. 10 are x0 .. x9; the entries in use run from y up
// to the first entry not in use. The model is a plain value: copying it copies every field.
class EquationModel {
public:
    static constexpr int kEntries = 11;

    EquationModel() { ResetModel(); }

    // Every entry not in use, one entry counted, flags cleared.
    void ResetModel();

    // Whether entry may be chosen for a change: it lies within y .. x9 and not behind the
    // first entry not in use.
    bool CanSelectEntry(int entry) const;
    // Sets and returns the number of leading entries, from y on, that are in use.
    int CountEntries();
    // Clears every entry behind the defined run; returns the first such entry that still
    // held a variable (a gap left by an earlier "(None)"), or -1.
    int CompactModel();
    // The later entry of the last pair of equal x terms, or 0.
    int FindDuplicateTerm() const;
    // The number of distinct data variables used by x0 .. x9; writes their columns, in
    // order of first use, to variables when one is given.
    int ListDistinctVariables(std::vector<int>* variables = nullptr) const;

    // The factors entry may take, given the data set's column names.
    void FillVariableList(int entry, ChoiceList<TermFactor>& list,
                          const std::vector<std::string>& names) const;
    // The transforms entry may take (empty unless it holds a variable).
    void FillTransformList(int entry, ChoiceList<Transform>& list) const;

    // Builds the n x t term matrix X (t = entry count - 1) and, unless xOnly, the response
    // Y from data (observations in rows, variables in columns). 0, or 1 when a transform
    // failed or a cross product's factor entry holds no data variable (its messages in
    // said); the matrices are then partly filled.
    int BuildTermMatrix(Matrix& x, Matrix& y, const Matrix& data, bool xOnly, Diagnostics& said);
    // Brings values of the fitted scale back to the scale of y, in place. 0, or 1 with
    // message 32784 in said; the elements before the failing one are already converted.
    int BackTransform(Matrix& values, Diagnostics& said) const;
    // BackTransform of one value: 0 and the converted value, or 1.
    int BackTransformValue(double value, double& result, Diagnostics& said) const;

    // The data column of y.
    int YColumn() const { return m_aTerms[0].factor.column; }
    // The text name of entry (0 = y) from the data set's column names, as reports and
    // the equation show it. Not for the constant entry.
    std::string TermName(int entry, const std::vector<std::string>& names) const;

    // Applies transform to value (none leaves it as it is). False, with the math error's
    // message and then 32784 (no result) or 32807 (a zero or e^-v of 0: the equation
    // cannot be fitted, but a best-model search goes on) in said, when it fails.
    static bool ApplyTransform(Transform transform, double value, double& result,
                               Diagnostics& said);

    std::array<Term, kEntries> m_aTerms{};
    int m_nEntryCount = 1;
    // The one data variable of x0 .. x9 when there is exactly one and x1 holds it.
    std::optional<int> m_nSingleVariable;
    int m_bYTransformed = 0;

private:
    // The number of leading entries, from y on, that are in use.
    int EntriesInUse() const;
};

}  // namespace lumox

#endif
