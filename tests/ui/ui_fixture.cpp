#include "ui_fixture.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryFile>
#include <QTest>

#include "ui/document_windows.h"
#include "ui/lumox_view.h"
#include "ui/main_frame.h"

namespace lumox::test {

std::optional<QString> FakeDialogs::GetOpenFileName(QWidget*) {
    ++openAsked;
    if (openNames.empty()) {
        ADD_FAILURE() << "unexpected Open dialog";
        return std::nullopt;
    }
    const bool chosen = openNames.front().has_value();
    const QString name = chosen ? *openNames.front() : QString();
    openNames.pop_front();
    if (!chosen) return std::nullopt;
    return name;
}

std::optional<QString> FakeDialogs::GetSheetName(QWidget*, const QStringList& names) {
    sheetsOffered.push_back(names);
    if (sheetNames.empty()) {
        ADD_FAILURE() << "unexpected sheet choice";
        return std::nullopt;
    }
    const std::optional<QString> name = sheetNames.front();
    sheetNames.pop_front();
    return name;
}

std::optional<QString> FakeDialogs::GetSaveFileName(QWidget*, const QString& suggested) {
    saveSuggestions.append(suggested);
    if (saveNames.empty()) {
        ADD_FAILURE() << "unexpected Save As dialog";
        return std::nullopt;
    }
    const bool chosen = saveNames.front().has_value();
    const QString name = chosen ? *saveNames.front() : QString();
    saveNames.pop_front();
    if (!chosen) return std::nullopt;
    return name;
}

bool FakeDialogs::ExecPrintDialog(QWidget*, QPrinter& printer, bool) {
    ++printAsked;
    if (pdfPath.isEmpty()) {
        ADD_FAILURE() << "unexpected print dialog";
        return false;
    }
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfPath);
    return true;
}

bool FakeDialogs::ExecPrintSetup(QWidget*, QPrinter&) {
    ADD_FAILURE() << "unexpected Print Setup dialog";
    return false;
}

void FakeDialogs::ExecPrintPreview(QWidget*, QPrinter&,
                                   const std::function<void(QPrinter&)>& paint) {
    // The preview paints into a printer of its own, as the real one does.
    ++previews;
    QTemporaryFile file;
    if (!file.open()) return;
    QPrinter preview(QPrinter::HighResolution);
    preview.setFullPage(true);
    preview.setOutputFormat(QPrinter::PdfFormat);
    preview.setOutputFileName(file.fileName());
    paint(preview);
}

void FakeDialogs::ExecAbout(QWidget*) { ++abouts; }

int FakeDialogs::ExecDialog(QDialog& dialog) {
    if (dialogScripts.empty()) {
        ADD_FAILURE() << "unexpected dialog: " << dialog.windowTitle().toStdString();
        return QDialog::Rejected;
    }
    const std::function<int(QDialog&)> script = std::move(dialogScripts.front());
    dialogScripts.pop_front();
    dialog.show();
    const int result = script(dialog);
    dialog.hide();
    return result;
}

ModalGuard::ModalGuard() {
    QObject::connect(&timer_, &QTimer::timeout, [this] { Check(); });
    timer_.start(20);
}

ModalGuard::~ModalGuard() { Check(); }

void ModalGuard::Check() {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        ADD_FAILURE() << "unexpected modal window: " << modal->windowTitle().toStdString();
        modal->close();
    }
}

void ShellTest::SetUp() {
    settings = std::make_unique<QSettings>(QString::fromStdString(dir.File("lumox.ini")),
                                           QSettings::IniFormat);
    guard = std::make_unique<ModalGuard>();
    app = std::make_unique<CLumoxApp>(*settings, dialogs);
    ASSERT_TRUE(app->InitInstance());
    Frame().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Frame()));
}

void ShellTest::TearDown() {
    app.reset();
    ProcessEvents();
    guard.reset();
    EXPECT_TRUE(prompt.answers.empty()) << "answers left unused";
    EXPECT_TRUE(dialogs.dialogScripts.empty()) << "a scripted dialog never came";
}

QString ShellTest::DataFile(const std::string& name, const std::string& contents) const {
    return QString::fromStdString(dir.Write(name, contents));
}

QAction* ShellTest::Action(int id) const { return Frame().Action(id); }

bool ShellTest::Enabled(int id) const {
    Frame().UpdateCommandUI();
    QAction* action = Action(id);
    return action != nullptr && action->isEnabled();
}

void ShellTest::Run(int id) {
    Frame().UpdateCommandUI();
    Action(id)->trigger();
    ProcessEvents();
}

CLumoxView* ShellTest::Results() const {
    DocumentWindows* document = app->Document();
    return document ? dynamic_cast<CLumoxView*>(document->FindView(ViewKind::Results)) : nullptr;
}

void ShellTest::ProcessEvents() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace lumox::test
