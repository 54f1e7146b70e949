#ifndef LUMOX_UI_RESULTS_PRINTING_H
#define LUMOX_UI_RESULTS_PRINTING_H

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QStringList>

class QPrinter;

namespace lumox {

class CLumoxDoc;

// "Courier New", 10 points: the Results window's font on screen and on paper.
QFont ResultsFont();

// Where things go on a printed Results page, in device pixels from the paper's top-left
// corner: the text five eighths of an inch from the left, 7 inches wide, from three
// quarters of an inch to 10 inches down; the header one line down, the rule one and a
// half lines below it, the page number two lines below the text.
struct ResultsPageLayout {
    QRect text;
    int lineHeight = 0;
    QPoint header;  // top-left of the header line
    int ruleY = 0;
    QPoint pageNumber;    // top-left of the page number
    int headerWidth = 0;  // characters across the text
    int charsPerLine = 0;
    int linesPerPage = 0;
};

// The layout for a printer of dpiX by dpiY pixels per inch, a font of the given line
// height and average character width, on a page pageHeight pixels high. The text ends
// an inch above the paper's foot when the paper is shorter than 11 inches.
ResultsPageLayout LayoutResultsPage(int dpiX, int dpiY, int pageHeight, int lineHeight,
                                    int charWidth);

// The text as printed lines: tabs expanded to every 8th column, lines longer than
// charsPerLine broken after the last blank that fits (or at the width when none does).
QStringList BreakPrintedLines(const QString& text, int charsPerLine);

// Prints text with the page header of doc (BuildReportHeader), the rule and page
// numbers; honours the printer's page range. Returns the pages printed.
int PrintResultsText(QPrinter& printer, CLumoxDoc& doc, const QString& text);

}  // namespace lumox

#endif
