#ifndef LUMOX_REPORTS_DESCRIPTIVE_REPORT_H
#define LUMOX_REPORTS_DESCRIPTIVE_REPORT_H

#include <string>

namespace lumox {

class DescriptiveStatistics;

// Appends the DESCRIPTIVE STATISTICS report of the column named name to out, CR LF line
// ends.
void WriteDescriptiveReport(const DescriptiveStatistics& statistics, const std::string& name,
                            std::string& out);

}  // namespace lumox

#endif
