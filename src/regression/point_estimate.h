#ifndef LUMOX_REGRESSION_POINT_ESTIMATE_H
#define LUMOX_REGRESSION_POINT_ESTIMATE_H

#include <string>
#include <vector>

#include "regression/equation_model.h"

namespace lumox {

class CLumoxDoc;

// The point estimate of the document's last fit, free of any window: the prediction of y
// at values of the equation's variables, with the confidence interval of the mean response
// and the prediction interval of one observation, on the original scale of y.
class PointEstimate {
public:
    // Copies the document's fitted model and lists its distinct variables; level 95.
    explicit PointEstimate(CLumoxDoc& document);

    // The names of the equation's variables, in order of first use.
    std::vector<std::string> VariableNames() const;
    // The mean of each variable over the fit's observations, in the same order.
    std::vector<double> VariableMeans() const;
    // The label of the predicted value: "Predicted <y name>:".
    std::string PredictedLabel() const;

    // Predicts y at the values given one per line in valuesText, at level percent. 0 on
    // success; 1 after message 32800 when the number of lines differs from the number of
    // variables, or after the message of a transform or back-transform that failed (the
    // results of the last complete Calculate then stay).
    int Calculate(const std::string& valuesText, double level);
    // The texts of the three result fields: "%.8g" and two "[%-.6g, %.6g]".
    std::string PredictedText() const;
    std::string ConfidenceText() const;
    std::string PredictionText() const;

    // The POINT ESTIMATE report of the last Calculate.
    std::string ComposeReport() const;
    // Records the report as the document's pending text (flag 6 alone) with level 0.
    void Record();

    CLumoxDoc& m_document;
    std::vector<int> m_anVariables;
    std::vector<double> m_adValues;
    EquationModel m_equation;
    int m_nVariableCount = 0;
    double m_dPredicted = 0.0;
    double m_dLevel = 95.0;
    double m_adPredictionInterval[2] = {0.0, 0.0};
    double m_adConfidenceInterval[2] = {0.0, 0.0};

private:
    std::string m_strReport;  // the recorded text lives until the recording has used it
};

}  // namespace lumox

#endif
