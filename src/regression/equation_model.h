#ifndef LUMOX_REGRESSION_EQUATION_MODEL_H
#define LUMOX_REGRESSION_EQUATION_MODEL_H

#include <array>

namespace lumox {

// The equation a regression fits: y with an optional transform and up to ten terms
// x0 .. x9. Entry 0 is y, entries 1 .. 10 are x0 .. x9.
class EquationModel {
public:
    static constexpr int kEntries = 11;
    static constexpr int kNone = -2;      // variable or transform code: entry not in use
    static constexpr int kConstant = -1;  // variable code of the constant 1 (x0 only)

    EquationModel() { ResetModel(); }

    // Entry 0, one entry, every code "none", flags cleared.
    void ResetModel();

    int m_nCurrentEntry = 0;
    std::array<int, kEntries> m_anVariable{};
    int m_nEntryCount = 1;
    std::array<int, kEntries> m_anTransform{};
    int m_nSingleVariable = kNone;
    int m_bYTransformed = 0;
    int m_bTransformError = 0;
};

}  // namespace lumox

#endif
