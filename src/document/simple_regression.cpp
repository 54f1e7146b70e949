#include "document/simple_regression.h"

#include "document/lumox_doc.h"
#include "platform/format.h"
#include "platform/prompt.h"
#include "platform/strings.h"

namespace lumox {

SimpleRegression::SimpleRegression(CLumoxDoc& document)
    : m_document(document), m_nVariableCount(static_cast<int>(document.Cols())) {
    ClearModelResults();
}

bool SimpleRegression::HasXAndY() const {
    if (m_nX >= 0 && m_nY >= 0 && m_nX != m_nY) return true;
    ShowMessage(ids::kSelectXAndY, Icon::Stop);
    return false;
}

int SimpleRegression::Fit(int m, EquationModel& fitted, RegressionFit& fit) {
    if (!HasXAndY()) return 2;
    m_adRSquare[m] = 0.0;
    m_adStandardError[m] = 0.0;
    Diagnostics said;
    const int result = lumox::FitSimpleModel(m_document.GetData(), m_document.Rows(), m_nX, m_nY, m,
                                             fitted, fit, said);
    Speak(said);
    if (result != 0) return result;
    m_adStandardError[m] = fit.m_standardError;
    m_adRSquare[m] = fit.m_ssr / fit.m_sst;
    return 0;
}

int SimpleRegression::FitSimpleModel(int m) {
    EquationModel fitted;
    RegressionFit fit;
    return Fit(m, fitted, fit);
}

void SimpleRegression::ClearModelResults() {
    m_nCalculatedModel = -1;
    m_nBestStandardErrorModel = -1;
    m_nBestRSquareModel = -1;
    m_adRSquare.fill(0.0);
    m_adStandardError.fill(0.0);
    m_abSearched.fill(false);
}

void SimpleRegression::FindBestModels() {
    // The search discards the document's fit, as every Calculate does.
    m_document.ResetFit();
    double bestRSquare = 0.0;
    double bestStandardError = 1.0e100;
    for (int m = 0; m < kSimpleModelCount; ++m) {
        m_nSelectedModel = m;
        const int result = FitSimpleModel(m);
        if (result == 2) break;
        if (result != 0) continue;
        m_abSearched[static_cast<size_t>(m)] = true;
        if (m_adRSquare[m] > bestRSquare) {
            m_nBestRSquareModel = m;
            bestRSquare = m_adRSquare[m];
        }
        if (m_adStandardError[m] < bestStandardError && m_adStandardError[m] != 0.0) {
            m_nBestStandardErrorModel = m;
            bestStandardError = m_adStandardError[m];
        }
    }
    // The search leaves the selection on its last model, which is not the calculated one:
    // Record waits for the next Calculate.
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
    EquationModel fitted;
    RegressionFit fit;
    const int result = Fit(m_nSelectedModel, fitted, fit);
    // A search passes over this model in silence; chosen on its own it says why it fails.
    if (result == 1 && m_nSelectedModel == kPowerExponential &&
        m_document.Rows() < kPowerExponentialRows) {
        ShowMessage(Format("The equation %s needs at least %u observations!",
                           SimpleModels()[kPowerExponential].name, kPowerExponentialRows),
                    Icon::Stop);
    }
    if (result != 2) m_document.ResetFit();
    if (result == 0) {
        m_document.SetFit(fitted, std::move(fit), m_nSelectedModel);
        m_nCalculatedModel = m_nSelectedModel;
    }
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

int SimpleRegression::Compare() {
    if (!HasXAndY()) return 2;
    m_document.RecordModelComparison(m_nX, m_nY);
    return 0;
}

bool SimpleRegression::CanRecord() const {
    return m_nSelectedModel >= 0 && m_nSelectedModel == m_nCalculatedModel;
}

}  // namespace lumox
