#ifndef LUMOX_UI_RECORD_CHOICE_H
#define LUMOX_UI_RECORD_CHOICE_H

#include <functional>
#include <optional>

#include "document/recording.h"

class QWidget;

namespace lumox {

// What the person chose to record of a fit: the reports and the confidence level (percent)
// of the interval report.
struct RecordChoice {
    RecordFlags flags{};
    double level = 95.0;
};

// Asks which reports of the fit to record; no value when the person cancels.
using AskRecordChoice = std::function<std::optional<RecordChoice>(QWidget* owner)>;

// A plain modal question: the five regression reports and the level.
std::optional<RecordChoice> AskRecordChoiceDialog(QWidget* owner);

}  // namespace lumox

#endif
