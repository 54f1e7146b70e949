// Spreadsheet books packed here part by part: what other programs' libraries do not
// write, and what a damaged or hostile file holds.
#include "data/sheet_file.h"

#include <gtest/gtest.h>
#include <zip.h>

#include <map>

#include "data/data_set.h"
#include "support/data_listing.h"
#include "support/scripted_prompt.h"

namespace lumox {
namespace {

using test::Listing;
using test::Message;
using test::ReadText;
using Parts = std::map<std::string, std::string>;

// The parts packed as a zip archive, deflated or stored.
std::string Pack(const Parts& parts, bool stored = false) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_source_keep(buffer);
    zip_t* zip = zip_open_from_source(buffer, ZIP_TRUNCATE, &error);
    for (const auto& [name, text] : parts) {
        zip_source_t* part = zip_source_buffer(zip, text.data(), text.size(), 0);
        const zip_int64_t index = zip_file_add(zip, name.c_str(), part, ZIP_FL_OVERWRITE);
        if (stored)
            zip_set_file_compression(zip, static_cast<zip_uint64_t>(index), ZIP_CM_STORE, 0);
    }
    zip_close(zip);
    zip_source_open(buffer);
    zip_source_seek(buffer, 0, SEEK_END);
    std::string bytes(static_cast<size_t>(zip_source_tell(buffer)), '\0');
    zip_source_seek(buffer, 0, SEEK_SET);
    zip_source_read(buffer, bytes.data(), bytes.size());
    zip_source_close(buffer);
    zip_source_free(buffer);
    zip_error_fini(&error);
    return bytes;
}

// An .xlsx book of one sheet "S" whose part is found by a relative target.
Parts Xlsx(const std::string& sheetData, const std::string& sharedStrings = "") {
    const std::string main = "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"";
    const std::string rels = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
    Parts parts = {
        {"_rels/.rels", "<Relationships><Relationship Id=\"r\" Type=\"" + rels +
                            "/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>"},
        {"xl/workbook.xml", "<workbook " + main + " xmlns:r=\"" + rels +
                                "\"><sheets><sheet name=\"S\" r:id=\"a\"/></sheets></workbook>"},
        {"xl/_rels/workbook.xml.rels",
         "<Relationships><Relationship Id=\"a\" Type=\"" + rels +
             "/worksheet\" Target=\"sheets/../worksheets/one.xml\"/><Relationship Id=\"b\" "
             "Type=\"" +
             rels + "/sharedStrings\" Target=\"strings.xml\"/></Relationships>"},
        {"xl/worksheets/one.xml",
         "<worksheet " + main + "><sheetData>" + sheetData + "</sheetData></worksheet>"},
    };
    if (!sharedStrings.empty())
        parts["xl/strings.xml"] = "<sst " + main + ">" + sharedStrings + "</sst>";
    return parts;
}

// An .ods book of one sheet "S" with the rows given.
Parts Ods(const std::string& rows) {
    return {
        {"content.xml",
         "<office:document-content "
         "xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
         "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
         "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\" "
         "xmlns:calcext=\"urn:org:documentfoundation:names:experimental:calc:xmlns:calcext:1.0\">"
         "<office:body><office:spreadsheet><table:table table:name=\"S\">" +
             rows + "</table:table></office:spreadsheet></office:body></office:document-content>"}};
}

std::string Cell(const std::string& value, const std::string& more = "") {
    return "<table:table-cell office:value-type=\"float\" office:value=\"" + value + "\"" + more +
           "><text:p>" + value + "</text:p></table:table-cell>";
}
std::string Text(const std::string& text, const std::string& more = "") {
    return "<table:table-cell office:value-type=\"string\"" + more + "><text:p>" + text +
           "</text:p></table:table-cell>";
}
std::string Row(const std::string& cells, const std::string& more = "") {
    return "<table:table-row" + more + ">" + cells + "</table:table-row>";
}

TEST(SheetFile, ReadsBooksAsTheirSheetsShowThem) {
    struct Case {
        const char* name;
        SheetFileKind kind;
        std::string bytes;
        std::string text;  // the same data as a text data file, or empty when refused
        std::vector<Message> said;
    };
    const std::string names =
        "<row><c t=\"inlineStr\"><is><t>a</t></is></c><c t=\"s\"><v>0</v></c></row>";
    const Case cases[] = {
        {"cells and rows without references follow the ones before",
         SheetFileKind::Xlsx,
         Pack(Xlsx(names +
                       "<row r=\"3\"><c><v>1</v></c><c r=\"B3\"><v>2</v></c></row>"
                       "<row><c r=\"A4\" t=\"str\"><f>A3*3</f><v>3</v></c><c><v>4E0</v></c></row>",
                   "<si><r><t>b</t></r><r><t>c</t></r><rPh><t>phonetic</t></rPh></si>")),
         "a bc\n1 2\n3 4\n",
         {}},
        {"a #N/A error leaves its row out",
         SheetFileKind::Xlsx,
         Pack(Xlsx(names + "<row><c t=\"e\"><v>#N/A</v></c><c><v>1</v></c></row>"
                           "<row><c><v>1</v></c><c><v>2</v></c></row>"
                           "<row><c><v>3</v></c><c><v>4</v></c></row>",
                   "<si><t>b</t></si>")),
         "a b\n1 2\n3 4\n",
         {{"1 row with missing values left out: 2", Icon::Information}}},
        {"a boolean is no number",
         SheetFileKind::Xlsx,
         Pack(Xlsx(names + "<row><c><v>1</v></c><c t=\"b\"><v>1</v></c></row>",
                   "<si><t>b</t></si>")),
         "",
         {{"Data File: S!B2 is not a number!", Icon::Stop}}},
        {"shared string the book lacks",
         SheetFileKind::Xlsx,
         Pack(Xlsx(names)),
         "",
         {{"Data File: book is damaged: xl/worksheets/one.xml names shared strings the book "
           "lacks!",
           Icon::Stop}}},
        {"repeats: empty ones cost nothing, full ones count",
         SheetFileKind::Ods,
         Pack(Ods(
             Row(Text("x") + Text("y", " table:number-columns-repeated=\"1\"")) +
             Row("<table:table-cell table:number-columns-repeated=\"16000\"/>",
                 " table:number-rows-repeated=\"1000000\"") +
             Row(Cell("2", " table:number-columns-repeated=\"2\"") + "<table:covered-table-cell/>",
                 " table:number-rows-repeated=\"2\"") +
             // A formula's error: the value beside it is not the cell's.
             Row(Cell("5") + "<table:table-cell office:value-type=\"float\" "
                             "office:value=\"0\" calcext:value-type=\"error\">"
                             "<text:p>#DIV/0!</text:p></table:table-cell>"))),
         "",
         {{"Data File: S!B1000004 is not a number!", Icon::Stop}}},
        {"spans, annotations and covered cells",
         SheetFileKind::Ods,
         Pack(Ods(Row(Text("<text:span>x</text:span>1") + Text("y") +
                      "<table:covered-table-cell/><table:table-cell><office:annotation>"
                      "<text:p>a note</text:p></office:annotation></table:table-cell>") +
                  Row(Cell("1") + Cell("2")) + Row(Cell("3") + Cell("4")))),
         "x1 y\n1 2\n3 4\n",
         {}},
        {"a value repeated far past the last name",
         SheetFileKind::Ods,
         Pack(Ods(Row(Text("x")) + Row(Cell("1", " table:number-columns-repeated=\"16384\"")))),
         "",
         {{"Data File: S!B2 lies beyond the last named column!", Icon::Stop}}},
        {"a full row repeated past any data set",
         SheetFileKind::Ods,
         Pack(Ods(Row(Text("x")) + Row(Cell("1"), " table:number-rows-repeated=\"1000000000\""))),
         "",
         {{"Data File: too large for matrix!", Icon::Stop}}},
        {"no zip archive",
         SheetFileKind::Xlsx,
         "x,y\n1,2\n",
         "",
         {{"Data File: book is damaged: it is no zip archive, as every spreadsheet is!",
           Icon::Stop}}},
        {"a document type declaration",
         SheetFileKind::Ods,
         Pack({{"content.xml", "<!DOCTYPE x [<!ENTITY a \"aaaa\">]><x>&a;</x>"}}),
         "",
         {{"Data File: book is damaged: content.xml holds a document type declaration!",
           Icon::Stop}}},
    };
    for (const Case& c : cases) {
        Diagnostics said;
        SpreadsheetBook book;
        DataSet set;
        const bool read = book.Open(c.bytes, c.kind, "book", said) && book.ReadSheet(0, set, said);
        EXPECT_EQ(read, !c.text.empty()) << c.name;
        if (read) {
            EXPECT_EQ(Listing(set), Listing(ReadText(c.text))) << c.name;
        }
        EXPECT_EQ(said.Items(), c.said) << c.name;
    }
}

// Little-endian fields written into bytes at an offset, as zip records hold them.
void Put(std::string& bytes, size_t at, uint64_t value, int size) {
    for (int k = 0; k < size; ++k) {
        bytes[at + static_cast<size_t>(k)] = static_cast<char>(value >> (8 * k));
    }
}
uint64_t Get(const std::string& bytes, size_t at, int size) {
    uint64_t value = 0;
    for (int k = size; k-- > 0;) {
        value = value << 8 | static_cast<unsigned char>(bytes[at + static_cast<size_t>(k)]);
    }
    return value;
}
std::string Field(uint64_t value, int size) {
    std::string bytes(static_cast<size_t>(size), '\0');
    Put(bytes, 0, value, size);
    return bytes;
}

// A one-part archive rewritten with the 64-bit records of large archives: its directory
// entry's sizes and offset in an extra field, its counts and place in a 64-bit end record.
std::string Zip64(const std::string& packed) {
    const size_t end = packed.size() - 22;
    const size_t directory = packed.find("PK\x01\x02");
    const size_t nameLength = static_cast<unsigned char>(packed[directory + 28]);
    std::string entry = packed.substr(directory, 46 + nameLength);
    for (const size_t at : {20u, 24u, 42u}) Put(entry, at, 0xFFFFFFFF, 4);
    Put(entry, 30, 28, 2);
    entry += Field(1, 2) + Field(24, 2) + Field(Get(packed, directory + 24, 4), 8) +
             Field(Get(packed, directory + 20, 4), 8) + Field(Get(packed, directory + 42, 4), 8);
    std::string bytes = packed.substr(0, directory) + entry;
    const size_t end64 = bytes.size();
    bytes += Field(0x06064b50, 4) + Field(44, 8) + Field(45, 2) + Field(45, 2) + Field(0, 8) +
             Field(1, 8) + Field(1, 8) + Field(entry.size(), 8) + Field(directory, 8);
    bytes += Field(0x07064b50, 4) + Field(0, 4) + Field(end64, 8) + Field(1, 4);
    std::string record = packed.substr(end, 22);
    Put(record, 8, 0xFFFF, 2);
    Put(record, 10, 0xFFFF, 2);
    Put(record, 12, 0xFFFFFFFF, 4);
    Put(record, 16, 0xFFFFFFFF, 4);
    return bytes + record;
}

// What a reader gets of an archive's part "a.xml": stored or deflated, with the sizes of a
// writer that streams (only in the directory), in 64-bit records, and damaged.
TEST(SheetFile, PartsAreUnpackedWholeOrRefused) {
    const std::string text = "<a>" + std::string(5000, 'x') + "</a>";
    const std::string deflated = Pack({{"a.xml", text}});
    const std::string stored = Pack({{"a.xml", text}}, true);
    const auto changed = [](std::string bytes, size_t at, char byte) {
        bytes[at] = byte;
        return bytes;
    };
    std::string streamed = deflated;
    for (const size_t at : {14u, 18u, 22u}) Put(streamed, at, 0, 4);  // local crc and sizes
    const struct {
        const char* name;
        std::string bytes;
        bool opens;
        PartRead read;
    } cases[] = {
        {"deflated", deflated, true, PartRead::Read},
        {"stored", stored, true, PartRead::Read},
        {"sizes only in the directory", streamed, true, PartRead::Read},
        {"64-bit records", Zip64(deflated), true, PartRead::Read},
        {"64-bit records, stored", Zip64(stored), true, PartRead::Read},
        {"a stored byte changed", changed(stored, 40, 'y'), true, PartRead::Damaged},
        {"a packed byte changed", changed(deflated, 42, '\x7f'), true, PartRead::Damaged},
        {"packed with an unknown method",
         changed(changed(deflated, 8, 99), deflated.find("PK\x01\x02") + 10, 99), true,
         PartRead::Damaged},
        {"cut short", deflated.substr(0, deflated.size() - 30), false, PartRead::Missing},
        {"no directory", deflated.substr(0, deflated.find("PK\x01\x02")), false, PartRead::Missing},
        {"empty", "", false, PartRead::Missing},
    };
    for (const auto& c : cases) {
        ZipArchive zip;
        EXPECT_EQ(zip.Open(c.bytes), c.opens) << c.name;
        std::string got;
        EXPECT_EQ(zip.Read("a.xml", 1 << 20,
                           [&got](std::string_view bytes) {
                               got += bytes;
                               return true;
                           }),
                  c.read)
            << c.name;
        if (c.read == PartRead::Read) {
            EXPECT_EQ(got, text) << c.name;
        }
    }
}

TEST(SheetFile, APartIsUnpackedNoFurtherThanAllowed) {
    ZipArchive zip;
    ASSERT_TRUE(zip.Open(Pack({{"big.xml", std::string(100000, 'a')}})));
    size_t taken = 0;
    const auto take = [&taken](std::string_view bytes) {
        taken += bytes.size();
        return true;
    };
    EXPECT_EQ(zip.Read("big.xml", 99999, take), PartRead::TooLarge);
    EXPECT_EQ(taken, 0u);  // refused by its declared size before any byte is unpacked
    EXPECT_EQ(zip.Read("BIG.XML", 100000, take), PartRead::Read);
    EXPECT_EQ(taken, 100000u);
    EXPECT_EQ(zip.Read("small.xml", 10, take), PartRead::Missing);
    EXPECT_EQ(SheetFileKindOf("dir.ods/Book.XLSX"), SheetFileKind::Xlsx);
    EXPECT_EQ(SheetFileKindOf("a.Ods"), SheetFileKind::Ods);
    EXPECT_EQ(SheetFileKindOf("a.xls"), std::nullopt);
    EXPECT_EQ(SheetFileKindOf("book.ods/data"), std::nullopt);
}

}  // namespace
}  // namespace lumox
