#ifndef LUMOX_REGRESSION_SIMPLE_MODELS_H
#define LUMOX_REGRESSION_SIMPLE_MODELS_H

#include <array>

namespace lumox {

class CLumoxDoc;

// One of the twelve equation forms of the simple (X,Y) regression: its list text, its
// number of x terms and the transform codes of y, x0, x1 and x2 (0 for none) that make
// it linear in its parameters.
struct SimpleModel {
    const char* name;
    int xTerms;
    std::array<int, 4> transforms;
};

constexpr int kSimpleModelCount = 12;
// The index of the model y = ax^(b)e^(cx), the only one with three parameters.
constexpr int kThreeParameterModel = 10;

// The twelve models in list order.
const std::array<SimpleModel, kSimpleModelCount>& SimpleModels();

// The state of the simple regression dialog and its computations, free of any window:
// the chosen X and Y, each model's last R square and standard error, the search for the
// best models. The dialog and the command line drive it; the fits go into the document.
class SimpleRegression {
public:
    explicit SimpleRegression(CLumoxDoc& document);

    // Fits model m for the current X and Y into the document. 0 on success, 1 when the fit
    // failed (messages shown) or model 10 has fewer than 4 observations, 2 after message
    // 32803 when X or Y is missing or they are the same variable.
    int FitSimpleModel(int m);
    // Forgets every model's results, the calculated model and the best models.
    void ClearModelResults();
    // Fits all twelve models and records the best R square and the best (non-zero)
    // standard error, ties to the lower index. Leaves the document without a fitted model.
    void FindBestModels();

    // Sets X (or Y) to column, -1 for none, and forgets every model's results.
    void SetX(int column);
    void SetY(int column);
    // Calculate: fits the selected model as the document's fit; 0 on success (it becomes
    // the calculated model), message 32804 and -1 when no model is selected, else the
    // result of FitSimpleModel.
    int Calculate();
    // Best R^2 and Best Std Err: searches once (until X or Y change), selects the model
    // found and returns it (-1 when none qualified).
    int SelectBestRSquare();
    int SelectBestStandardError();
    // Whether Record may run: the selected model is the calculated one.
    bool CanRecord() const;

    CLumoxDoc& m_document;
    int m_nSelectedVariable = -1;
    int m_nVariableCount = 0;
    int m_nX = -1;
    int m_nY = -1;
    std::array<double, kSimpleModelCount> m_adRSquare{};
    std::array<double, kSimpleModelCount> m_adStandardError{};
    int m_nSelectedModel = -1;
    int m_bSearching = 0;
    int m_nCalculatedModel = -1;
    int m_nBestStandardErrorModel = -1;
    int m_nBestRSquareModel = -1;
};

}  // namespace lumox

#endif
