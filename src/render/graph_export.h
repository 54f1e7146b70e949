#ifndef LUMOX_RENDER_GRAPH_EXPORT_H
#define LUMOX_RENDER_GRAPH_EXPORT_H

#include <QByteArray>
#include <QImage>
#include <string>

#include "platform/diagnostics.h"

namespace lumox {

class CLumoxDoc;

// The screen height the graph window's font rule assumes for exported pictures, so that a
// file looks the same wherever it is written.
constexpr int kExportScreenHeight = 768;

// Draws the document's graph page into a file chosen by its extension, in any letter case:
// ".png" a picture of the graph window's page at 96 pixels per inch, ".svg" the same as a
// vector drawing, ".pdf" the printed Letter page with its header line. The file is written
// whole or not at all. False when the extension is not one of these or the file cannot be
// written. What the drawing and the writing have to tell goes to said, in order. Needs a
// running QGuiApplication (for the fonts).
bool ExportGraphPage(CLumoxDoc& doc, const std::string& path, Diagnostics& said);

// The page as ExportGraphPage writes it into a ".png" file, and into a ".svg" file: for the
// clipboard.
QImage GraphPageImage(CLumoxDoc& doc, Diagnostics& said);
QByteArray GraphPageSvg(CLumoxDoc& doc, Diagnostics& said);

}  // namespace lumox

#endif
