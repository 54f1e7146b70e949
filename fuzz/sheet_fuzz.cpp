// The spreadsheet readers on arbitrary bytes, read as an .xlsx and as an .ods book: each
// either refuses with a message or lists sheets whose reading refuses with a message or
// gives a data set that holds together; nothing throws.
#include <cstddef>
#include <cstdint>
#include <string>

#include "data/data_set.h"
#include "data/sheet_file.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    const std::string file(reinterpret_cast<const char*>(bytes), size);
    for (const lumox::SheetFileKind kind : {lumox::SheetFileKind::Xlsx, lumox::SheetFileKind::Ods}) {
        lumox::SpreadsheetBook book;
        lumox::Diagnostics said;
        if (!book.Open(file, kind, "book", said)) {
            lumox::fuzz::CheckRefusalSaid(said);
            continue;
        }
        // A few sheets are enough: each is read by the same code.
        for (size_t sheet = 0; sheet < book.SheetNames().size() && sheet < 4; ++sheet) {
            lumox::DataSet data;
            lumox::Diagnostics read;
            if (book.ReadSheet(sheet, data, read)) {
                lumox::fuzz::CheckDataSet(data);
            } else {
                lumox::fuzz::CheckRefusalSaid(read);
            }
        }
    }
    return 0;
}
