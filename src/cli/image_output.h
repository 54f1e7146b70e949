#ifndef LUMOX_CLI_IMAGE_OUTPUT_H
#define LUMOX_CLI_IMAGE_OUTPUT_H

#include <string>

#include "platform/diagnostics.h"

namespace lumox {
class CLumoxDoc;
}

namespace lumox::cli {

// Draws the document's graph page into path (.png, .svg or .pdf) with the program's own
// drawing, on Qt's offscreen platform, so no display is needed. False when no file was
// written; what the drawing and the writing have to tell goes to said.
bool WriteGraphImage(CLumoxDoc& doc, const std::string& path, Diagnostics& said);

// Ends the graphics that WriteGraphImage started; called before the program exits.
void CloseGraphics();

}  // namespace lumox::cli

#endif
