#ifndef LUMOX_TESTS_REGRESSION_REGRESSION_HELPERS_H
#define LUMOX_TESTS_REGRESSION_REGRESSION_HELPERS_H

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "document/lumox_doc.h"
#include "platform/strings.h"
#include "regression/equation_model.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"

namespace lumox::test {

// A model of the terms of y, x0, x1, ... as the Build Equation window sets them, then
// compacted.
inline EquationModel MakeModel(const std::vector<Term>& terms) {
    EquationModel model;
    int entry = 0;
    for (const Term& term : terms) {
        EXPECT_TRUE(model.CanSelectEntry(entry));
        model.m_aTerms[entry++] = term;
    }
    model.CompactModel();
    return model;
}

// Terms by their kind, for tables of models.
inline Term Var(int column, Transform transform = {}) { return Term::Variable(column, transform); }
inline constexpr Term kOne = Term::Constant();
inline Term Product(int first, int second) { return Term::CrossProduct(first, second); }

// Opens text (a text data file: names, then one line per observation) as the document's
// data set, through a file in dir. False when the reader refused it.
inline bool LoadData(CLumoxDoc& doc, const TempDir& dir, const std::string& text) {
    return doc.OnOpenDocument(dir.Write("data.dat", text));
}

// Fits model to the document's data set and makes it the document's fit, as the windows
// do: the fit's messages are shown. 0, or 1 when it failed (the document then holds no fit).
inline int FitDocument(CLumoxDoc& doc, const EquationModel& model) {
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

// The message box of string id with icon, as ScriptedPrompt records it.
inline Message Msg(int id, Icon icon) { return {LoadString(id), icon}; }

}  // namespace lumox::test

#endif
