#include "document/build_equation_state.h"

#include <algorithm>
#include <cstdint>

#include "document/build_equation.h"
#include "document/equation_text.h"
#include "document/lumox_doc.h"
#include "platform/format.h"
#include "platform/prompt.h"
#include "platform/strings.h"

namespace lumox {
namespace {

// The text a field shows for the chosen item of a list: nothing for item 0, "(None)".
template <typename Value>
std::string FieldText(const ChoiceList<Value>& list, int item) {
    return item == 0 ? std::string() : list[static_cast<size_t>(item)].text;
}

}  // namespace

BuildEquationState::BuildEquationState(CLumoxDoc& document) : m_document(document) {
    m_equation.ResetModel();
}

void BuildEquationState::InitialUpdate() {
    m_bFitted = false;
    SelectEntry(0);
}

bool BuildEquationState::IsEntryEnabled(int entry) const {
    return entry >= 0 && entry < kEntries && static_cast<uint32_t>(entry) < m_document.Rows();
}

bool BuildEquationState::SelectEntry(int entry) {
    if (entry < 0 || entry >= kEntries) {
        ShowMessage(ids::kIncorrectRadioButton, Icon::Stop);
        return false;
    }
    m_nSelectedEntry = entry;
    if (!m_equation.CanSelectEntry(entry)) {
        m_variableList.clear();
        m_transformList.clear();
        return false;
    }
    m_equation.FillVariableList(entry, m_variableList, m_document.Data().ColNames());
    m_equation.FillTransformList(entry, m_transformList);
    // x0 can only be the constant: it is chosen at once.
    if (entry == 1) ChooseVariable(1);
    return true;
}

void BuildEquationState::ChooseVariable(int item) {
    if (item < 0 || static_cast<size_t>(item) >= m_variableList.size()) return;
    const size_t entry = static_cast<size_t>(m_nSelectedEntry);
    m_equation.m_aTerms[entry] = Term{m_variableList[static_cast<size_t>(item)].value, Transform()};
    m_astrVariable[entry] = FieldText(m_variableList, item);
    m_astrTransform[entry].clear();
    m_equation.FillTransformList(m_nSelectedEntry, m_transformList);
}

void BuildEquationState::ChooseTransform(int item) {
    if (item < 0 || static_cast<size_t>(item) >= m_transformList.size()) return;
    const size_t entry = static_cast<size_t>(m_nSelectedEntry);
    m_astrTransform[entry] = FieldText(m_transformList, item);
    m_equation.m_aTerms[entry].transform = m_transformList[static_cast<size_t>(item)].value;
}

bool BuildEquationState::TypeEquation(const std::string& text) {
    Diagnostics said;
    const bool typed = ChooseEquation(text, said);
    Speak(said);
    return typed;
}

bool BuildEquationState::RestoreEquation(const std::string& text) {
    Diagnostics unsaid;
    return ChooseEquation(text, unsaid);
}

bool BuildEquationState::ChooseEquation(const std::string& text, Diagnostics& said) {
    const std::optional<EquationModel> typed = ReadEquationText(m_document.Data(), text, said);
    if (!typed) return false;
    ChooseEntries(*typed);
    return true;
}

void BuildEquationState::ChooseEntries(const EquationModel& typed) {
    ClearEquation();
    for (int entry = 0; entry < typed.m_nEntryCount; ++entry) {
        const Term& term = typed.m_aTerms[static_cast<size_t>(entry)];
        if (!SelectEntry(entry)) break;
        const auto variable = std::find_if(m_variableList.begin(), m_variableList.end(),
                                           [&term](const auto& item) { return item.value == term.factor; });
        if (variable == m_variableList.end()) break;
        ChooseVariable(static_cast<int>(variable - m_variableList.begin()));
        if (term.transform == Transform()) continue;
        const auto transform = std::find_if(m_transformList.begin(), m_transformList.end(),
                                            [&term](const auto& item) { return item.value == term.transform; });
        if (transform != m_transformList.end())
            ChooseTransform(static_cast<int>(transform - m_transformList.begin()));
    }
    SelectEntry(std::min(typed.m_nEntryCount, kEntries - 1));
}

std::string BuildEquationState::EquationText() const {
    return lumox::EquationText(m_equation, m_document.Data().FullNames());
}

void BuildEquationState::EmptyEntries(int first) {
    for (int entry = std::max(first, 0); entry < kEntries; ++entry) {
        m_astrVariable[static_cast<size_t>(entry)].clear();
        m_astrTransform[static_cast<size_t>(entry)].clear();
    }
    m_strStandardError.clear();
    m_strRSquare.clear();
}

int BuildEquationState::Calculate() {
    m_bFitted = false;
    // The entries behind a gap are emptied, and shown empty, before anything is said.
    const int gap = m_equation.CompactModel();
    if (gap >= 0) {
        EmptyEntries(gap);
        if (m_fieldsChanged) m_fieldsChanged();
    }
    const int result = CalculateEquation(m_document, m_equation);
    if (result != 0) return result;
    m_bFitted = true;
    m_nFitSerial = m_document.FitSerial();
    m_strStandardError = Format("%g", m_document.Fit().m_standardError);
    m_strRSquare = Format("%g", m_document.Fit().m_rSquare);
    return 0;
}

bool BuildEquationState::CanRecord() const {
    return m_bFitted && m_document.HasFit() && m_document.FitSerial() == m_nFitSerial;
}

void BuildEquationState::Record(const ReportKinds& reports, double level) {
    if (!CanRecord()) return;
    m_document.RecordRegressionReports(reports, level);
}

void BuildEquationState::ClearEquation() {
    m_equation.ResetModel();
    EmptyEntries(0);
    m_bFitted = false;
    SelectEntry(0);
}

bool BuildEquationState::DefaultData() {
    if (m_document.Cols() >= static_cast<uint32_t>(kEntries)) {
        ShowMessage(ids::kTooManyDataColumns, Icon::None);
        return false;
    }
    // At most one term fewer than observations; the enable rule of the command leaves at
    // least y and one x variable.
    const int64_t rows = m_document.Rows();
    const int k = static_cast<int>(std::min<int64_t>(m_document.Cols(), rows - 1));
    if (k >= 1) {
        m_equation.m_aTerms[0].factor = TermFactor::Variable(k - 1);
        m_astrVariable[0] = m_document.GetColName(static_cast<uint32_t>(k - 1));
        m_equation.m_aTerms[1].factor = TermFactor::Constant();
        m_astrVariable[1].assign(1, '1');  // not = "1": a false -Wrestrict of GCC 12
        for (int j = 0; j + 1 < k; ++j) {
            m_equation.m_aTerms[static_cast<size_t>(j + 2)].factor = TermFactor::Variable(j);
            m_astrVariable[static_cast<size_t>(j + 2)] =
                m_document.GetColName(static_cast<uint32_t>(j));
        }
    }
    SelectEntry(0);
    return true;
}

void BuildEquationState::Close() {
    m_equation.ResetModel();
    m_bFitted = false;
    m_document.ResetFit();
}

}  // namespace lumox
