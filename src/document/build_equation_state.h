#ifndef LUMOX_DOCUMENT_BUILD_EQUATION_STATE_H
#define LUMOX_DOCUMENT_BUILD_EQUATION_STATE_H

#include <array>
#include <functional>
#include <string>

#include "document/recording.h"
#include "platform/diagnostics.h"
#include "regression/equation_model.h"

namespace lumox {

class CLumoxDoc;

// The Build Equation window without its widgets: the equation being built, what its
// read-only fields and choice lists show, and when Record may run. The window shows these
// members and forwards clicks and choices; everything it decides lives here.
class BuildEquationState {
public:
    static constexpr int kEntries = EquationModel::kEntries;

    explicit BuildEquationState(CLumoxDoc& document);

    // Told when fields change in the middle of a step, before a message: the window shows
    // them at once.
    void OnFieldsChanged(std::function<void()> shown) { m_fieldsChanged = std::move(shown); }

    // The window is shown: Record off, entry y selected.
    void InitialUpdate();
    // Whether the radio button of entry (0 = y) is enabled: an equation never gets as many
    // terms as the data set has observations.
    bool IsEntryEnabled(int entry) const;

    // A radio button: makes entry current and fills both lists for it. An entry behind the
    // first empty one empties the lists and changes nothing else; an entry outside y .. x9
    // shows 32795. False when the entry was not selected.
    bool SelectEntry(int entry);
    // Item of the variable list chosen: the entry's variable, its transform cleared.
    void ChooseVariable(int item);
    // Item of the transform list chosen; -1 (no item) does nothing.
    void ChooseTransform(int item);

    // Calculate: compacts the equation (emptying the fields of the entries it cleared, then
    // telling OnFieldsChanged), fits it as the document's fit and on success shows the standard
    // error and R square. 0 on success, 1 after a message. Record stays off unless it succeeds.
    int Calculate();
    // Whether the document still holds the fit made by this window's last Calculate.
    bool CanRecord() const;
    // Record with the chosen flags and confidence level (percent).
    void Record(const ReportKinds& reports, double level);
    // An equation typed as text: read as lumox-cli reads it (the same refusals, shown), then
    // its entries chosen one by one, as if by the radio buttons and lists. False when the
    // text was refused; the equation is then as it was.
    bool TypeEquation(const std::string& text);
    // An equation kept from an earlier run, chosen as TypeEquation chooses it; a text the
    // data no longer fit (a variable gone) is passed over without a word. False then.
    bool RestoreEquation(const std::string& text);
    // The equation's entries as text that TypeEquation reads back.
    std::string EquationText() const;
    // Clear Equation: every entry and field empty, Record off, y selected.
    void ClearEquation();
    // Default Data: the last usable column as y, the constant, the other columns as x
    // terms. False after 32797 when the data set has 11 or more variables.
    bool DefaultData();
    // The window closes: the equation is emptied and the document forgets its fit.
    void Close();

    const EquationModel& Equation() const { return m_equation; }

    std::array<std::string, kEntries> m_astrVariable;   // the variable fields
    std::array<std::string, kEntries> m_astrTransform;  // the transform fields
    std::string m_strStandardError;
    std::string m_strRSquare;
    ChoiceList<TermFactor> m_variableList;
    ChoiceList<Transform> m_transformList;
    int m_nSelectedEntry = 0;  // the entry whose radio button is checked, which the lists change

private:
    // Reads the text as lumox-cli does and chooses its entries; false, with the reason in
    // said, when it was refused.
    bool ChooseEquation(const std::string& text, Diagnostics& said);
    // Chooses the entries of an equation one by one, as the radio buttons and lists would.
    void ChooseEntries(const EquationModel& typed);
    // Empties the fields of entries first .. x9.
    void EmptyEntries(int first);

    CLumoxDoc& m_document;
    std::function<void()> m_fieldsChanged;
    EquationModel m_equation;
    bool m_bFitted = false;  // the last Calculate succeeded
    unsigned m_nFitSerial = 0;
};

}  // namespace lumox

#endif
