#ifndef LUMOX_REGRESSION_POINT_ESTIMATE_H
#define LUMOX_REGRESSION_POINT_ESTIMATE_H

#include <string>
#include <vector>

#include "regression/equation_model.h"

namespace lumox {

class DataSet;
class RegressionFit;

// The point estimate of a fit, free of any window: the prediction of y at values of the
// equation's variables, with the confidence interval of the mean response and the
// prediction interval of one observation, on the original scale of y. It reads the data
// set and the fit it was made for, which must outlive it.
class PointEstimate {
public:
    // model is the model as fitted; its distinct variables are listed; level 95.
    PointEstimate(const DataSet& data, const EquationModel& model, const RegressionFit& fit);

    // The names of the equation's variables, in order of first use.
    std::vector<std::string> VariableNames() const;
    // The mean of each variable over the fit's observations, in the same order.
    std::vector<double> VariableMeans() const;
    // The label of the predicted value: "Predicted <y name>:".
    std::string PredictedLabel() const;

    // Predicts y at values, one per variable in order, at level percent. 0 on success,
    // with the note that results are on the original scale of y (information icon) in said
    // when the fit transformed y; 1 with message 32800 when the number of values differs
    // from the number of variables, or with the messages of a transform or back-transform
    // that failed (the results of the last complete Calculate then stay).
    int Calculate(const std::vector<double>& values, double level, Diagnostics& said);
    // The texts of the three result fields: "%.8g" and two "[%-.6g, %.6g]".
    std::string PredictedText() const;
    std::string ConfidenceText() const;
    std::string PredictionText() const;

    // The name of y, and whether the fit transformed it (the results are then on the
    // original scale, which the report notes).
    const std::string& YName() const;
    bool YTransformed() const { return m_bYTransformed; }

    std::vector<int> m_anVariables;
    std::vector<double> m_adValues;
    int m_nVariableCount = 0;
    double m_dPredicted = 0.0;
    double m_dLevel = 95.0;
    double m_adPredictionInterval[2] = {0.0, 0.0};
    double m_adConfidenceInterval[2] = {0.0, 0.0};

private:
    // The interval fitted -/+ half brought back to the original scale of y, ordered low to
    // high, a bound outside the transform's range taken at its edge; 1 with the message of
    // a back-transform that failed.
    int BackTransformInterval(double fitted, double half, double bounds[2], Diagnostics& said);

    const DataSet& m_data;
    EquationModel m_equation;  // a working copy: building x terms forgets that y was transformed
    const RegressionFit& m_fit;
    // Whether the fit transformed y; the working copy forgets it when it builds x terms.
    bool m_bYTransformed;
};

}  // namespace lumox

#endif
