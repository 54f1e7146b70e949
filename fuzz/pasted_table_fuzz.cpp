// The Edit Data dialog's clipboard text on arbitrary bytes: it is either refused with a
// message or taken as a table. A taken table, put into the grid and confirmed there, is
// saved as the data file the dialog writes and read back by the data file reader: the
// data set must equal the grid's cells, name for name and value for value.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "data/data_rules.h"
#include "data/data_set.h"
#include "data/grid_data.h"
#include "data/pasted_table.h"
#include "fuzz_support.h"

namespace {

// Aborts unless data holds exactly the grid's cells.
void CheckSameTable(const lumox::CGridData& grid, const lumox::DataSet& data) {
    const int rows = grid.GetRowCount() - 1;
    const int columns = grid.GetColumnCount();
    if (static_cast<int>(data.Rows()) != rows || static_cast<int>(data.Cols()) != columns)
        std::abort();
    for (int column = 1; column <= columns; ++column) {
        const std::string name = grid.GetCell(0, column).substr(0, lumox::kMaxNameLength);
        if (data.GetColName(static_cast<uint32_t>(column - 1)) != name) std::abort();
        for (int row = 1; row <= rows; ++row) {
            double value = 0.0;
            if (lumox::CheckValue(grid.GetCell(row, column), value) != lumox::CellFault::None)
                std::abort();
            const double read = data.GetData().At(static_cast<uint32_t>(row - 1),
                                               static_cast<uint32_t>(column - 1));
            if (read != value) std::abort();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    const std::string text(reinterpret_cast<const char*>(bytes), size);
    std::vector<std::string> pasted;
    int columns = 0;
    lumox::Diagnostics said;
    const lumox::ReadStatus status =
        lumox::ReadPastedTable(text, pasted, columns, lumox::NumericNames::Accepted, said);
    if (status != lumox::ReadStatus::Read) {
        lumox::fuzz::CheckRefusalSaid(said);
        return 0;
    }
    std::vector<std::string> lines;
    lumox::CGridData grid(lines);
    grid.Init(0, 0);
    grid.ReplaceAll(pasted, columns);
    int row = 0;
    int column = 0;
    lumox::Diagnostics problems;
    if (grid.Validate(row, column, problems)) {
        // The paste took only what the reader takes: the grid has nothing to refuse.
        std::abort();
    }
    std::ostringstream file;
    if (!lumox::WriteTextLines(lines, static_cast<size_t>(grid.GetRowCount()), file)) std::abort();
    std::istringstream saved(file.str());
    lumox::DataSet data;
    lumox::Diagnostics read;
    if (lumox::ReadTextDataFile(data, saved, lumox::NumericNames::Accepted, read) !=
        lumox::ReadStatus::Read)
        std::abort();
    lumox::fuzz::CheckDataSet(data);
    CheckSameTable(grid, data);
    return 0;
}
