#include "graph/graph_description.h"

#include "data/data_set.h"
#include "platform/format.h"
#include "regression/equation_model.h"
#include "regression/regression_fit.h"
#include "stats/histogram_settings.h"

namespace lumox {
namespace {

// The fitted model with its coefficients named: "Y = b0 + b1 X + b2/X".
std::string ModelText(const EquationModel& model, const std::vector<std::string>& names) {
    std::string text = model.TermName(0, names) + " =";
    for (int entry = 1; entry < model.m_nEntryCount; ++entry) {
        text += entry == 1 ? " " : " + ";
        text += Format("b%d", entry - 1);
        if (model.m_aTerms[static_cast<size_t>(entry)].factor.kind == FactorKind::Constant)
            continue;
        const std::string term = model.TermName(entry, names);
        text += term.starts_with('/') ? term : " " + term;
    }
    return text;
}

std::string Points(int count) { return Format(count == 1 ? "%d point" : "%d points", count); }

std::string DescribeScatter(const GraphPage& page, int slot) {
    const ChartData& graph = *page.graphs[static_cast<size_t>(slot)];
    std::string text = Format("Graph %d", slot + 1);
    if (graph.pointCount == 0) return text + ": no variables chosen.";
    text += ", scatter graph \"" + graph.title + "\": " + graph.yLabel + " against " +
            graph.xLabel + ", " + Points(graph.pointCount);
    if (graph.trendLine == 1) text += ", with the trend line";
    const bool fitted = HasFit(page) && page.data != nullptr;
    if (graph.fittedCurve == 1 && fitted)
        text += ", with the fitted curve of " + ModelText(*page.model, page.data->ColNames());
    const bool confidence = graph.confidenceBand == 1;
    const bool prediction = graph.predictionBand == 1;
    if (fitted && (confidence || prediction)) {
        text += Format(", with the %s at %g%%",
                       confidence && prediction ? "confidence and prediction bands"
                       : confidence             ? "confidence band"
                                                : "prediction band",
                       page.bandLevel);
    }
    return text + ".";
}

std::string DescribeHistogram(const GraphPage& page) {
    const HistogramSettings& settings = *page.histogram;
    const ChartData& graph = *page.graphs[0];
    const bool ogive = page.kind == GraphKind::Ogive;
    std::string text = (ogive ? "Ogive \"" : "Histogram \"") + graph.title + "\"";
    if (page.data == nullptr || settings.column < 0 ||
        static_cast<uint32_t>(settings.column) >= page.data->Cols()) {
        return text + ": no variable chosen.";
    }
    const char* counts = ogive                                      ? "cumulative frequencies"
                         : settings.kind == HistogramKind::Relative ? "relative frequencies (%)"
                                                                    : "frequencies";
    text += " of " + page.data->GetColName(static_cast<uint32_t>(settings.column)) + ": " + counts +
            Format(" of %u observations in %d classes", page.data->Rows(), settings.classes);
    if (!ogive && settings.addNormalCurve) text += ", with the normal curve";
    return text + ".";
}

}  // namespace

std::string DescribeGraphPage(const GraphPage& page) {
    if (page.kind != GraphKind::Scatter) {
        return page.histogram != nullptr && page.graphs[0] != nullptr ? DescribeHistogram(page)
                                                                      : std::string();
    }
    std::string text;
    for (int slot = 0; slot < page.graphsPerPage && slot < static_cast<int>(page.graphs.size());
         ++slot) {
        if (page.graphs[static_cast<size_t>(slot)] == nullptr) continue;
        if (!text.empty()) text += ' ';
        text += DescribeScatter(page, slot);
    }
    return text;
}

}  // namespace lumox
