// The About box: the program's picture in a small modal dialog.
#ifndef WORDLOFT_APP_ABOUT_BOX_H
#define WORDLOFT_APP_ABOUT_BOX_H

#include <windows.h>

// Runs the About box, owned by the main window; returns the command that
// closed it (a click on the picture, or Cancel).
INT_PTR ShowAboutBox();

#endif
