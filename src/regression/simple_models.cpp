#include "regression/simple_models.h"

#include "regression/equation_model.h"
#include "regression/regression_fit.h"

namespace lumox {
namespace {

constexpr Transform kNone = TransformKind::None;
constexpr Transform kLog = TransformKind::Log;
constexpr Transform kReciprocal = TransformKind::Reciprocal;
constexpr Transform kExpNeg = TransformKind::ExpNeg;
constexpr Transform kSquare = Transform::Power(2);

}  // namespace

const std::array<SimpleModel, kSimpleModelCount>& SimpleModels() {
    static const std::array<SimpleModel, kSimpleModelCount> kModels = {{
        {"y = a + bx", 1, {kNone, kNone, kNone, kNone}},
        {"y = ae^(bx)", 1, {kLog, kNone, kNone, kNone}},
        {"y = ae^(b/x)", 1, {kLog, kNone, kReciprocal, kNone}},
        {"y = ax^b", 1, {kLog, kNone, kLog, kNone}},
        {"y = ab^(1/x)", 1, {kLog, kNone, kReciprocal, kNone}},
        {"y = a + b(log(x))", 1, {kNone, kNone, kLog, kNone}},
        {"y = x / (ax - b)", 1, {kReciprocal, kNone, kReciprocal, kNone}},
        {"y = a + b/x", 1, {kNone, kNone, kReciprocal, kNone}},
        {"y = 1 / (a + bx)", 1, {kReciprocal, kNone, kNone, kNone}},
        {"y = a + bx^2", 1, {kNone, kNone, kSquare, kNone}},
        {"y = ax^(b)e^(cx)", 2, {kLog, kNone, kLog, kNone}},
        {"y = 1 / (a + be^(-x))", 1, {kReciprocal, kNone, kExpNeg, kNone}},
    }};
    return kModels;
}

bool SimpleModelTransformsY(int m) {
    return m >= 0 && m < kSimpleModelCount &&
           SimpleModels()[static_cast<size_t>(m)].transforms[0] != kNone;
}

EquationModel SimpleModelEquation(int x, int y, int m) {
    const SimpleModel& form = SimpleModels()[static_cast<size_t>(m)];
    EquationModel model;
    for (int entry = 0; entry <= form.xTerms + 1; ++entry) {
        const Transform transform = form.transforms[static_cast<size_t>(entry)];
        model.m_aTerms[entry] = entry == 0   ? Term::Variable(y, transform)
                                : entry == 1 ? Term::Constant()
                                             : Term::Variable(x, transform);
    }
    model.CompactModel();
    return model;
}

int FitSimpleModel(const Matrix& data, uint32_t rows, int x, int y, int m, EquationModel& fitted,
                   RegressionFit& fit, Diagnostics& said) {
    fit.ResetFit();
    if (m == kPowerExponential && rows < kPowerExponentialRows) return 1;
    return FitEquation(data, SimpleModelEquation(x, y, m), fitted, fit, said);
}

}  // namespace lumox
