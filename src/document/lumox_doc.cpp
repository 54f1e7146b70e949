#include "document/lumox_doc.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "data/csv_data.h"
#include "data/dbase.h"
#include "data/text_data.h"
#include "document/numeric_names.h"
#include "numeric/scanner.h"
#include "platform/abort.h"
#include "platform/atomic_file.h"
#include "platform/format.h"
#include "platform/prompt.h"
#include "regression/derived_series.h"
#include "regression/model_comparison.h"
#include "regression/point_estimate.h"
#include "reports/comparison_report.h"
#include "reports/descriptive_report.h"
#include "reports/input_data.h"
#include "reports/point_estimate_report.h"
#include "stats/descriptive_statistics.h"

namespace lumox {
namespace fs = std::filesystem;
namespace {

// The whole of standard input ("-") or of a stream-like file, read up to one byte past the
// largest data file.
StreamRead ReadPipedData(const std::string& path, const KeepWaiting& keepWaiting,
                         std::string& bytes) {
    if (path != "-") {
        int error = 0;
        return ReadStreamFile(path, kMaxDataFileBytes, bytes, keepWaiting, error);
    }
    char buffer[65536];
    size_t got = 0;
    while (bytes.size() <= kMaxDataFileBytes &&
           (got = std::fread(buffer, 1, sizeof buffer, stdin)) > 0) {
        bytes.append(buffer, got);
    }
    return std::ferror(stdin) ? StreamRead::Failed : StreamRead::Read;
}

// No data file is this large: it is refused before it is read whole.
void RefuseTooLarge(const std::string& path) {
    ShowMessage(Format("Data File: %s is larger than any data file can be!", path.c_str()),
                Icon::Stop);
}

}  // namespace

CLumoxDoc::CLumoxDoc() {
    for (auto& slot : m_apGraph) slot = std::make_unique<ChartData>();
    DeleteContents();
}

ChartData CLumoxDoc::DefaultGraphTemplate() {
    ChartData chart;
    chart.markerStyle = 1;
    chart.pointSize = 1;
    chart.lineStyle = 0;
    chart.xIntervals = 5;
    chart.yIntervals = 4;
    chart.grid = 1;
    return chart;
}

void CLumoxDoc::SetPathName(const std::string& path) {
    m_strPathName = path;
    m_strTitle = fs::path(path).filename().string();
}

void CLumoxDoc::SetModifiedFlag(bool modified) {
    m_bModified = modified;
    if (modified) m_bResultsEverModified = 1;
}

void CLumoxDoc::UpdateAllViews() {
    if (m_pHost != nullptr) m_pHost->UpdateAllViews();
}

void CLumoxDoc::SetFileKind(const std::string& path) {
    std::string extension = fs::path(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    m_bDbase = extension == ".DBF" ? 1 : 0;
    m_bCsv = extension == ".CSV";
    m_sheetKind = SheetFileKindOf(path);
}

void CLumoxDoc::DeleteContents() {
    m_data.ClearDataSet();
    m_strDataPath.clear();
    m_strResultsPath = kDefaultResultsName;
    m_bResultsEverModified = 0;
    ResetFit();
    m_strGraphTitle.clear();
    m_graphTemplate = DefaultGraphTemplate();
    m_histogram = HistogramSettings();
}

void CLumoxDoc::AdoptDataSet(DataSet data) {
    m_data = std::move(data);
    ResetFit();
}

bool CLumoxDoc::OnOpenDocument(const std::string& path, const std::string& sheet) {
    SetFileKind(path);
    DeleteContents();
    std::ifstream disk;
    std::istringstream piped;
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    // Standard input ("-"), a FIFO or a device can be read only once, from the front: it
    // is read into memory, where the readers can go over it as often as they need.
    const bool stream = path == "-" || (!error && status.type() != fs::file_type::regular &&
                                        status.type() != fs::file_type::directory);
    if (stream) {
        std::string bytes;
        const KeepWaiting keepWaiting = m_pHost ? m_pHost->PipeWaiter(path, false) : KeepWaiting();
        const StreamRead read = ReadPipedData(path, keepWaiting, bytes);
        if (read == StreamRead::Cancelled) return false;  // the person stopped waiting
        if (read == StreamRead::Failed) {
            ShowMessage(Format("Data File: cannot open %s!", path.c_str()), Icon::Stop);
            return false;
        }
        if (bytes.size() > kMaxDataFileBytes) {
            RefuseTooLarge(path);
            return false;
        }
        piped.str(std::move(bytes));
    } else {
        if (fs::is_regular_file(status) && fs::file_size(path, error) > kMaxDataFileBytes &&
            !error) {
            RefuseTooLarge(path);
            return false;
        }
        disk.open(path, std::ios::binary);
    }
    std::istream& file = stream ? static_cast<std::istream&>(piped) : disk;
    if (!file || fs::is_directory(path, error)) {
        ShowMessage(Format("Data File: cannot open %s!", path.c_str()), Icon::Stop);
        return false;
    }
    file.seekg(0, std::ios::end);
    const bool empty = file.tellg() <= 0;
    file.seekg(0, std::ios::beg);
    if (!empty) {
        bool read = false;
        try {
            if (m_bDbase) {
                Diagnostics said;
                read = ReadDbaseFile(m_data, file, said);
                Speak(said);
            } else if (m_sheetKind) {
                read = ReadSpreadsheet(ReadWholeStream(file), fs::path(path).filename().string(),
                                       sheet);
            } else if (m_bCsv) {
                Diagnostics said;
                read = ReadCsvData(m_data, ReadWholeStream(file),
                                   fs::path(path).stem().string(), said);
                Speak(said);
            } else {
                read = ReadAskingNumericNames([this, &file](NumericNames names, Diagnostics& said) {
                           file.clear();
                           file.seekg(0, std::ios::beg);
                           return ReadTextDataFile(m_data, file, names, said);
                       }) == ReadStatus::Read;
            }
        } catch (const ComputeError& error) {
            Speak(error.Said());
        }
        if (!read) {
            DeleteContents();
            m_bModified = false;
            UpdateAllViews();
            return false;
        }
    }
    m_bModified = false;
    SetPathName(path);
    m_strDataPath = path;
    UpdateAllViews();
    return true;
}

bool CLumoxDoc::ReadSpreadsheet(std::string bytes, const std::string& title,
                                const std::string& sheet) {
    Diagnostics said;
    SpreadsheetBook book;
    std::optional<size_t> index;
    if (book.Open(std::move(bytes), *m_sheetKind, title, said)) {
        const std::vector<std::string>& names = book.SheetNames();
        if (!sheet.empty()) {
            index = book.FindSheet(sheet, said);
        } else if (names.size() == 1 || m_pHost == nullptr) {
            index = 0;
        } else if (const std::optional<std::string> chosen = m_pHost->ChooseSheet(names)) {
            index = book.FindSheet(*chosen, said);
        }
    }
    const bool read = index && book.ReadSheet(*index, m_data, said);
    if (read) m_strSheet = book.SheetNames()[*index];
    Speak(said);
    return read;
}

bool CLumoxDoc::WriteDataLines(const std::string& path, const std::vector<std::string>& lines,
                               size_t count) {
    SetFileKind(path);
    if (m_sheetKind) {
        ShowMessage(Format("Could not save data to %s: data are saved as text, .csv or .dbf "
                           "files, never as a spreadsheet!",
                           path.c_str()),
                    Icon::Stop);
        return false;
    }
    std::string failure;
    Diagnostics said;
    const bool written = WriteFileAtomically(
        path,
        [this, &lines, count, &said](std::ostream& out) {
            if (m_bCsv) return static_cast<bool>(out << CsvText(lines, count));
            return m_bDbase ? WriteDbaseFile(lines, count, out, said)
                            : WriteTextLines(lines, count, out);
        },
        &failure, m_pHost ? m_pHost->PipeWaiter(path, true) : KeepWaiting());
    Speak(said);
    if (!written) ShowMessage(Format("Could not save data to %s!", failure.c_str()), Icon::Stop);
    return written;
}

bool CLumoxDoc::WriteResults(const std::string& path) {
    ResultsView* view = m_pHost ? m_pHost->GetResultsView() : nullptr;
    if (view == nullptr) {
        ShowMessage("Could not save Results to file!", Icon::Stop);
        return false;
    }
    const std::string text = view->GetText();
    std::string failure;
    const bool written = WriteFileAtomically(path, text, &failure, m_pHost->PipeWaiter(path, true));
    if (!written) ShowMessage("Could not save Results to file!\n" + failure, Icon::Stop);
    return written;
}

void CLumoxDoc::ResetFit() {
    m_nYVariable = -2;
    m_nSimpleModel = -1;
    m_equation.ResetModel();
    m_fit.ResetFit();
    ++m_nFitSerial;
    UpdateAllViews();
}

void CLumoxDoc::SetFit(const EquationModel& model, RegressionFit fit, int simpleModel) {
    m_equation = model;
    m_fit = std::move(fit);
    m_nYVariable = model.YColumn();
    m_nSimpleModel = simpleModel;
    ++m_nFitSerial;
    UpdateAllViews();
}

FitResults CLumoxDoc::GetFitResults() const {
    return FitResults{m_data.ColNames(), m_equation, m_fit, m_nSimpleModel};
}

void CLumoxDoc::SetupGraphSlot(int slot, int xColumn, int yColumn, int fittedCurve, int trendLine) {
    if (slot < 0 || slot >= static_cast<int>(m_apGraph.size())) return;
    const int columns = static_cast<int>(Cols());
    ChartData& graph = *m_apGraph[static_cast<size_t>(slot)];
    graph = m_graphTemplate;
    const bool chosen = xColumn >= 0 && yColumn >= 0 && xColumn < columns + kDerivedSeriesCount &&
                        yColumn < columns + kDerivedSeriesCount;
    if (chosen) {
        auto axis = [&](int column, const Matrix*& matrix, int& field, std::string& label) {
            field = column;
            if (column < columns) {
                matrix = &GetData();
                label = GetColName(static_cast<uint32_t>(column));
            } else {
                label = DerivedSeriesName(static_cast<DerivedSeries>(column - columns));
            }
        };
        axis(xColumn, graph.xMatrix, graph.xColumn, graph.xLabel);
        axis(yColumn, graph.yMatrix, graph.yColumn, graph.yLabel);
    }
    if (!m_strGraphTitle.empty()) {
        graph.title = m_strGraphTitle;
    } else {
        graph.title = xColumn < columns && yColumn < columns ? "Data" : "Results";
    }
    graph.fittedCurve = fittedCurve;
    graph.trendLine = trendLine;
    graph.pointCount = chosen ? static_cast<int>(Rows()) : 0;
}

bool CLumoxDoc::CanAddFittedCurve(int x, int y) const {
    return m_nYVariable >= 0 && x == m_equation.m_nSingleVariable && y == m_nYVariable;
}

bool CLumoxDoc::CanAddBands(int x, int y, bool fittedCurve) const {
    if (fittedCurve) return CanAddFittedCurve(x, y);
    if (!OffersBandsAlone() || y != m_nYVariable) return false;
    std::vector<int> variables;
    m_equation.ListDistinctVariables(&variables);
    return std::find(variables.begin(), variables.end(), x) != variables.end();
}

bool CLumoxDoc::PlotsOriginalScale(const std::vector<GraphChoice>& graphs) const {
    if (m_nYVariable < -1 || !m_equation.m_bYTransformed) return false;
    const int columns = static_cast<int>(Cols());
    for (const GraphChoice& graph : graphs) {
        for (const int axis : {graph.x, graph.y}) {
            if (axis == columns || axis == columns + 1) return true;
        }
    }
    return false;
}

void CLumoxDoc::SetupScatterPage(int graphsPerPage, const std::vector<GraphChoice>& graphs) {
    BeginScatterSelection();
    m_bHistogramPage = false;
    for (int slot = 0; slot < graphsPerPage && slot < static_cast<int>(m_apGraph.size()); ++slot) {
        const GraphChoice choice = slot < static_cast<int>(graphs.size())
                                       ? graphs[static_cast<size_t>(slot)]
                                       : GraphChoice();
        SetupGraphSlot(slot, choice.x, choice.y, choice.fittedCurve, choice.trendLine);
        ChartData& graph = *m_apGraph[static_cast<size_t>(slot)];
        const bool bands = CanAddBands(choice.x, choice.y, choice.fittedCurve == 1);
        graph.confidenceBand = bands ? choice.confidenceBand : 0;
        graph.predictionBand = bands ? choice.predictionBand : 0;
    }
    m_nGraphsPerPage = graphsPerPage;
}

void CLumoxDoc::SetupHistogram(const HistogramSettings& settings) {
    m_histogram = settings;
    m_nGraphsPerPage = 1;
    ChartData& graph = *m_apGraph[0];
    graph = m_graphTemplate;
    if (!m_strGraphTitle.empty()) {
        graph.title = m_strGraphTitle;
    } else {
        graph.title = settings.kind == HistogramKind::Cumulative ? "Ogive" : "Histogram";
    }
    m_bHistogramPage = true;
}

HistogramSettings CLumoxDoc::CheckedHistogramSettings(HistogramSettings settings) {
    if (settings.kind == HistogramKind::Cumulative) settings.addNormalCurve = false;
    return settings;
}

GraphPage CLumoxDoc::GetGraphPage() {
    GraphPage page;
    page.graphsPerPage = m_nGraphsPerPage;
    for (size_t k = 0; k < m_apGraph.size(); ++k) page.graphs[k] = m_apGraph[k].get();
    page.data = &m_data;
    if (HasFit()) {
        page.model = &m_equation;
        page.fit = &m_fit;
    }
    page.histogram = &m_histogram;
    page.bandLevel = m_dConfidenceLevel;
    if (m_bHistogramPage) {
        page.kind =
            m_histogram.kind == HistogramKind::Cumulative ? GraphKind::Ogive : GraphKind::Histogram;
    }
    page.title = GetTitle();
    return page;
}

ResultsView& CLumoxDoc::GetResultsView() {
    ResultsView* view = m_pHost ? m_pHost->GetResultsView() : nullptr;
    if (view == nullptr) {
        ShowMessage("Unable to open Results window!", Icon::Stop);
        AbandonCommand();
    }
    return *view;
}

GraphOptions CLumoxDoc::GetGraphOptions() const {
    GraphOptions options;
    options.title = m_strGraphTitle;
    options.xIntervalIndex = m_graphTemplate.xIntervals - GraphOptions::kMinIntervals;
    options.yIntervalIndex = m_graphTemplate.yIntervals - GraphOptions::kMinIntervals;
    options.pointSize = m_graphTemplate.pointSize;
    options.grid = m_graphTemplate.grid != 0;
    return options;
}

bool CLumoxDoc::ApplyGraphOptions(const GraphOptions& options) {
    if (!GraphOptions::TitleFits(options.title)) {
        ShowMessage(Format("Enter no more than %d characters.", GraphOptions::kTitleLimit),
                    Icon::Exclamation);
        return false;
    }
    for (const int index : {options.xIntervalIndex, options.yIntervalIndex}) {
        if (!GraphOptions::IntervalsFit(index + GraphOptions::kMinIntervals)) {
            ShowMessage(Format("Choose from 2 to %d grid increments.", GraphOptions::kMaxIntervals),
                        Icon::Exclamation);
            return false;
        }
    }
    m_strGraphTitle = options.title;
    m_graphTemplate.xIntervals = options.xIntervalIndex + GraphOptions::kMinIntervals;
    m_graphTemplate.yIntervals = options.yIntervalIndex + GraphOptions::kMinIntervals;
    m_graphTemplate.pointSize = options.pointSize == 0 ? 0 : 1;
    m_graphTemplate.grid = options.grid ? 1 : 0;
    UpdateAllViews();
    return true;
}

namespace {

// A file that does not exist, or carries no write permission bit, is not saved over
// without asking for a name.
bool IsWritableFile(const std::string& path) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (error || !fs::is_regular_file(status)) return false;
    constexpr fs::perms kWrite =
        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    return (status.permissions() & kWrite) != fs::perms::none;
}

}  // namespace

bool CLumoxDoc::SaveResults(bool askName) {
    std::string path = m_strResultsPath;
    if (askName) {
        const std::optional<std::string> chosen =
            m_pHost ? m_pHost->AskSaveFileName(m_strResultsPath) : std::nullopt;
        if (!chosen) return false;
        path = *chosen;
    }
    if (!WriteResults(path)) return false;
    std::error_code error;
    const fs::path absolute = fs::absolute(path, error);
    m_strResultsPath = error ? path : absolute.string();
    SetModifiedFlag(false);
    return true;
}

void CLumoxDoc::OnFileSaveResults() {
    if (m_pHost) m_pHost->GetResultsView();
    // The default name was never chosen by the person: an old RESULTS.TXT of another
    // session is not overwritten without asking.
    const bool ask = m_strResultsPath == kDefaultResultsName || !IsWritableFile(m_strResultsPath);
    SaveResults(ask);
}

void CLumoxDoc::OnFileSaveResultsAs() {
    if (m_pHost) m_pHost->GetResultsView();
    SaveResults(true);
}

bool CLumoxDoc::SaveModified() {
    if (!IsModified()) return true;
    switch (AskYesNoCancel("Save Results to a file?")) {
        case Answer::Cancel:
            return false;
        case Answer::Yes:
            return SaveResults(true);
        default:
            return true;
    }
}

void CLumoxDoc::OnRecordInputData() {
    RecordRequest request;
    request.reports = {ReportKind::InputData};
    RecordReports(*this, request);
}

void CLumoxDoc::RecordDescriptiveStatistics(uint32_t column) {
    RecordRequest request;
    request.reports = {ReportKind::Descriptive};
    WriteDescriptiveReport(DescriptiveStatistics(GetData(), column), GetColName(column),
                           request.pendingText);
    RecordReports(*this, request);
}

ReportKinds CLumoxDoc::OfferedRegressionReports(const ReportKinds& reports) const {
    ReportKinds offered;
    for (const ReportKind kind :
         {ReportKind::Equation, ReportKind::Anova, ReportKind::Correlation, ReportKind::Residuals,
          ReportKind::Intervals, ReportKind::Diagnostics}) {
        const bool offers = kind != ReportKind::Correlation || !LastFitWasSimple();
        if (offers && Holds(reports, kind)) offered.push_back(kind);
    }
    return offered;
}

void CLumoxDoc::RecordRegressionReports(const ReportKinds& reports, double level) {
    m_dConfidenceLevel = level;
    RecordRequest request;
    request.reports = OfferedRegressionReports(reports);
    request.level = Holds(request.reports, ReportKind::Intervals) ? level : 0.0;
    RecordReports(*this, request);
}

void CLumoxDoc::RecordModelComparison(int x, int y) {
    RecordRequest request;
    request.reports = {ReportKind::ModelComparison};
    WriteComparisonReport(CompareSimpleModels(GetData(), Rows(), x, y, ColNames()), ColNames(),
                          request.pendingText);
    RecordReports(*this, request);
}

void CLumoxDoc::RecordPointEstimate(const PointEstimate& estimate) {
    RecordRequest request;
    request.reports = {ReportKind::PointEstimate};
    WritePointEstimateReport(estimate, request.pendingText);
    RecordReports(*this, request);
}

void CLumoxDoc::BuildReportHeader(int width) {
    m_strReportHeader = ComposeReportHeader(GetTitle(), width);
}

void CLumoxDoc::OnResultsCleared() {
    m_bModified = false;
    m_bResultsEverModified = 0;
}

void CLumoxDoc::OnNewDocument() {
    DeleteContents();
    m_strPathName.clear();
    m_strTitle = kUntitled;
    m_bModified = false;
    UpdateAllViews();
}

bool CLumoxDoc::SaveDataAs(const std::vector<std::string>& lines, size_t count) {
    if (m_pHost) m_pHost->GetResultsView();
    // A spreadsheet's data are offered a .csv file of the same name.
    const std::string suggested =
        m_sheetKind ? fs::path(m_strDataPath).replace_extension(".csv").string() : m_strDataPath;
    const std::optional<std::string> chosen =
        m_pHost ? m_pHost->AskSaveFileName(suggested) : std::nullopt;
    if (chosen && WriteDataLines(*chosen, lines, count)) {
        std::error_code error;
        const fs::path absolute = fs::absolute(*chosen, error);
        m_strDataPath = error ? *chosen : absolute.string();
        SetPathName(m_strDataPath);
        if (m_pHost) m_pHost->OnDataFileSaved(m_strDataPath);
        return true;
    }
    if (!m_strDataPath.empty()) {
        SetPathName(m_strDataPath);
    } else if (m_pHost) {
        m_pHost->CloseDocument();  // a new data set the person chose not to save
    }
    return false;
}

void CLumoxDoc::OnInputData() {
    if (m_pHost == nullptr) return;
    std::vector<std::string> lines(32);
    const std::string path = GetPathName();
    EditDataRequest request;
    request.lines = &lines;
    if (IsSheetData()) {
        // A spreadsheet's sheet is not written back in its own form: the grid gets the
        // data set, and the edits are saved under a name the person chooses.
        lines = DataSetLines(m_data);
    } else if (!path.empty()) {
        Diagnostics said;
        const bool read =
            m_bDbase ? ReadDbaseLines(path, lines, said) : ReadTextLines(path, lines, said);
        Speak(said);
        if (!read) return;
    }
    if (!path.empty()) {
        request.lineCount = static_cast<int>(Rows()) + 1;
        request.columnCount = static_cast<int>(Cols());
    }
    const bool confirmed = m_pHost->EditData(request) && request.changed;
    if (!confirmed) {
        if (path.empty()) m_pHost->CloseDocument();  // a new data set never filled
        return;
    }

    const size_t count = static_cast<size_t>(request.lineCount);  // names included
    bool saved = false;
    if (!path.empty() && !IsSheetData() &&
        AskYesNo("Revised data can be saved to a\nnew file or to the current file.\n\n"
                 "Save data to the current file?") == Answer::Yes) {
        // A file that cannot be written over is saved under a new name instead.
        saved = IsWritableFile(path) && WriteDataLines(path, lines, count);
        if (saved) m_pHost->OnDataFileSaved(path);
    }
    if (!saved) SaveDataAs(lines, count);

    // Read back what the file holds. Reopening must not lose a changed Results text.
    const std::string reopen = GetPathName();
    const bool resultsModified = IsModified();
    const int resultsEverModified = m_bResultsEverModified;
    DeleteContents();
    if (!reopen.empty()) OnOpenDocument(reopen, m_strSheet);
    m_bModified = resultsModified;
    m_bResultsEverModified = resultsEverModified;
    UpdateAllViews();
}

}  // namespace lumox
