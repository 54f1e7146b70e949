#ifndef LUMOX_PLATFORM_STRINGS_H
#define LUMOX_PLATFORM_STRINGS_H

namespace lumox {

// Ids of the program's string table.
namespace ids {
constexpr int kMatrixTooLarge = 4;
constexpr int kMatrixIndexZero = 5;
constexpr int kMatrixSizeIncorrect = 6;
constexpr int kMatrixMultiplication = 7;
constexpr int kMatrixMemory = 8;
constexpr int kFirstRowBlank = 9;
constexpr int kLargeFile = 11;
constexpr int kGraphScaleFailed = 16;
constexpr int kGraphDataIncomplete = 17;
constexpr int kMathOverflow = 18;
constexpr int kMathDomain = 19;
constexpr int kMathSingularity = 20;
constexpr int kMathOther = 21;
constexpr int kNotEnoughData = 28;
constexpr int kTooLargeForMatrix = 29;
constexpr int kAlternateResiduals = 34;
constexpr int kProbabilityPlotHint = 35;
constexpr int kNumericColumnNames = 36;
constexpr int kClipboardAccess = 37;
constexpr int kClipboardIncorrect = 38;
constexpr int kSvdFailed = 32783;
constexpr int kTransformUnsuitable = 32784;
constexpr int kDuplicateColumns = 32794;
constexpr int kIncorrectRadioButton = 32795;
constexpr int kTooManyDataColumns = 32797;
constexpr int kEquationDoesNotFit = 32798;
constexpr int kWrongVariableCount = 32800;
constexpr int kGraphSelectionHelp = 32802;
constexpr int kSelectXAndY = 32803;
constexpr int kSelectEquation = 32804;
constexpr int kConstantTooLarge = 32805;
constexpr int kModelConstantTooLarge = 32806;
constexpr int kEquationUnsuitable = 32807;
constexpr int kOriginalScaleNote = 32808;
constexpr int kOriginalScalePlot = 32809;
constexpr int kIllConditioned = 32810;
}  // namespace ids

// The text of a string-table id, byte-exact; an empty text for an unknown id.
const char* LoadString(int id);

}  // namespace lumox

#endif
