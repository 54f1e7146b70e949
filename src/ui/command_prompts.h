#ifndef LUMOX_UI_COMMAND_PROMPTS_H
#define LUMOX_UI_COMMAND_PROMPTS_H

namespace lumox {

// The status-bar text while nothing else is shown.
constexpr const char* kIdlePrompt = "For Help, press F1";

// The status-bar prompt of a command id; an empty text for an id without one.
const char* CommandPrompt(int id);

}  // namespace lumox

#endif
