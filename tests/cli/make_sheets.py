"""Writes spreadsheets with other programs' libraries, for the tests to open.

Usage: make_sheets.py FOLDER. Each file is written only when its library is installed; the
names of the libraries missing are printed on standard output, one a line.

Every book's first sheet, "Doses", holds the same data (see DOSES); the tests compare what
the program reads from it with the same data's text file.
"""
import sys

DOSES = [
    ["Dose", "Response", "Weight"],
    [0.5, 1.25, 10],
    [2, -0.03, 1000000],
    [4, 4, 4],
    [4, 4, 4],
    [12.75, 1e-05, -7],
]


def openpyxl_book(folder):
    """Inline strings, absolute relationship targets, errors and empty cells."""
    import openpyxl

    book = openpyxl.Workbook()
    doses = book.active
    doses.title = "Doses"
    for row in DOSES:
        doses.append(row)
    gaps = book.create_sheet("Gaps")
    for row in [["x", "y"], [1, 2], [None, 5], [3, 4], ["NA", 1], [6, 8], [7, "#N/A"]]:
        gaps.append(row)
    text = book.create_sheet("Text")
    for row in [["x", "y"], [1, 2], [3, "three"], [5, 6]]:
        text.append(row)
    wide = book.create_sheet("Wide")
    for row in [["x", "y"], [1, 2], [3, 4, None, 9], [5, 6]]:
        wide.append(row)
    book.save(folder + "/openpyxl.xlsx")


def xlsxwriter_book(folder):
    """Shared strings (one name in rich-text runs), relative targets, a formula's value."""
    import xlsxwriter

    book = xlsxwriter.Workbook(folder + "/xlsxwriter.xlsx")
    doses = book.add_worksheet("Doses")
    doses.write_row(0, 0, DOSES[0][:2])
    doses.write_rich_string(0, 2, book.add_format({"bold": True}), "Wei", "ght")
    for r, row in enumerate(DOSES[1:], start=1):
        doses.write_row(r, 0, row)
    doses.write_formula(5, 0, "=A2*25.5", None, 12.75)
    book.close()


def odf_book(folder):
    """Repeated rows and columns, a percentage, a formula's value, LibreOffice's tail."""
    from odf.opendocument import OpenDocumentSpreadsheet
    from odf.table import Table, TableCell, TableRow
    from odf.text import P

    def cell(value, **extra):
        if isinstance(value, str):
            made = TableCell(valuetype="string", **extra)
        else:
            made = TableCell(valuetype="float", value=value, **extra)
        made.addElement(P(text=str(value)))
        return made

    def row(cells, **extra):
        made = TableRow(**extra)
        for c in cells:
            made.addElement(c)
        # A sheet program writes the empty rest of the row as one repeated cell.
        made.addElement(TableCell(numbercolumnsrepeated=1021))
        return made

    book = OpenDocumentSpreadsheet()
    doses = Table(name="Doses")
    doses.addElement(row([cell(name) for name in DOSES[0]]))
    half = TableCell(valuetype="percentage", value=0.5)
    half.addElement(P(text="50%"))
    doses.addElement(row([half, cell(1.25), cell(10)]))
    doses.addElement(row([cell(2), cell(-0.03), cell(1000000)]))
    doses.addElement(row([cell(4, numbercolumnsrepeated=3)], numberrowsrepeated=2))
    doses.addElement(row([cell(12.75, formula="of:=[.A2]*25.5"), cell(1e-05), cell(-7)]))
    doses.addElement(row([], numberrowsrepeated=1048570))
    book.spreadsheet.addElement(doses)
    notes = Table(name="Notes")
    notes.addElement(row([cell("made by odfpy")]))
    book.spreadsheet.addElement(notes)
    book.save(folder + "/odf.ods")


def main():
    folder = sys.argv[1]
    for module, write in [("openpyxl", openpyxl_book), ("xlsxwriter", xlsxwriter_book),
                          ("odf", odf_book)]:
        try:
            write(folder)
        except ImportError:
            print(module)


if __name__ == "__main__":
    main()
