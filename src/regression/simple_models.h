#ifndef LUMOX_REGRESSION_SIMPLE_MODELS_H
#define LUMOX_REGRESSION_SIMPLE_MODELS_H

#include <array>
#include <cstdint>

#include "platform/diagnostics.h"
#include "regression/equation_model.h"

namespace lumox {

class Matrix;
class RegressionFit;

// The twelve equation forms of the simple (X,Y) regression, in list order.
enum SimpleModelForm {
    kLinear,                 // y = a + bx
    kExponential,            // y = ae^(bx)
    kExponentialReciprocal,  // y = ae^(b/x)
    kPower,                  // y = ax^b
    kReciprocalPower,        // y = ab^(1/x)
    kLogarithmic,            // y = a + b(log(x))
    kHyperbolic,             // y = x / (ax - b)
    kReciprocalX,            // y = a + b/x
    kReciprocalY,            // y = 1 / (a + bx)
    kQuadratic,              // y = a + bx^2
    kPowerExponential,       // y = ax^(b)e^(cx), the only one with three parameters
    kLogistic,               // y = 1 / (a + be^(-x))
    kSimpleModelCount
};

// The fewest observations kPowerExponential is fitted to; with fewer it fails.
constexpr uint32_t kPowerExponentialRows = 4;

// One form: its list text, its number of x terms and the transforms of y, x0, x1 and x2
// that make it linear in its parameters.
struct SimpleModel {
    const char* name;
    int xTerms;
    std::array<Transform, 4> transforms;
};

// The twelve models in list order.
const std::array<SimpleModel, kSimpleModelCount>& SimpleModels();

// Whether model m is fitted with a transformed y, so that its form differs from the
// linear equation it is fitted as; false for -1 (no simple model).
bool SimpleModelTransformsY(int m);

// The equation of model m for columns x and y, before it is fitted.
EquationModel SimpleModelEquation(int x, int y, int m);

// Fits model m of column y on column x of the data matrix (rows observations) into fit,
// the model as fitted into fitted. 0 on success; 1 when the fit failed (its messages in
// said) or the three-parameter model has fewer than 4 observations.
int FitSimpleModel(const Matrix& data, uint32_t rows, int x, int y, int m, EquationModel& fitted,
                   RegressionFit& fit, Diagnostics& said);

}  // namespace lumox

#endif
