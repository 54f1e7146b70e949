#ifndef LUMOX_REGRESSION_EQUATION_MODEL_H
#define LUMOX_REGRESSION_EQUATION_MODEL_H

#include <array>
#include <string>
#include <vector>

#include "platform/diagnostics.h"

namespace lumox {

class Matrix;

// One item of a choice list: the text shown and the code it stands for.
struct ChoiceItem {
    std::string text;
    int data = 0;
    friend bool operator==(const ChoiceItem&, const ChoiceItem&) = default;
};
using ChoiceList = std::vector<ChoiceItem>;

// The equation a regression fits: y with an optional transform and up to ten terms
// x0 .. x9. Entry 0 is y, entries 1 .. 10 are x0 .. x9. Variable codes: -2 none, -1 the
// constant, 0 .. 99 a data column, 100 + 10a + b the cross product of entries xa and xb.
// Transform codes: -2 none, 1 sqrt, 2 log, 3 reciprocal, 4 reciprocal square, 5 e^-v,
// 100 + p the power p. The model is a plain value: copying it copies every field.
class EquationModel {
public:
    static constexpr int kEntries = 11;
    static constexpr int kNone = -2;       // variable or transform code: entry not in use
    static constexpr int kConstant = -1;   // variable code of the constant 1 (x0 only)
    static constexpr int kCompound = 100;  // codes above it are cross products or powers

    enum Transform { kSqrt = 1, kLog = 2, kReciprocal = 3, kReciprocalSquare = 4, kExpNeg = 5 };

    EquationModel() { ResetModel(); }

    // Entry 0, one entry, every code "none", flags cleared.
    void ResetModel();

    // Makes entry current and returns 0, or returns 1 (nothing changed) when it lies
    // behind the first entry not in use.
    int SelectEntry(int entry);
    // Stores the variable code in the current entry. Returns 0.
    int SetVariable(int code);
    // Stores the transform code in the current entry (0 stored as none). Returns 0.
    int SetTransform(int code);
    // True when the current entry holds a data variable (code 0 .. 100), which alone may
    // carry a transform.
    bool IsPlainVariable() const;
    // Sets and returns the number of leading entries, from y on, that are in use.
    int CountEntries();
    // Clears every entry behind the defined run; returns the first such entry that still
    // held a variable (a gap left by an earlier "(None)"), or -1.
    int CompactModel();
    // The later entry of the last pair of x entries with equal variable and transform
    // codes, or 0.
    int FindDuplicateTerm() const;
    // The number of distinct data variables used by x0 .. x9; writes them, in order of
    // first use, to variables when one is given.
    int ListDistinctVariables(std::vector<int>* variables = nullptr) const;

    // The variable choices for the current entry, given the data set's column names; each
    // item carries its variable code.
    void FillVariableList(ChoiceList& list, const std::vector<std::string>& names);
    // The transform choices for the current entry (empty unless it holds a plain
    // variable); each item carries its transform code (0 for none).
    void FillTransformList(ChoiceList& list) const;

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

    // The text name of entry (0 = y) from the data set's column names, as reports and
    // the equation show it. Not for the constant entry.
    std::string TermName(int entry, const std::vector<std::string>& names) const;

    // Applies the transform of the given code (1 .. 5 or 100 + p) to value. False, with the
    // math error's message and then 32784 (no result) or 32807 (a zero or e^-v of 0: the
    // equation cannot be fitted, but a best-model search goes on) in said, when it fails.
    static bool ApplyTransform(int code, double value, double& result, Diagnostics& said);

    int m_nCurrentEntry = 0;
    std::array<int, kEntries> m_anVariable{};
    int m_nEntryCount = 1;
    std::array<int, kEntries> m_anTransform{};
    int m_nSingleVariable = kNone;
    int m_bYTransformed = 0;
};

}  // namespace lumox

#endif
