#ifndef LUMOX_DOCUMENT_LUMOX_DOC_H
#define LUMOX_DOCUMENT_LUMOX_DOC_H

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "data/data_set.h"
#include "data/sheet_file.h"
#include "document/document_host.h"
#include "document/graph_options.h"
#include "document/recording.h"
#include "graph/chart_data.h"
#include "graph/graph_page.h"
#include "regression/equation_model.h"
#include "regression/regression_fit.h"
#include "reports/regression_reports.h"
#include "stats/histogram_settings.h"

namespace lumox {

class PointEstimate;

// The document: the data set of one data file, everything computed from it, and the
// names under which data and results are saved. It keeps its state to itself behind
// operations, reaches windows and dialogs only through its DocumentHost, and tells the
// host's views when its data, its fit or its graph settings change.
class CLumoxDoc {
public:
    CLumoxDoc();
    CLumoxDoc(const CLumoxDoc&) = delete;
    CLumoxDoc& operator=(const CLumoxDoc&) = delete;

    void SetHost(DocumentHost* host) { m_pHost = host; }
    DocumentHost* GetHost() const { return m_pHost; }

    // The document's title (the data file's name) and its path, as a framework keeps them.
    const std::string& GetTitle() const { return m_strTitle; }
    const std::string& GetPathName() const { return m_strPathName; }
    void SetPathName(const std::string& path);
    // Whether the Results changed since they were last saved or cleared. Setting it also
    // enables Save Results As from then on.
    bool IsModified() const { return m_bModified; }
    void SetModifiedFlag(bool modified = true);

    // Whether the data file is a dBase table (its extension is .DBF in any letter case).
    bool IsDbase() const { return m_bDbase != 0; }
    // The data file's path as last opened or saved; empty for a data set never saved.
    const std::string& DataPath() const { return m_strDataPath; }
    // The sheet of the .xlsx or .ods book the data set was read from; empty for any
    // other file.
    const std::string& SheetName() const { return m_strSheet; }
    // Deletes the contents and reads the data file by its kind. Of a spreadsheet, the
    // sheet named is read; with none named, the host chooses among several (the first
    // when it has no person to ask). False when the file could not be read (its message
    // shown) or no sheet was chosen; the document then holds an empty data set.
    bool OnOpenDocument(const std::string& path, const std::string& sheet = {});
    // Resets everything to its default: no data, no fit, default graph settings.
    void DeleteContents();
    // Takes a data set read elsewhere (a reader's, or one made in memory) in place of the
    // document's; the fit is forgotten and the views are told.
    void AdoptDataSet(DataSet data);

    // The data set, and the parts of it most callers read.
    const DataSet& Data() const { return m_data; }
    uint32_t Rows() const { return m_data.Rows(); }
    uint32_t Cols() const { return m_data.Cols(); }
    const std::string& GetColName(uint32_t column) const { return m_data.GetColName(column); }
    const Matrix& GetData() const { return m_data.GetData(); }
    const std::string& HeaderLine() const { return m_data.HeaderLine(); }
    const std::vector<std::string>& ColNames() const { return m_data.ColNames(); }

    // The fit state. ResetFit forgets the last fit; SetFit makes a successful fit, with the
    // model as fitted and its simple model index (-1 for a multiple regression), the
    // document's fit. Both tell the views.
    void ResetFit();
    void SetFit(const EquationModel& model, RegressionFit fit, int simpleModel);
    // Whether the document holds a fit: the enable rule of Point Estimate and Regression
    // Reports, and what the regression reports and the graphs of derived series need.
    bool HasFit() const { return m_nYVariable >= -1 && !m_fit.m_coefficients.IsEmpty(); }
    // Whether the last fit was a simple (X,Y) regression, whose reports have no
    // correlation matrix.
    bool LastFitWasSimple() const { return m_nSimpleModel > -1; }
    // Changes with every ResetFit and SetFit, so a window can tell whether the fit it made
    // is still the document's.
    unsigned FitSerial() const { return m_nFitSerial; }
    // The last fit's model as fitted and its fit; read only while HasFit().
    const EquationModel& Equation() const { return m_equation; }
    const RegressionFit& Fit() const { return m_fit; }
    // The dependent column of the last fit, -2 when there is none.
    int YVariable() const { return m_nYVariable; }
    // The simple-regression model of the last fit, -1 for a multiple regression.
    int SimpleModel() const { return m_nSimpleModel; }
    // What the regression reports read of the last fit; call only while HasFit().
    FitResults GetFitResults() const;

    // Enable rules of the commands that need data: the scatter graphs need two variables,
    // the regressions two variables and three observations.
    bool CanScatter() const { return Cols() > 1; }
    bool CanRegress() const { return Cols() > 1 && Rows() > 2; }

    // Writes the first count of lines (header first) to path as a text or dBase file by the
    // path's extension, atomically. False after a message when it fails.
    bool WriteDataLines(const std::string& path, const std::vector<std::string>& lines,
                        size_t count);
    // Writes the Results text raw to path, atomically. False after a message when it fails.
    bool WriteResults(const std::string& path);

    // Fills graph slot 0..3 from the graph template for X and Y column indices (Cols() and
    // above: the derived series of the last fit, built when drawing) and the fitted-curve
    // and trend-line flags. A negative or unknown index leaves the slot empty (point
    // count 0).
    void SetupGraphSlot(int slot, int xColumn, int yColumn, int fittedCurve, int trendLine);
    // The graphs of the page and their number (1, 2 or 4).
    int GraphsPerPage() const { return m_nGraphsPerPage; }
    const ChartData& Graph(int slot) const { return *m_apGraph[static_cast<size_t>(slot)]; }
    const HistogramSettings& Histogram() const { return m_histogram; }

    // What the Graph Variable Selection dialog chose for one graph.
    struct GraphChoice {
        int x = -1;
        int y = -1;
        int fittedCurve = 0;
        int trendLine = 0;
        // The bands about the fitted curve (see CanAddBands).
        int confidenceBand = 0;
        int predictionBand = 0;
    };
    // Whether the fitted curve can be added to a graph of x against y: x is the one
    // variable of the fitted equation and y its dependent variable.
    bool CanAddFittedCurve(int x, int y) const;
    // Whether the confidence and prediction bands can be added to a graph of x against y:
    // with the fitted curve; or, for a fit of several variables, which offers no curve,
    // when x is one of its variables and y its dependent variable (the bands then hold the
    // other variables at their means).
    bool CanAddBands(int x, int y, bool fittedCurve) const;
    // Whether the last fit is one of several variables, whose bands stand without a curve.
    bool OffersBandsAlone() const { return m_nYVariable >= 0 && !m_equation.m_nSingleVariable; }
    // Whether plotting these choices shows values brought back to the original scale of y
    // ("Predicted Y" or "Residuals" of an equation that transformed y).
    bool PlotsOriginalScale(const std::vector<GraphChoice>& graphs) const;
    // Scatter One, Two or Four, before the selection dialog opens: the page is no longer
    // an ogive, whether or not the person goes on to plot.
    void BeginScatterSelection() {
        if (m_histogram.kind == HistogramKind::Cumulative)
            m_histogram.kind = HistogramKind::Frequency;
    }
    // Scatter One, Two or Four on Plot: fills graphsPerPage slots from the choices (the
    // others stay empty) and sets the page layout; clears the ogive mode.
    void SetupScatterPage(int graphsPerPage, const std::vector<GraphChoice>& graphs);
    // Histogram on Plot: keeps the settings and makes slot 0 the histogram or ogive.
    void SetupHistogram(const HistogramSettings& settings);
    // The histogram settings a dialog's choices make: the ogive has no normal curve.
    static HistogramSettings CheckedHistogramSettings(HistogramSettings settings);
    // What the graph page draws: the slots, the data set, the last fit and the histogram.
    GraphPage GetGraphPage();
    // The graph options as the document holds them.
    GraphOptions GetGraphOptions() const;
    // Stores the options for the graphs made from now on; false, after a message, when the
    // title is too long or an interval lies outside 2 to 10 (nothing is stored then).
    bool ApplyGraphOptions(const GraphOptions& options);

    // Makes the Results window active and returns its view; when there is none, shows
    // "Unable to open Results window!" and abandons the command.
    ResultsView& GetResultsView();

    // The Results file commands. Their dialogs are the host's; a results file never
    // enters the recent-file list.

    // The name under which the Results are saved until the person chooses one.
    static constexpr const char* kDefaultResultsName = "RESULTS.TXT";
    // Where Save Results writes.
    const std::string& ResultsPath() const { return m_strResultsPath; }
    // Enable rule of Save Results: the Results changed since they were last saved or
    // cleared.
    bool CanSaveResults() const { return IsModified(); }
    // Enable rule of Save Results As: the Results changed since they were last cleared.
    bool CanSaveResultsAs() const { return m_bResultsEverModified != 0; }
    // Save Results: writes ResultsPath(), asking for a name first while it is still the
    // default name, names no file or names a read-only one.
    void OnFileSaveResults();
    // Save Results As: asks for a name, suggesting ResultsPath(), and writes there.
    void OnFileSaveResultsAs();
    // The question before the document closes (and at exit): "Save Results to a file?".
    // False when the close must stop (Cancel, or the save did not happen).
    bool SaveModified();
    // Enable rule of Record Input Data: the data set has observations.
    bool CanRecordInputData() const { return Rows() != 0; }
    // Record Input Data: appends the INPUT DATA listing, and nothing else, to the Results.
    void OnRecordInputData();
    // Records the descriptive statistics of a column.
    void RecordDescriptiveStatistics(uint32_t column);
    // The regression reports of reports that the last fit offers, in recording order:
    // equation to fit diagnostics, no correlation matrix after a simple regression.
    ReportKinds OfferedRegressionReports(const ReportKinds& reports) const;
    // Records the regression reports of the last fit chosen (equation to fit diagnostics;
    // others are ignored), the interval report at level percent; no correlation matrix after a
    // simple regression.
    void RecordRegressionReports(const ReportKinds& reports, double level);
    // Records the MODEL COMPARISON of the twelve simple forms of column y on column x; the
    // document's fit is not touched.
    void RecordModelComparison(int x, int y);
    // Records the report of a point estimate's last Calculate.
    void RecordPointEstimate(const PointEstimate& estimate);
    // The confidence level of the bands on the graphs: that of the last recording of
    // regression reports (95 until then).
    void SetConfidenceLevel(double level) { m_dConfidenceLevel = level; }
    // The reports of the last recording.
    const ReportKinds& RecordedReports() const { return m_abRecord; }
    void SetRecordedReports(const ReportKinds& reports) { m_abRecord = reports; }
    // The header line of printed pages, for a page width characters wide.
    void BuildReportHeader(int width);
    const std::string& ReportHeader() const { return m_strReportHeader; }
    // Clear All emptied the Results text: there is nothing left to save.
    void OnResultsCleared();

    // The title of a data set never saved.
    static constexpr const char* kUntitled = "Untitled";
    // New Data: an empty data set; the Edit Data dialog (Input Data) follows at once.
    void OnNewDocument();
    // Input Data: the data lines go to the Edit Data dialog; confirmed changes are saved,
    // over the data file after asking or under a new name, text or dBase by its extension,
    // and read back, so the data set is always what a file holds. A new data set that is
    // never confirmed (or never saved) closes. A changed Results text stays changed.
    void OnInputData();

private:
    static ChartData DefaultGraphTemplate();
    // Sets m_bDbase, m_bCsv and m_sheetKind from the path's extension (".DBF", ".CSV",
    // ".XLSX", ".ODS" in any letter case).
    void SetFileKind(const std::string& path);
    // Reads the sheet named (or chosen) of the spreadsheet's bytes; title names the file.
    bool ReadSpreadsheet(std::string bytes, const std::string& title, const std::string& sheet);
    // Whether the data set was read from a sheet of some spreadsheet program's file, which
    // the program does not write back.
    bool IsSheetData() const { return m_bCsv || m_sheetKind.has_value(); }
    // Tells the host's views that what they show changed.
    void UpdateAllViews();
    // Writes the Results text, asking for the name first when askName; on success the
    // name becomes m_strResultsPath and the document is no longer modified.
    bool SaveResults(bool askName);
    // Save As for edited lines: asks for a name and writes them there. On success the
    // name becomes the data path; otherwise the old path stays, and a data set that was
    // never saved closes.
    bool SaveDataAs(const std::vector<std::string>& lines, size_t count);

    DocumentHost* m_pHost = nullptr;
    std::string m_strTitle;
    std::string m_strPathName;
    bool m_bModified = false;
    unsigned m_nFitSerial = 0;

    DataSet m_data;
    std::string m_strDataPath;
    std::string m_strResultsPath;
    std::string m_strReportHeader;
    int m_bDbase = 0;
    bool m_bCsv = false;  // comma-separated values: read as a spreadsheet writes them
    std::optional<SheetFileKind> m_sheetKind;  // an .xlsx or .ods book
    std::string m_strSheet;                    // the sheet of the book that was read
    int m_bResultsEverModified = 0;
    int m_nGraphsPerPage = 1;
    std::string m_strGraphTitle;
    std::array<std::unique_ptr<ChartData>, 4> m_apGraph;
    ChartData m_graphTemplate;
    HistogramSettings m_histogram;
    bool m_bHistogramPage = false;  // the graph page is m_histogram's graph, not the slots
    int m_nYVariable = -2;          // dependent column of the last fit, -2 when there is none
    int m_nSimpleModel = -1;        // simple-regression model of the last fit, -1 for multiple
    ReportKinds m_abRecord;         // the reports of the last recording
    double m_dConfidenceLevel = 95.0;
    EquationModel m_equation;       // the model of the last fit as fitted
    RegressionFit m_fit;            // the last fit, with its X and Y
};

}  // namespace lumox

#endif
