#ifndef LUMOX_SETUP_SETUP_WINDOW_H
#define LUMOX_SETUP_SETUP_WINDOW_H

class QWidget;

namespace lumox::setup {

// Gives an installer window its title and grey face, and places it centred across the
// screen at one third of the free height.
void PrepareSetupWindow(QWidget* window);

}  // namespace lumox::setup

#endif
