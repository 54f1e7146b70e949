#ifndef LUMOX_REPORTS_INPUT_DATA_H
#define LUMOX_REPORTS_INPUT_DATA_H

#include <ctime>
#include <string>

namespace lumox {

class DataSet;

// Appends the INPUT DATA listing of the data set to out.
void WriteInputData(const DataSet& data, std::string& out);

// The report and page header line: "Lumox - Data File: <title>", blanks, then today's date
// (or date), for width characters.
std::string ComposeReportHeader(const std::string& title, int width);
std::string ComposeReportHeader(const std::string& title, int width, const std::tm& date);

}  // namespace lumox

#endif
