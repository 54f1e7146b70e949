#include "ui/graph_select_dlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/prompt.h"
#include "platform/strings.h"
#include "render/qt_surface.h"
#include "ui/command_ids.h"
#include "ui/help_window.h"
#include "ui/variable_choice.h"

namespace lumox {
namespace {

// For one or two graphs only the left column of graph frames shows.
constexpr double kNarrowWidth = 0.655;

// The texts of each graph's X, Y, Fitted Curve, Trend Line and band boxes, with their
// letters: no two of the dialog's controls share one.
constexpr const char* kGraphKeys[4][6] = {
    {"&X", "&Y", "&Fitted Curve", "&Trend Line", "C&onfidence Band", "Pre&diction Band"},
    {"X &2", "Y &3", "Fitted C&urve", "T&rend Line", "Confidence &Band", "Prediction B&and"},
    {"X &4", "Y &5", "F&itted Curve", "Tre&nd Line", "Confidence Band &8", "Prediction Band &9"},
    {"X &6", "Y &7", "Fitt&ed Curve", "Trend &Line", "Confidence Band &0", "Prediction Band &1"},
};

}  // namespace

CGraphSelectDlg::CGraphSelectDlg(const CLumoxDoc& doc, int graphs, QWidget* parent)
    : QDialog(parent), selection_(doc, graphs), list_(new QListWidget) {
    setWindowTitle(QStringLiteral("Graph Variable Selection"));
    SetHelpContext(this, help::kGraphSelectionDialog);
    for (const std::string& entry : selection_.Entries()) {
        list_->addItem(QtSurface::ToQString(entry));
    }
    list_->setCurrentRow(-1);
    list_->setAccessibleName(QStringLiteral("Variables"));
    connect(list_, &QListWidget::itemSelectionChanged, this,
            [this] { selection_.Select(HighlightedRow(*list_)); });

    auto* variables = new QVBoxLayout;
    auto* variablesLabel = new QLabel(QStringLiteral("&Variables"));
    variablesLabel->setBuddy(list_);
    variables->addWidget(variablesLabel);
    variables->addWidget(list_);

    // Graphs 1 and 2 fill the left column, 3 and 4 the right, as they lie on the page.
    auto* frames = new QGridLayout;
    frames->addWidget(new QLabel(QStringLiteral("Graph Page Layout")), 0, 0, 1, 2);
    for (int k = 0; k < 4; ++k) {
        GraphControls& c = controls_[static_cast<size_t>(k)];
        const auto& keys = kGraphKeys[static_cast<size_t>(k)];
        c.frame = new QGroupBox(QStringLiteral("Graph %1").arg(k + 1));
        c.xBox = new QCheckBox(QString::fromLatin1(keys[0]));
        c.yBox = new QCheckBox(QString::fromLatin1(keys[1]));
        c.xEdit = new QLineEdit;
        c.yEdit = new QLineEdit;
        c.fittedCurve = new QCheckBox(QString::fromLatin1(keys[2]));
        c.trendLine = new QCheckBox(QString::fromLatin1(keys[3]));
        c.confidenceBand = new QCheckBox(QString::fromLatin1(keys[4]));
        c.predictionBand = new QCheckBox(QString::fromLatin1(keys[5]));
        c.xEdit->setAccessibleName(QStringLiteral("Graph %1 X").arg(k + 1));
        c.yEdit->setAccessibleName(QStringLiteral("Graph %1 Y").arg(k + 1));
        for (QLineEdit* edit : {c.xEdit, c.yEdit}) {
            edit->setReadOnly(true);
            edit->setFocusPolicy(Qt::NoFocus);
        }
        auto* grid = new QGridLayout(c.frame);
        grid->addWidget(c.xBox, 0, 0);
        grid->addWidget(c.xEdit, 0, 1);
        grid->addWidget(c.yBox, 1, 0);
        grid->addWidget(c.yEdit, 1, 1);
        // The two overlays share a row, so that four graphs fit a screen of 450 logical
        // pixels (1280 x 900 at twice the size); the bands belong to the curve, set in
        // under it.
        grid->addWidget(c.fittedCurve, 2, 0);
        grid->addWidget(c.trendLine, 2, 1);
        auto* bands = new QVBoxLayout;
        bands->setContentsMargins(16, 0, 0, 0);
        bands->addWidget(c.confidenceBand);
        bands->addWidget(c.predictionBand);
        grid->addLayout(bands, 3, 0, 1, 2);
        frames->addWidget(c.frame, 1 + k % 2, k / 2);
        // Toggled, not clicked: a screen reader's toggle action changes a box without a click.
        connect(c.xBox, &QCheckBox::toggled, this,
                [this, k] { OnAxisClicked(k, GraphSelection::Axis::X); });
        connect(c.yBox, &QCheckBox::toggled, this,
                [this, k] { OnAxisClicked(k, GraphSelection::Axis::Y); });
        connect(c.fittedCurve, &QCheckBox::toggled, this, [this, k](bool on) {
            selection_.SetFittedCurve(k, on);
            ShowGraph(k);
        });
        for (const auto& [box, band] :
             {std::pair{c.confidenceBand, GraphSelection::Band::Confidence},
              std::pair{c.predictionBand, GraphSelection::Band::Prediction}}) {
            connect(box, &QCheckBox::toggled, this,
                    [this, k, band](bool on) { selection_.SetBand(k, band, on); });
        }
        connect(c.trendLine, &QCheckBox::toggled, this,
                [this, k](bool on) { selection_.SetTrendLine(k, on); });
        ShowGraph(k);
    }
    frames->setRowStretch(3, 1);

    auto* buttons = new QDialogButtonBox;
    QPushButton* plot = buttons->addButton(QStringLiteral("&Plot"), QDialogButtonBox::AcceptRole);
    plot->setDefault(true);
    buttons->addButton(QDialogButtonBox::Cancel)->setText(QStringLiteral("&Cancel"));
    QPushButton* help = buttons->addButton(QDialogButtonBox::Help);
    help->setText(QStringLiteral("&Help"));
    connect(buttons, &QDialogButtonBox::accepted, this, &CGraphSelectDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CGraphSelectDlg::reject);
    connect(help, &QPushButton::clicked, this,
            [] { ShowMessage(ids::kGraphSelectionHelp, Icon::Information); });

    auto* columns = new QHBoxLayout;
    columns->addLayout(variables);
    columns->addLayout(frames, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(buttons);

    designWidth_ = sizeHint().width();
    if (selection_.Graphs() < 4) {
        for (int k = selection_.Graphs(); k < 4; ++k)
            controls_[static_cast<size_t>(k)].frame->hide();
        resize(static_cast<int>(designWidth_ * kNarrowWidth), sizeHint().height());
    }
}

void CGraphSelectDlg::OnAxisClicked(int graph, GraphSelection::Axis axis) {
    selection_.Toggle(graph, axis);
    ShowGraph(graph);
}

void CGraphSelectDlg::ShowGraph(int graph) {
    const GraphControls& c = controls_[static_cast<size_t>(graph)];
    using Axis = GraphSelection::Axis;
    const QSignalBlocker x(c.xBox);
    const QSignalBlocker y(c.yBox);
    c.xBox->setChecked(selection_.Chosen(graph, Axis::X) >= 0);
    c.yBox->setChecked(selection_.Chosen(graph, Axis::Y) >= 0);
    c.xEdit->setText(QtSurface::ToQString(selection_.ChosenName(graph, Axis::X)));
    c.yEdit->setText(QtSurface::ToQString(selection_.ChosenName(graph, Axis::Y)));
    // Setting the overlay boxes must not feed back into the selection's flags.
    const QSignalBlocker fitted(c.fittedCurve);
    const QSignalBlocker trend(c.trendLine);
    const QSignalBlocker confidence(c.confidenceBand);
    const QSignalBlocker prediction(c.predictionBand);
    c.fittedCurve->setChecked(selection_.FittedCurve(graph));
    c.trendLine->setChecked(selection_.TrendLine(graph));
    c.fittedCurve->setEnabled(selection_.CanFitCurve(graph));
    c.trendLine->setEnabled(selection_.CanTrendLine(graph));
    using Band = GraphSelection::Band;
    c.confidenceBand->setChecked(selection_.HasBand(graph, Band::Confidence));
    c.predictionBand->setChecked(selection_.HasBand(graph, Band::Prediction));
    c.confidenceBand->setEnabled(selection_.CanBand(graph));
    c.predictionBand->setEnabled(selection_.CanBand(graph));
}

void CGraphSelectDlg::accept() {
    if (selection_.Plot()) QDialog::accept();
}

}  // namespace lumox
