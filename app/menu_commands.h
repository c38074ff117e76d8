// The menu and accelerator commands of the main window.
#ifndef WORDLOFT_APP_MENU_COMMANDS_H
#define WORDLOFT_APP_MENU_COMMANDS_H

// Runs a command; false for an id the main window has no command for
// (the window procedure then gives it the default handling).
bool RunMenuCommand(int command);

#endif
