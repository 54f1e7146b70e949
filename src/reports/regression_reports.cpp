#include "reports/regression_reports.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>

#include "numeric/probability.h"
#include "platform/block_pipeline.h"
#include "platform/format.h"
#include "platform/strings.h"
#include "regression/equation_model.h"
#include "regression/regression_fit.h"
#include "regression/simple_models.h"

namespace lumox {
namespace {

constexpr double kSmallProbability = 0.0001;

// Each observation's line of the residual listing is 78 bytes unless a number needs more
// than its field; its two lines of the interval listing are 148.
constexpr size_t kResidualLineBytes = 78;
constexpr size_t kIntervalLineBytes = 148;

// exp of a larger magnitude overflows (or underflows) a double.
constexpr double kExpLimit = 709.0;

const std::string& YName(const FitResults& results) {
    return results.names[static_cast<uint32_t>(results.model.YColumn())];
}

// A number that filled its field and follows another with no blank is set apart by one.
void SetApart(std::string& out, size_t start) {
    if (out.size() > start && out[start] != ' ' && start > 0 && out[start - 1] != ' ') {
        out.insert(start, 1, ' ');
    }
}

// AppendNumber(out, "%W.Pg", value), the form of the per-observation listings.
void AppendGeneralNumber(std::string& out, int width, int precision, double value) {
    const size_t start = out.size();
    AppendGeneral(out, value, width, precision);
    SetApart(out, start);
}

// Observation i's line of the residual listing.
void AppendResidualLine(const RegressionFit& fit, uint32_t i, std::string& out) {
    AppendDecimal(out, i + 1, -5);
    AppendGeneralNumber(out, 14, 8, fit.m_Y.At(i, 0));
    AppendGeneralNumber(out, 16, 8, fit.m_fitted.At(i, 0));
    AppendGeneralNumber(out, 16, 8, fit.PredictionSd(fit.Leverage(i)));
    AppendGeneralNumber(out, 16, 8, fit.Residual(i));
    AppendGeneralNumber(out, 9, 3, fit.StandardizedResidual(i));
    out += "\r\n";
}

// Observation i's two lines of the interval listing, at critical value t.
void AppendIntervalLines(const RegressionFit& fit, double t, uint32_t i, std::string& out) {
    const double h = fit.Leverage(i);
    const double predicted = fit.m_fitted.At(i, 0);
    double half = fit.ConfidenceHalfWidth(t, h);
    AppendDecimal(out, i + 1, -5);
    AppendGeneralNumber(out, 14, 8, fit.m_Y.At(i, 0));
    AppendGeneralNumber(out, 16, 8, predicted);
    out += "    CI = [";
    AppendGeneral(out, predicted - half, 12, 6);
    out += ", ";
    AppendGeneral(out, predicted + half, 12, 6);
    out += "]\r\n";
    half = fit.PredictionHalfWidth(t, h);
    out.append(39, ' ');
    out += "PI = [";
    AppendGeneral(out, predicted - half, 12, 6);
    out += ", ";
    AppendGeneral(out, predicted + half, 12, 6);
    out += "]\r\n";
}

// Observations of a listing composed as one block.
constexpr uint32_t kBlockLines = 256;

// Appends the lines of observations 0 to n - 1, each about lineBytes long, written by
// append(i, text). Each observation's lines stand alone, so a long listing is composed in
// blocks, side by side on two cores, and the blocks appended in order: the same text.
template <typename Append>
void AppendObservationLines(uint32_t n, size_t lineBytes, std::string& out, const Append& append) {
    struct alignas(kCacheLineBytes) Scratch {
        std::string text;
    };
    Scratch scratch[kPipelineSlots];
    const size_t blocks = (n + kBlockLines - 1) / kBlockLines;
    // Room for lines an eighth longer than usual, made here so that the helper thread
    // allocates nothing.
    for (size_t slot = 0; slot < std::min<size_t>(blocks, kPipelineSlots); ++slot) {
        scratch[slot].text.reserve(kBlockLines * lineBytes * 9 / 8);
    }
    RunBlockPipeline(
        blocks,
        [&](size_t block, int slot) {
            std::string& text = scratch[slot].text;
            text.clear();
            const auto first = static_cast<uint32_t>(block) * kBlockLines;
            const uint32_t last = std::min(n, first + kBlockLines);
            for (uint32_t i = first; i < last; ++i) append(i, text);
        },
        [&](size_t, int slot) {
            out += scratch[slot].text;
            return true;
        });
}

}  // namespace

std::string CoefficientLabel(const FitResults& results, uint32_t j) {
    const EquationModel& model = results.model;
    const int entry = static_cast<int>(j) + 1;
    const TermFactor& factor = model.m_aTerms[entry].factor;
    if (factor.kind == FactorKind::Constant) return "INTERCEPT";
    if (results.simpleModel >= 0) return results.names[static_cast<uint32_t>(factor.column)];
    return model.TermName(entry, results.names);
}

void AppendNumber(std::string& out, const char* format, ...) {
    const size_t start = out.size();
    va_list args;
    va_start(args, format);
    AppendFormatV(out, format, args);
    va_end(args);
    SetApart(out, start);
}

void WriteEquation(const FitResults& results, std::string& out, bool wrap) {
    const EquationModel& model = results.model;
    const Matrix& b = results.fit.m_coefficients;
    std::string text;
    size_t lastBreak = 0;
    for (int i = 0; i < model.m_nEntryCount; ++i) {
        if (wrap && text.size() > lastBreak + 57) {
            lastBreak = text.size();
            text += "\r\n           ";
        }
        if (i == 0) {
            text += model.TermName(0, results.names) + " = ";
            continue;
        }
        const double coefficient = b.At(static_cast<uint32_t>(i - 1), 0);
        if (model.m_aTerms[i].factor.kind == FactorKind::Constant) {
            AppendFormat(text, "%.9g", coefficient);
            continue;
        }
        text += coefficient < 0.0 ? " - " : " + ";
        AppendFormat(text, "%.9g", std::fabs(coefficient));
        text += model.TermName(i, results.names);
    }
    out += text;
    out += "\r\n";
}

void WriteModelEquation(const FitResults& results, std::string& out, Diagnostics& said, bool wrap) {
    const auto model = static_cast<SimpleModelForm>(results.simpleModel);
    const Matrix& coefficients = results.fit.m_coefficients;
    const double a = coefficients.At(0, 0);
    const double b = coefficients.At(1, 0);
    const double c = coefficients.Rows() > 2 ? coefficients.At(2, 0) : 0.0;
    const char* y = YName(results).c_str();
    const char* x =
        results.names[static_cast<uint32_t>(results.model.m_aTerms[2].factor.column)].c_str();
    const char* sign = b < 0.0 ? " - " : " + ";
    const double absB = std::fabs(b);

    double bigA = 0.0;
    if (model == kExponential || model == kExponentialReciprocal || model == kPower ||
        model == kReciprocalPower || model == kPowerExponential) {
        if (std::fabs(a) >= kExpLimit) {
            said.Add(ids::kConstantTooLarge, Icon::Stop);
            WriteEquation(results, out, wrap);
            return;
        }
        bigA = std::exp(a);
    }
    double bigB = 0.0;
    if (model == kReciprocalPower) {
        if (absB > kExpLimit) {
            said.Add(ids::kModelConstantTooLarge, Icon::Stop);
            WriteEquation(results, out, wrap);
            return;
        }
        bigB = std::exp(b);
    }

    std::string line;
    switch (model) {
        case kLinear:
            line = Format("%s = %.8g%s%.8g%s", y, a, sign, absB, x);
            break;
        case kExponential:
            line = Format("%s = %.8ge^(%.8g%s)", y, bigA, b, x);
            break;
        case kExponentialReciprocal:
            line = Format("%s = %.8ge^(%.8g/%s)", y, bigA, b, x);
            break;
        case kPower:
            line = Format("%s = %.8g%s^(%.8g)", y, bigA, x, b);
            break;
        case kReciprocalPower:
            line = Format("%s = %.8g*(%.8g)^(1/%s)", y, bigA, bigB, x);
            break;
        case kLogarithmic:
            line = Format("%s = %.8g%s%.8g(log(%s))", y, a, sign, absB, x);
            break;
        case kHyperbolic:
            line = Format("%s = %s / (%.8g%s%s%.8g)", y, x, a, x, sign, absB);
            break;
        case kReciprocalX:
            line = Format("%s = %.8g%s%.8g/%s", y, a, sign, absB, x);
            break;
        case kReciprocalY:
            line = Format("%s = 1 / (%.8g%s%.8g%s)", y, a, sign, absB, x);
            break;
        case kQuadratic:
            line = Format("%s = %.8g%s%.8g%s^2", y, a, sign, absB, x);
            break;
        case kPowerExponential:
            line = Format("%s = %.8g%s^(%.8g)e^(%.8g%s)", y, bigA, x, b, c, x);
            break;
        case kLogistic:
            line = Format("%s = 1 / (%.8g%s%.8ge^(-%s))", y, a, sign, absB, x);
            break;
        default:
            break;
    }
    out += line + "\r\n";
}

void WriteEquationReport(const FitResults& results, std::string& out, Diagnostics& said) {
    const RegressionFit& fit = results.fit;
    out += "\r\n\r\nREGRESSION EQUATION\r\n\r\n";
    out += "The regression equation is:\r\n\r\n";
    if (SimpleModelTransformsY(results.simpleModel)) {
        WriteModelEquation(results, out, said);
        out += "\r\nThe linearized regression equation is:\r\n\r\n";
    }
    WriteEquation(results, out);
    AppendFormat(out, "\r\nR Square     = %14.8g   Correlation Coef R = %14.8g\r\n", fit.m_rSquare,
                 std::sqrt(std::fabs(fit.m_rSquare)));
    AppendFormat(out, "Adj R Square = %14.8g   Standard Error     = %14.8g\r\n",
                 fit.m_adjustedRSquare, fit.m_standardError);
    out += "\r\n\r\nEQUATION COEFFICIENT ESTIMATES\r\n";
    out += "                                          Standard    T-Ratio\r\n";
    out += "Variable              Coefficient           Error    (Coef/SE)  Prob > |T|\r\n\r\n";
    for (uint32_t j = 0; j < fit.m_p; ++j) {
        const double se = fit.CoefficientSe(j);
        const double t = fit.TRatio(j);
        out += Format("%-18s%15.9g", CoefficientLabel(results, j).c_str(),
                      fit.m_coefficients.At(j, 0));
        AppendNumber(out, "%17.8g", se);
        AppendNumber(out, "%12.5g", t);
        const double probability = fit.CoefficientProbability(j);
        if (probability < kSmallProbability) {
            AppendFormat(out, "%12s\r\n", "< .0001");
        } else {
            AppendNumber(out, "%12.4g", probability);
            out += "\r\n";
        }
    }
}

void WriteAnovaReport(const FitResults& results, std::string& out) {
    const RegressionFit& fit = results.fit;
    out += "\r\n\r\nANALYSIS OF VARIANCE\r\n\r\n";
    AppendFormat(out, "Dependent Variable: %s\r\n", YName(results).c_str());
    out += "                          Sum of            Mean         F\r\n";
    out += "Source         DF         Squares          Square    Statistic     Prob > F\r\n\r\n";
    AppendFormat(out, "%-10s%7u%16.8g%16.8g%13.5g", "Regression", fit.m_p - 1, fit.m_ssr, fit.m_msr,
                 fit.m_f);
    if (fit.m_probF < kSmallProbability) {
        AppendFormat(out, "%13s\r\n", "< .0001");
    } else {
        AppendFormat(out, "%13.4g\r\n", fit.m_probF);
    }
    AppendFormat(out, "%-10s%7u%16.8g%16.8g\r\n", "Residual", fit.m_n - fit.m_p, fit.m_sse,
                 fit.m_mse);
    AppendFormat(out, "%-10s%7u%16.8g\r\n", "Total", fit.m_n - 1, fit.m_sst);
}

TermCorrelations CorrelateTerms(const FitResults& results) {
    const RegressionFit& fit = results.fit;
    const uint32_t p = fit.m_p;
    const uint32_t n = fit.m_n;
    TermCorrelations correlations;
    // y takes the place of the intercept column: variable 0 is y, variable j the term
    // of entry j + 1.
    Matrix columns(results.fit.m_X);
    columns.CopyColumn(results.fit.m_Y, 0, 0);
    correlations.r = CorrelationMatrix(columns);
    correlations.probability = Matrix(p, p);
    for (uint32_t j = 0; j < p; ++j) {
        correlations.names.push_back(
            results.model.TermName(j == 0 ? 0 : static_cast<int>(j) + 1, results.names));
    }
    for (uint32_t a = 0; a < p; ++a) {
        for (uint32_t b = 0; b < a; ++b) {
            const double coefficient = correlations.r.At(a, b);
            double probability = 0.0;
            // Written so that an undefined (NaN) correlation goes to the t probability,
            // which stops the recording, rather than pass for a certain one.
            if (n > 2 && !(coefficient >= 0.99999)) {
                const double df = static_cast<double>(n) - 2.0;
                const double t =
                    coefficient / std::sqrt(std::fabs((1.0 - coefficient * coefficient) / df));
                probability = StudentTProbability(t, df);
            }
            correlations.probability.At(a, b) = probability;
            correlations.probability.At(b, a) = probability;
        }
    }
    return correlations;
}

void WriteCorrelationReport(const FitResults& results, std::string& out) {
    const uint32_t p = results.fit.m_p;
    int w = 10;
    if (p == 8) w = 9;
    if (p == 9) w = 8;
    if (p == 10) w = 7;
    const TermCorrelations correlations = CorrelateTerms(results);
    const Matrix& r = correlations.r;
    auto name = [&](uint32_t j) { return correlations.names[j].c_str(); };

    out += "\r\n\r\nCORRELATION COEFFICIENTS / PROBABILITY\r\n\r\n";
    out += std::string(static_cast<size_t>(w), ' ');
    for (uint32_t j = 0; j < p; ++j) AppendFormat(out, "%*.*s", w, w - 1, name(j));
    out += "\r\n";
    for (uint32_t a = 0; a < p; ++a) {
        out += "\r\n" + Format("%-*.*s", w, w - 1, name(a));
        for (uint32_t b = 0; b <= a; ++b) AppendNumber(out, "%*.4g", w, r.At(a, b));
        out += "\r\n" + std::string(static_cast<size_t>(w), ' ');
        for (uint32_t b = 0; b <= a; ++b) {
            const double probability = correlations.probability.At(a, b);
            if (probability < kSmallProbability) {
                AppendFormat(out, "%*s", w, "<.0001");
            } else {
                AppendFormat(out, "%*.4f", w, probability);
            }
        }
    }
    out += "\r\n";
}

size_t ResidualReportBytes(const FitResults& results) {
    return 256 + size_t{results.fit.m_n} * kResidualLineBytes;
}

size_t IntervalReportBytes(const FitResults& results) {
    return 256 + size_t{results.fit.m_n} * kIntervalLineBytes;
}

void WriteResidualReport(const FitResults& results, std::string& out) {
    const RegressionFit& fit = results.fit;
    out.reserve(out.size() + ResidualReportBytes(results));
    out += "\r\n\r\nRESIDUAL LISTING\r\n";
    out += "                          Predicted      Std. Dev.                     Std.\r\n";
    AppendFormat(out, "Obsv  %13s         Value      of Predicted        Residual   Resid.\r\n\r\n",
                 YName(results).c_str());
    AppendObservationLines(fit.m_n, kResidualLineBytes, out, [&fit](uint32_t i, std::string& text) {
        AppendResidualLine(fit, i, text);
    });
}

void WriteIntervalReport(const FitResults& results, double level, std::string& out) {
    const RegressionFit& fit = results.fit;
    out.reserve(out.size() + IntervalReportBytes(results));
    AppendFormat(out, "\r\n\r\nCONFIDENCE / PREDICTION INTERVALS AT THE %.4g%% LEVEL\r\n\r\n",
                 level);
    out += "                          Predicted      Confidence/Prediction Interval\r\n";
    AppendFormat(out, "Obsv  %13s         Value                   Lower         Upper\r\n\r\n",
                 YName(results).c_str());
    const double t = fit.CriticalT(level);
    AppendObservationLines(fit.m_n, kIntervalLineBytes, out, [&fit, t](uint32_t i, std::string& text) {
        AppendIntervalLines(fit, t, i, text);
    });
}

}  // namespace lumox
