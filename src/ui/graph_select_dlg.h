#ifndef LUMOX_UI_GRAPH_SELECT_DLG_H
#define LUMOX_UI_GRAPH_SELECT_DLG_H

#include <QDialog>
#include <array>
#include <vector>

#include "document/graph_selection.h"

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QListWidget;

namespace lumox {

// Graph Variable Selection: picks each graph's X and Y from the list of variables and
// whether to add the fitted curve (with its bands) and a trend line. Laid out for four graphs in
// two columns; for one or two graphs the right column is hidden and the dialog narrower.
class CGraphSelectDlg : public QDialog {
    Q_OBJECT
public:
    CGraphSelectDlg(const CLumoxDoc& doc, int graphs, QWidget* parent = nullptr);

    // What Plot chose, one entry per graph of the page.
    std::vector<CLumoxDoc::GraphChoice> Choices() const { return selection_.Choices(); }

    // The controls of graph k (0 to 3), for the keyboard's and the tests' sake.
    struct GraphControls {
        QGroupBox* frame = nullptr;
        QCheckBox* xBox = nullptr;
        QLineEdit* xEdit = nullptr;
        QCheckBox* yBox = nullptr;
        QLineEdit* yEdit = nullptr;
        QCheckBox* fittedCurve = nullptr;
        QCheckBox* trendLine = nullptr;
        QCheckBox* confidenceBand = nullptr;
        QCheckBox* predictionBand = nullptr;
    };
    const GraphControls& Controls(int graph) const { return controls_[static_cast<size_t>(graph)]; }
    QListWidget* Variables() const { return list_; }
    // The width the dialog is designed with for four graphs.
    int DesignWidth() const { return designWidth_; }

public slots:
    // Plot: closes with Accepted when a graph has both X and Y, else says so and stays.
    void accept() override;

private:
    void OnAxisClicked(int graph, GraphSelection::Axis axis);
    // Shows graph k's state: the boxes, the names and the overlays' enabling.
    void ShowGraph(int graph);

    GraphSelection selection_;
    QListWidget* list_;
    std::array<GraphControls, 4> controls_;
    int designWidth_ = 0;
};

}  // namespace lumox

#endif
