// Small operations every part of the window shell uses: the arrow and
// hourglass cursors, centring a dialog, the clipboard and the Ctrl and
// Shift keys. The message boxes, string loads and the beep that the game
// also asks for are declared in game/requests.h and defined in
// utilities.cpp as well (its pauses are in platform/pauses.cpp, its region
// repaints in the scene's buffer, render/scene_buffer.cpp).
#ifndef WORDLOFT_PLATFORM_UTILITIES_H
#define WORDLOFT_PLATFORM_UTILITIES_H

#include <windows.h>

#include <cstdint>

#include "game/requests.h"

// Show the system arrow or hourglass; both return the cursor they replaced.
HCURSOR SetArrowCursor();
HCURSOR SetWaitCursor();

// Moves a dialog to the middle of the screen that shows the main window
// (by its client size, so it sits a caption's height below the true
// centre). Called as dialogs open.
void CentreDialog(HWND dialog);

// The window a message box belongs to: the program's active window, or,
// while another program is in front, the window in front of the main
// window (a dialog it opened, or the main window itself), so that no box
// of the program is ever without an owner while the game can be played
// behind it.
HWND FrontWindow();

// Puts a text on the clipboard as CF_TEXT. A busy clipboard is ignored; a
// memory failure beeps when sound is on.
void CopyTextToClipboard(const char* text);

// 1 while the key is held down at this moment, else 0.
int16_t IsControlDown();
int16_t IsShiftDown();

#endif
