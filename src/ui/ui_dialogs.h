#ifndef LUMOX_UI_UI_DIALOGS_H
#define LUMOX_UI_UI_DIALOGS_H

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QDialog;
class QPrinter;
class QWidget;

namespace lumox {

// The platform's common dialogs, behind one interface so that tests answer them from
// a script instead of showing them.
class UiDialogs {
public:
    virtual ~UiDialogs() = default;
    // The Open dialog of Open Data; no value when cancelled.
    virtual std::optional<QString> GetOpenFileName(QWidget* owner) = 0;
    // The Save As dialog, starting at suggested; no value when cancelled.
    virtual std::optional<QString> GetSaveFileName(QWidget* owner, const QString& suggested) = 0;
    // The Save As dialog of a graph page, offering PNG, SVG and PDF files.
    virtual std::optional<QString> GetSaveGraphName(QWidget* owner, const QString& suggested) {
        return GetSaveFileName(owner, suggested);
    }
    // Which sheet of a spreadsheet to open, from names (the first preselected); no value
    // when cancelled.
    virtual std::optional<QString> GetSheetName(QWidget* owner, const QStringList& names) = 0;
    // The print dialog; true when the person chose to print.
    virtual bool ExecPrintDialog(QWidget* owner, QPrinter& printer, bool hasSelection) = 0;
    // Print Setup: printer and paper; true on OK.
    virtual bool ExecPrintSetup(QWidget* owner, QPrinter& printer) = 0;
    // Print preview of pages painted by paint.
    virtual void ExecPrintPreview(QWidget* owner, QPrinter& printer,
                                  const std::function<void(QPrinter&)>& paint) = 0;
    // The About box.
    virtual void ExecAbout(QWidget* owner) = 0;
    // Runs one of the program's own modal dialogs; its result code (QDialog::Accepted...).
    virtual int ExecDialog(QDialog& dialog) = 0;
};

// The real dialogs.
class QtDialogs final : public UiDialogs {
public:
    std::optional<QString> GetOpenFileName(QWidget* owner) override;
    std::optional<QString> GetSaveFileName(QWidget* owner, const QString& suggested) override;
    std::optional<QString> GetSaveGraphName(QWidget* owner, const QString& suggested) override;
    std::optional<QString> GetSheetName(QWidget* owner, const QStringList& names) override;
    bool ExecPrintDialog(QWidget* owner, QPrinter& printer, bool hasSelection) override;
    bool ExecPrintSetup(QWidget* owner, QPrinter& printer) override;
    void ExecPrintPreview(QWidget* owner, QPrinter& printer,
                          const std::function<void(QPrinter&)>& paint) override;
    void ExecAbout(QWidget* owner) override;
    int ExecDialog(QDialog& dialog) override;
};

// The filters of the Open dialog, in order, the first preselected.
QStringList OpenDataFilters();

}  // namespace lumox

#endif
