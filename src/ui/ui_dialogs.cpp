#include "ui/ui_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>
#include <QTreeView>
#include <algorithm>

#include "ui/about_dlg.h"

namespace lumox {

// Each filter shows its name only; the pattern in the last parentheses does the work.
// The file dialogs are Qt's own: a desktop's dialog may name a filter by the words before
// its first parenthesis ("Data Files" twice) and match "*.dbf" in lower case only.
QStringList OpenDataFilters() {
    return {QStringLiteral("Data Files (.dat) (*.dat)"),
            QStringLiteral("Data Files (.txt) (*.txt)"),
            QStringLiteral("dBase Files (.dbf) (*.dbf)"), QStringLiteral("All Files (*.*) (*)"),
            QStringLiteral("Spreadsheets and CSV (.xlsx, .ods, .csv) (*.xlsx *.ods *.csv)")};
}

namespace {

// Qt's own file dialog. Saving, it would read a typed name that holds a double quote as a
// list of quoted names ('report "final" v2.txt' would save to "final"); a name typed to
// save to is one name, quotes and all.
class FileDialog final : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    // The file chosen, or nothing when the dialog was cancelled.
    std::optional<QString> Chosen() {
        if (exec() != QDialog::Accepted) return {};
        if (typed_) return typed_;
        if (selectedFiles().isEmpty()) return {};
        return selectedFiles().front();
    }

    void accept() override {
        auto* edit = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (acceptMode() != AcceptSave || edit == nullptr || !edit->text().contains(u'"')) {
            QFileDialog::accept();
            return;
        }
        QString name = edit->text();
        if (!defaultSuffix().isEmpty() && QFileInfo(name).suffix().isEmpty())
            name += u'.' + defaultSuffix();
        const QFileInfo file(directory().absoluteFilePath(name));
        if (file.isDir()) {
            setDirectory(file.absoluteFilePath());
            edit->clear();
            return;
        }
        if (file.exists() &&
            QMessageBox::warning(this, windowTitle(),
                                 tr("%1 already exists.\nDo you want to replace it?")
                                     .arg(file.fileName()),
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) != QMessageBox::Yes) {
            return;
        }
        typed_ = file.absoluteFilePath();
        QDialog::accept();
    }

private:
    std::optional<QString> typed_;
};

// Opening an existing file or saving to any name.
void SetUp(QFileDialog& dialog, bool save) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    // Size, type and date show whole; the name takes the rest of a wider window.
    if (auto* files = dialog.findChild<QTreeView*>()) {
        QHeaderView* header = files->header();
        header->setStretchLastSection(false);
        header->setSectionResizeMode(0, QHeaderView::Stretch);
        for (int column = 1; column < header->count(); ++column)
            header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
    const int character = dialog.fontMetrics().averageCharWidth();
    dialog.resize(std::max(dialog.width(), 110 * character), dialog.height());
}

}  // namespace

std::optional<QString> QtDialogs::GetOpenFileName(QWidget* owner) {
    FileDialog dialog(owner, QStringLiteral("Open"));
    SetUp(dialog, false);
    dialog.setNameFilters(OpenDataFilters());
    dialog.selectNameFilter(OpenDataFilters().front());
    return dialog.Chosen();
}

std::optional<QString> QtDialogs::GetSaveFileName(QWidget* owner, const QString& suggested) {
    FileDialog dialog(owner, QStringLiteral("Save As"));
    SetUp(dialog, true);
    dialog.setNameFilters({QStringLiteral("All Files (*.*) (*)")});
    if (!suggested.isEmpty()) dialog.selectFile(suggested);
    return dialog.Chosen();
}

std::optional<QString> QtDialogs::GetSheetName(QWidget* owner, const QStringList& names) {
    bool chosen = false;
    const QString name = QInputDialog::getItem(
        owner, QStringLiteral("Open Sheet"),
        QStringLiteral("This spreadsheet holds several sheets.\nRead the data from sheet:"), names,
        0, false, &chosen);
    if (!chosen) return std::nullopt;
    return name;
}

std::optional<QString> QtDialogs::GetSaveGraphName(QWidget* owner, const QString& suggested) {
    FileDialog dialog(owner, QStringLiteral("Save Graph As"));
    SetUp(dialog, true);
    const QStringList filters = {QStringLiteral("PNG Picture (.png) (*.png)"),
                                 QStringLiteral("SVG Drawing (.svg) (*.svg)"),
                                 QStringLiteral("PDF Page (.pdf) (*.pdf)")};
    const QStringList suffixes = {QStringLiteral("png"), QStringLiteral("svg"),
                                  QStringLiteral("pdf")};
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(suffixes.front());
    // The filter chosen gives a name without an extension its extension.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog, &filters, &suffixes](const QString& filter) {
                         const qsizetype index = filters.indexOf(filter);
                         if (index >= 0) dialog.setDefaultSuffix(suffixes[index]);
                     });
    if (!suggested.isEmpty()) dialog.selectFile(suggested);
    return dialog.Chosen();
}

bool QtDialogs::ExecPrintDialog(QWidget* owner, QPrinter& printer, bool hasSelection) {
    QPrintDialog dialog(&printer, owner);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, hasSelection);
    return dialog.exec() == QDialog::Accepted;
}

bool QtDialogs::ExecPrintSetup(QWidget* owner, QPrinter& printer) {
    QPageSetupDialog dialog(&printer, owner);
    return dialog.exec() == QDialog::Accepted;
}

void QtDialogs::ExecPrintPreview(QWidget* owner, QPrinter& printer,
                                 const std::function<void(QPrinter&)>& paint) {
    QPrintPreviewDialog dialog(&printer, owner);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
                     [&paint](QPrinter* target) { paint(*target); });
    // Large enough to read a page: most of the screen, the page as wide as the window.
    if (const QScreen* screen =
            owner != nullptr ? owner->screen() : QGuiApplication::primaryScreen()) {
        const QRect room = screen->availableGeometry();
        dialog.resize(room.width() * 3 / 4, room.height() * 9 / 10);
    }
    if (auto* pages = dialog.findChild<QPrintPreviewWidget*>()) pages->fitToWidth();
    dialog.exec();
}

void QtDialogs::ExecAbout(QWidget* owner) {
    CAboutDlg dialog(owner);
    dialog.exec();
}

int QtDialogs::ExecDialog(QDialog& dialog) { return dialog.exec(); }

}  // namespace lumox
