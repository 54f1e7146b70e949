#include "regression/simple_models.h"

#include "data/document.h"
#include "platform/prompt.h"
#include "platform/strings.h"

namespace lumox {

const std::array<SimpleModel, kSimpleModelCount>& SimpleModels() {
    static const std::array<SimpleModel, kSimpleModelCount> kModels = {{
        {"y = a + bx", 1, {0, 0, 0, 0}},
        {"y = ae^(bx)", 1, {2, 0, 0, 0}},
        {"y = ae^(b/x)", 1, {2, 0, 3, 0}},
        {"y = ax^b", 1, {2, 0, 2, 0}},
        {"y = ab^(1/x)", 1, {2, 0, 3, 0}},
        {"y = a + b(log(x))", 1, {0, 0, 2, 0}},
        {"y = x / (ax - b)", 1, {3, 0, 3, 0}},
        {"y = a + b/x", 1, {0, 0, 3, 0}},
        {"y = 1 / (a + bx)", 1, {3, 0, 0, 0}},
        {"y = a + bx^2", 1, {0, 0, 102, 0}},
        {"y = ax^(b)e^(cx)", 2, {2, 0, 2, 0}},
        {"y = 1 / (a + be^(-x))", 1, {3, 0, 5, 0}},
    }};
    return kModels;
}

SimpleRegression::SimpleRegression(CLumoxDoc& document)
    : m_document(document), m_nVariableCount(static_cast<int>(document.m_nCols)) {
    ClearModelResults();
}

int SimpleRegression::FitSimpleModel(int m) {
    EquationModel model;
    if (m_nX < 0 || m_nY < 0 || m_nX == m_nY) {
        ShowMessage(ids::kSelectXAndY, Icon::Stop);
        return 2;
    }
    RegressionFit& fit = m_document.m_fit;
    fit.ResetFit();
    m_adRSquare[m] = 0.0;
    m_adStandardError[m] = 0.0;
    if (m == kThreeParameterModel && m_document.m_nRows < 4) return 1;

    const SimpleModel& form = SimpleModels()[static_cast<size_t>(m)];
    for (int entry = 0; entry <= form.xTerms + 1; ++entry) {
        model.SelectEntry(entry);
        model.SetVariable(entry == 0 ? m_nY : entry == 1 ? EquationModel::kConstant : m_nX);
        model.SetTransform(form.transforms[static_cast<size_t>(entry)]);
    }
    model.CompactModel();
    if (model.BuildTermMatrix(m_document.m_X, m_document.m_Y, m_document.GetData(), false) != 0) {
        return 1;
    }
    if (fit.FitRegression() != 0) return 1;
    if (!m_bSearching) {
        m_document.m_nYVariable = m_nY;
        m_document.m_equation = model;
        m_document.m_nSimpleModel = m;
    }
    m_adStandardError[m] = fit.m_standardError;
    m_adRSquare[m] = fit.m_ssr / fit.m_sst;
    return 0;
}

void SimpleRegression::ClearModelResults() {
    m_nCalculatedModel = -1;
    m_nBestStandardErrorModel = -1;
    m_nBestRSquareModel = -1;
    m_adRSquare.fill(0.0);
    m_adStandardError.fill(0.0);
}

void SimpleRegression::FindBestModels() {
    m_bSearching = 1;
    double bestRSquare = 0.0;
    double bestStandardError = 1.0e100;
    for (int m = 0; m < kSimpleModelCount; ++m) {
        m_nSelectedModel = m;
        const int result = FitSimpleModel(m);
        if (result == 2) break;
        if (result != 0) continue;
        if (m_adRSquare[m] > bestRSquare) {
            m_nBestRSquareModel = m;
            bestRSquare = m_adRSquare[m];
        }
        if (m_adStandardError[m] < bestStandardError && m_adStandardError[m] != 0.0) {
            m_nBestStandardErrorModel = m;
            bestStandardError = m_adStandardError[m];
        }
    }
    m_document.m_nYVariable = -2;
    // The document's fit now belongs to the last model of the search, so no model counts
    // as calculated: Record waits for the next Calculate.
    m_nCalculatedModel = -1;
}

void SimpleRegression::SetX(int column) {
    m_nX = column;
    ClearModelResults();
}

void SimpleRegression::SetY(int column) {
    m_nY = column;
    ClearModelResults();
}

int SimpleRegression::Calculate() {
    if (m_nSelectedModel < 0) {
        ShowMessage(ids::kSelectEquation, Icon::Stop);
        return -1;
    }
    m_bSearching = 0;
    const int result = FitSimpleModel(m_nSelectedModel);
    if (result == 0) m_nCalculatedModel = m_nSelectedModel;
    if (DocumentHost* host = m_document.GetHost()) host->UpdateAllViews();
    return result;
}

int SimpleRegression::SelectBestRSquare() {
    if (m_nBestRSquareModel < 0) FindBestModels();
    m_nSelectedModel = m_nBestRSquareModel;
    return m_nSelectedModel;
}

int SimpleRegression::SelectBestStandardError() {
    if (m_nBestStandardErrorModel < 0) FindBestModels();
    m_nSelectedModel = m_nBestStandardErrorModel;
    return m_nSelectedModel;
}

bool SimpleRegression::CanRecord() const {
    return m_nSelectedModel >= 0 && m_nSelectedModel == m_nCalculatedModel;
}

}  // namespace lumox
