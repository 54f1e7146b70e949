#include "platform/strings.h"

namespace lumox {
namespace {

struct Entry {
    int id;
    const char* text;
};

constexpr Entry kTable[] = {
    {ids::kMatrixTooLarge, "Matrix: too large"},
    {ids::kMatrixIndexZero, "Matrix: index is minus or zero"},
    {ids::kMatrixSizeIncorrect, "Matrix: size incorrect for operation"},
    {ids::kMatrixMultiplication, "Matrix: multiplication error"},
    {ids::kMatrixMemory, "Matrix: memory not available"},
    {ids::kFirstRowBlank, "Data File: first row is blank!"},
    {ids::kLargeFile, "Data File: Lumox may not handle this large file on some machines!"},
    {ids::kGraphScaleFailed, "Graph: Failed to scale data!"},
    {ids::kGraphDataIncomplete, "Graph: Data to plot incomplete!"},
    {ids::kMathOverflow, "Number too large. Look for data being raised to a power!"},
    {ids::kMathDomain, "Calculation stopped. Look for negative data!"},
    {ids::kMathSingularity, "Calculation stopped. Look for a zero data value!"},
    {ids::kMathOther, "Calculation stopped. Look for a divide by zero!"},
    {ids::kNotEnoughData, "Not enough data for calculation or graphing!"},
    {ids::kTooLargeForMatrix, "Data File: too large for matrix!"},
    {ids::kAlternateResiduals,
     "Need to use alternate and less accurate equation for standardized residuals!"},
    {ids::kProbabilityPlotHint,
     "For a Probability plot, use 'Normal Z' for X and 'Residuals' or 'Std. Residuals' for Y. "
     "The Y vector will be sorted."},
    {ids::kNumericColumnNames,
     "Data File: column names in the first row are all numeric! Is this correct?"},
    {ids::kClipboardAccess, "Error in accessing Clipboard..."},
    {ids::kClipboardIncorrect, "Clipboard data appears incorrect..."},
    {ids::kSvdFailed, "SVD: Unable to calculate equation coefficients!"},
    {ids::kTransformUnsuitable, "Data not suitable for this transform!"},
    {ids::kDuplicateColumns, "Equation has duplicate columns!"},
    {ids::kIncorrectRadioButton, "Incorrect Radio Button ID!"},
    {ids::kTooManyDataColumns, "Too many Data columns for Equation!"},
    {ids::kEquationDoesNotFit,
     "The equation does not fit the data! Sum of squares\r\nfor Error is greater than sum of "
     "squares for Total...\n"},
    {ids::kWrongVariableCount, "Number of variables entered is incorrect!"},
    {ids::kGraphSelectionHelp,
     "In the Variables List box, select a variable for the X axis. Click on the X Check box to "
     "set your selection. Next, select a variable for Y in the same way. Click on the Plot "
     "button to see your graph."},
    {ids::kSelectXAndY, "Please select a variable for both X and Y!"},
    {ids::kSelectEquation, "Please select an equation to fit!"},
    {ids::kConstantTooLarge, "Equation constant is too large to calculate!"},
    {ids::kModelConstantTooLarge,
     "A constant for the selected equation is too large!\nThe linearized version will be "
     "displayed.\"\n"},
    {ids::kEquationUnsuitable, "Data not suitable for equation!"},
    {ids::kOriginalScaleNote,
     "Predicted Y and Confidence/Prediction intervals\r\nare shown in terms of original scale "
     "data."},
    {ids::kOriginalScalePlot,
     "Y calculated and residuals are plotted in terms of original scale data."},
    {ids::kIllConditioned, "Making adjustments for an ill-conditioned matrix!"},
};

}  // namespace

const char* LoadString(int id) {
    for (const Entry& entry : kTable) {
        if (entry.id == id) return entry.text;
    }
    return "";
}

}  // namespace lumox
