#ifndef LUMOX_DOCUMENT_SIMPLE_REGRESSION_H
#define LUMOX_DOCUMENT_SIMPLE_REGRESSION_H

#include <array>

#include "regression/simple_models.h"

namespace lumox {

class CLumoxDoc;

// The state of the simple regression dialog and its computations, free of any window:
// the chosen X and Y, each model's last R square and standard error, the search for the
// best models. The dialog and the command line drive it; Calculate makes its fit the
// document's fit.
class SimpleRegression {
public:
    explicit SimpleRegression(CLumoxDoc& document);

    // Fits model m for the current X and Y and keeps its R square and standard error; the
    // document is not touched. 0 on success, 1 when the fit failed (messages shown) or the
    // three-parameter model has fewer than 4 observations, 2 after message 32803 when X or
    // Y is missing or they are the same variable.
    int FitSimpleModel(int m);
    // Forgets every model's results, the calculated model and the best models.
    void ClearModelResults();
    // Fits all twelve models and records the best R square and the best (non-zero)
    // standard error, ties to the lower index. The document is left without a fit.
    void FindBestModels();

    // Sets X (or Y) to column, -1 for none, and forgets every model's results.
    void SetX(int column);
    void SetY(int column);
    // Calculate: fits the selected model as the document's fit; 0 on success (it becomes
    // the calculated model), message 32804 and -1 when no model is selected, else the
    // result of FitSimpleModel (the document then holds no fit).
    int Calculate();
    // Selects model in the list, then Calculate.
    int Calculate(int model) {
        m_nSelectedModel = model;
        return Calculate();
    }
    // Best R^2 and Best Std Err: searches once (until X or Y change), selects the model
    // found and returns it (-1 when none qualified).
    int SelectBestRSquare();
    int SelectBestStandardError();
    // Compare: records the MODEL COMPARISON of the twelve models for the current X and Y;
    // 0, or 2 after message 32803 when X or Y is missing or they are the same variable.
    // Neither the document's fit nor the models' results change.
    int Compare();
    // Whether Record may run: the selected model is the calculated one.
    bool CanRecord() const;
    // Whether X and Y are two different variables; message 32803 when not.
    bool HasXAndY() const;

    CLumoxDoc& m_document;
    int m_nSelectedVariable = -1;
    int m_nVariableCount = 0;
    int m_nX = -1;
    int m_nY = -1;
    std::array<double, kSimpleModelCount> m_adRSquare{};
    std::array<double, kSimpleModelCount> m_adStandardError{};
    std::array<bool, kSimpleModelCount> m_abSearched{};  // fitted by the last best-model search
    int m_nSelectedModel = -1;
    int m_nCalculatedModel = -1;
    int m_nBestStandardErrorModel = -1;
    int m_nBestRSquareModel = -1;

private:
    // FitSimpleModel into the given model and fit.
    int Fit(int m, EquationModel& fitted, RegressionFit& fit);
};

}  // namespace lumox

#endif
