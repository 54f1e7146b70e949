#include "regression/simple_models.h"

#include "regression/equation_model.h"
#include "regression/regression_fit.h"

namespace lumox {
namespace {

constexpr int kLog = EquationModel::kLog;
constexpr int kReciprocal = EquationModel::kReciprocal;
constexpr int kExpNeg = EquationModel::kExpNeg;
constexpr int kSquare = EquationModel::kCompound + 2;

}  // namespace

const std::array<SimpleModel, kSimpleModelCount>& SimpleModels() {
    static const std::array<SimpleModel, kSimpleModelCount> kModels = {{
        {"y = a + bx", 1, {0, 0, 0, 0}},
        {"y = ae^(bx)", 1, {kLog, 0, 0, 0}},
        {"y = ae^(b/x)", 1, {kLog, 0, kReciprocal, 0}},
        {"y = ax^b", 1, {kLog, 0, kLog, 0}},
        {"y = ab^(1/x)", 1, {kLog, 0, kReciprocal, 0}},
        {"y = a + b(log(x))", 1, {0, 0, kLog, 0}},
        {"y = x / (ax - b)", 1, {kReciprocal, 0, kReciprocal, 0}},
        {"y = a + b/x", 1, {0, 0, kReciprocal, 0}},
        {"y = 1 / (a + bx)", 1, {kReciprocal, 0, 0, 0}},
        {"y = a + bx^2", 1, {0, 0, kSquare, 0}},
        {"y = ax^(b)e^(cx)", 2, {kLog, 0, kLog, 0}},
        {"y = 1 / (a + be^(-x))", 1, {kReciprocal, 0, kExpNeg, 0}},
    }};
    return kModels;
}

bool SimpleModelTransformsY(int m) {
    return m >= 0 && m < kSimpleModelCount &&
           SimpleModels()[static_cast<size_t>(m)].transforms[0] != 0;
}

int FitSimpleModel(const Matrix& data, uint32_t rows, int x, int y, int m, EquationModel& fitted,
                   RegressionFit& fit, Diagnostics& said) {
    fit.ResetFit();
    if (m == kPowerExponential && rows < 4) return 1;
    const SimpleModel& form = SimpleModels()[static_cast<size_t>(m)];
    EquationModel model;
    for (int entry = 0; entry <= form.xTerms + 1; ++entry) {
        model.SelectEntry(entry);
        model.SetVariable(entry == 0 ? y : entry == 1 ? EquationModel::kConstant : x);
        model.SetTransform(form.transforms[static_cast<size_t>(entry)]);
    }
    model.CompactModel();
    return FitEquation(data, model, fitted, fit, said);
}

}  // namespace lumox
