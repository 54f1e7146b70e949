#ifndef LUMOX_REGRESSION_MODEL_COMPARISON_H
#define LUMOX_REGRESSION_MODEL_COMPARISON_H

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "regression/equation_model.h"
#include "regression/simple_models.h"

namespace lumox {

class Matrix;

// How one of the twelve forms predicts y itself. The linearised R square and standard
// error are those of the fit on the transformed scale (what the best-model search ranks);
// the others compare the predictions, brought back to the scale of y, with y.
struct ModelScore {
    // The form as built for X and Y, so that its y and terms can be named.
    EquationModel equation;
    // Why the form could not be fitted; empty when it was.
    std::string failure;
    double linearRSquare = 0.0;
    double linearStandardError = 0.0;
    // Whether every prediction came back to the scale of y; the original-scale values
    // below are read only then.
    bool original = false;
    double rSquare = 0.0;  // 1 - sum (y - y-hat)^2 / sum (y - mean y)^2
    double rmse = 0.0;     // sqrt(sum (y - y-hat)^2 / n)
    // Whether every observation could be predicted from the fit without it.
    bool leaveOneOut = false;
    double pressRmse = 0.0;  // sqrt(sum (y - y-hat(i))^2 / n)
    int rank = 0;            // 1 for the smallest leave-one-out error; 0 when not ranked
};

// The twelve forms of one X and Y, in list order.
struct ModelComparison {
    int x = -1;
    int y = -1;
    uint32_t n = 0;
    std::array<ModelScore, kSimpleModelCount> scores;
};

// Fits every form of y on x (columns of data, rows observations; names the columns') and
// scores it on the scale of y. A form that cannot be fitted says why and the others go
// on; nothing is said to the person. Ranks by leave-one-out error, ties to the lower index.
ModelComparison CompareSimpleModels(const Matrix& data, uint32_t rows, int x, int y,
                                    const std::vector<std::string>& names);

// The name of entry (0 = y) with its transform, as the comparison and the diagnostics
// label values on a transformed scale: log(Growth), 1/Rate, Time^2.
std::string ScaleName(const EquationModel& equation, int entry,
                      const std::vector<std::string>& names);

}  // namespace lumox

#endif
