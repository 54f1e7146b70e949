#include "document/build_equation.h"

#include "document/lumox_doc.h"
#include "platform/prompt.h"
#include "platform/strings.h"
#include "regression/equation_model.h"
#include "regression/regression_fit.h"

namespace lumox {

int CalculateEquation(CLumoxDoc& doc, EquationModel& model, int* gap) {
    const int cleared = model.CompactModel();
    if (gap != nullptr) *gap = cleared;
    if (model.FindDuplicateTerm() != 0) {
        ShowMessage(ids::kDuplicateColumns, Icon::Stop);
        return 1;
    }
    if (model.m_nEntryCount < 3) {
        ShowMessage("The equation needs y, x0 and at least one more term!", Icon::Stop);
        return 1;
    }
    // The window never offers an entry that would give an equation as many terms as
    // observations; other callers are held to the same rule here.
    if (static_cast<uint32_t>(model.m_nEntryCount) > doc.Rows()) {
        ShowMessage("Too many terms for the number of observations!", Icon::Stop);
        return 1;
    }
    doc.ResetFit();
    EquationModel fitted;
    RegressionFit fit;
    Diagnostics said;
    const int result = FitEquation(doc.GetData(), model, fitted, fit, said);
    Speak(said);
    if (result != 0) return 1;
    doc.SetFit(fitted, std::move(fit), -1);
    return 0;
}

}  // namespace lumox
