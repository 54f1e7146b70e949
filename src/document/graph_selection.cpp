#include "document/graph_selection.h"

#include "platform/format.h"
#include "platform/prompt.h"
#include "platform/strings.h"
#include "regression/derived_series.h"

namespace lumox {

GraphSelection::GraphSelection(const CLumoxDoc& doc, int graphs)
    : doc_(doc), graphs_(graphs == 2 || graphs == 4 ? graphs : 1) {
    for (uint32_t column = 0; column < doc.Cols(); ++column) {
        entries_.push_back(doc.GetColName(column));
    }
    if (doc.HasFit()) {
        for (int k = 0; k < kDerivedSeriesCount; ++k) {
            entries_.push_back(DerivedSeriesName(static_cast<DerivedSeries>(k)));
        }
    }
}

void GraphSelection::Select(int index) {
    selection_ = index >= 0 && index < static_cast<int>(entries_.size()) ? index : -1;
    const int normalZ = static_cast<int>(doc_.Cols()) + static_cast<int>(DerivedSeries::NormalZ);
    if (selection_ == normalZ) ShowMessage(ids::kProbabilityPlotHint, Icon::Information);
}

bool GraphSelection::Toggle(int graph, Axis axis) {
    if (selection_ < 0 || !Valid(graph)) return false;
    CLumoxDoc::GraphChoice& choice = choices_[static_cast<size_t>(graph)];
    choice.fittedCurve = 0;
    choice.trendLine = 0;
    choice.confidenceBand = 0;
    choice.predictionBand = 0;
    int& value = axis == Axis::X ? choice.x : choice.y;
    value = value >= 0 ? -1 : selection_;
    return true;
}

int GraphSelection::Chosen(int graph, Axis axis) const {
    if (!Valid(graph)) return -1;
    const CLumoxDoc::GraphChoice& choice = choices_[static_cast<size_t>(graph)];
    return axis == Axis::X ? choice.x : choice.y;
}

std::string GraphSelection::ChosenName(int graph, Axis axis) const {
    const int index = Chosen(graph, axis);
    return index >= 0 ? entries_[static_cast<size_t>(index)] : std::string();
}

bool GraphSelection::CanFitCurve(int graph) const {
    return Valid(graph) && doc_.CanAddFittedCurve(Chosen(graph, Axis::X), Chosen(graph, Axis::Y));
}

bool GraphSelection::CanTrendLine(int graph) const {
    return Chosen(graph, Axis::X) >= 0 && Chosen(graph, Axis::Y) >= 0;
}

void GraphSelection::SetFittedCurve(int graph, bool on) {
    if (!Valid(graph)) return;
    CLumoxDoc::GraphChoice& choice = choices_[static_cast<size_t>(graph)];
    choice.fittedCurve = on && CanFitCurve(graph) ? 1 : 0;
    if (!CanBand(graph)) {
        choice.confidenceBand = 0;
        choice.predictionBand = 0;
    }
}

bool GraphSelection::CanBand(int graph) const {
    return Valid(graph) && doc_.CanAddBands(Chosen(graph, Axis::X), Chosen(graph, Axis::Y),
                                            FittedCurve(graph));
}

void GraphSelection::SetBand(int graph, Band band, bool on) {
    if (!Valid(graph)) return;
    CLumoxDoc::GraphChoice& choice = choices_[static_cast<size_t>(graph)];
    (band == Band::Confidence ? choice.confidenceBand : choice.predictionBand) =
        on && CanBand(graph) ? 1 : 0;
}

bool GraphSelection::HasBand(int graph, Band band) const {
    if (!Valid(graph)) return false;
    const CLumoxDoc::GraphChoice& choice = choices_[static_cast<size_t>(graph)];
    return (band == Band::Confidence ? choice.confidenceBand : choice.predictionBand) == 1;
}

void GraphSelection::SetTrendLine(int graph, bool on) {
    if (!Valid(graph)) return;
    choices_[static_cast<size_t>(graph)].trendLine = on && CanTrendLine(graph) ? 1 : 0;
}

bool GraphSelection::FittedCurve(int graph) const {
    return Valid(graph) && choices_[static_cast<size_t>(graph)].fittedCurve == 1;
}

bool GraphSelection::TrendLine(int graph) const {
    return Valid(graph) && choices_[static_cast<size_t>(graph)].trendLine == 1;
}

bool GraphSelection::Plot() const {
    bool complete = false;
    for (int k = 0; k < graphs_; ++k) complete = complete || CanTrendLine(k);
    if (!complete) {
        ShowMessage(ids::kGraphDataIncomplete, Icon::Stop);
        return false;
    }
    if (doc_.PlotsOriginalScale(Choices())) {
        ShowMessage(ids::kOriginalScalePlot, Icon::Information);
    }
    return true;
}

std::vector<CLumoxDoc::GraphChoice> GraphSelection::Choices() const {
    return {choices_.begin(), choices_.begin() + graphs_};
}

}  // namespace lumox
