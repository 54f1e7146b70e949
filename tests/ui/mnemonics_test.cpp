// Alt and a letter must reach one control: a letter two controls share only moves the
// focus between them and never checks a box or presses a button.
#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <map>
#include <memory>

#include "dialog_test_support.h"
#include "ui/about_dlg.h"
#include "ui/descriptive_statistics_dialog.h"
#include "ui/edit_data_dialog.h"
#include "ui/graph_options_dlg.h"
#include "ui/graph_select_dlg.h"
#include "ui/histogram_dialog.h"
#include "ui/point_estimate_dialog.h"
#include "ui/record_reports_dialog.h"
#include "ui/simple_regression_dialog.h"

namespace lumox::test {
namespace {

// The letter after a single '&', lower case; 0 for none.
QChar Mnemonic(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&')) continue;
        if (text[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return text[i + 1].toLower();
    }
    return QChar();
}

// Each letter with the texts that claim it, over the dialog's buttons, labels and groups.
std::map<QChar, QStringList> Claims(const QWidget& dialog) {
    std::map<QChar, QStringList> claims;
    auto claim = [&](const QString& text) {
        const QChar letter = Mnemonic(text);
        if (!letter.isNull()) claims[letter].append(text);
    };
    for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
        claim(button->text());
    }
    for (const QLabel* label : dialog.findChildren<QLabel*>()) claim(label->text());
    for (const QGroupBox* group : dialog.findChildren<QGroupBox*>()) claim(group->title());
    return claims;
}

using Mnemonics = DialogTest;

TEST_F(Mnemonics, NoTwoControlsOfADialogShareALetter) {
    CLumoxDoc& doc = OpenExample("tab21.dat");
    SimpleRegression simple(doc);
    simple.SetX(0);
    simple.SetY(1);
    simple.m_nSelectedModel = 0;
    ASSERT_EQ(simple.Calculate(), 0);
    std::vector<std::string> lines = {"A B", "1 2"};

    std::vector<std::unique_ptr<QWidget>> dialogs;
    dialogs.emplace_back(std::make_unique<DescriptiveStatisticsDialog>(doc));
    dialogs.emplace_back(std::make_unique<HistogramDialog>(doc.Data()));
    dialogs.emplace_back(std::make_unique<SimpleRegressionDialog>(doc, this->dialogs));
    dialogs.emplace_back(std::make_unique<PointEstimateDialog>(doc));
    dialogs.emplace_back(std::make_unique<RecordReportsDialog>(false));
    dialogs.emplace_back(std::make_unique<CGraphSelectDlg>(doc, 4));
    dialogs.emplace_back(std::make_unique<CGraphOptionsDlg>(doc));
    dialogs.emplace_back(std::make_unique<CEditDataDialog>(lines, 2, 2));
    dialogs.emplace_back(std::make_unique<CAboutDlg>());
    // The graph dialogs give every label, check box and button a letter of its own.
    for (size_t k : {5u, 6u}) {
        for (const QAbstractButton* button : dialogs[k]->findChildren<QAbstractButton*>())
            EXPECT_FALSE(Mnemonic(button->text()).isNull()) << button->text().toStdString();
        for (const QLabel* label : dialogs[k]->findChildren<QLabel*>()) {
            if (label->buddy() != nullptr) {
                EXPECT_FALSE(Mnemonic(label->text()).isNull()) << label->text().toStdString();
            }
        }
    }
    for (const auto& dialog : dialogs) {
        for (const auto& [letter, texts] : Claims(*dialog)) {
            EXPECT_EQ(texts.size(), 1)
                << dialog->windowTitle().toStdString() << ": '" << QString(letter).toStdString()
                << "' in " << texts.join(QStringLiteral(", ")).toStdString();
        }
    }
}

}  // namespace
}  // namespace lumox::test
