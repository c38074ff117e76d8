// Input as the keyboard and the mouse give it (SendInput): it reaches the
// program through the system's input queue, as a player's does, rather
// than as messages posted to its window.
#ifndef WORDLOFT_TESTS_REAL_INPUT_H
#define WORDLOFT_TESTS_REAL_INPUT_H

#include <windows.h>

#include "program.h"

// A key pressed and released; false when the system refused the input.
bool PressKey(WORD virtualKey);
// The pointer moved to a point of the screen.
bool MovePointer(POINT screen);
// The primary button pressed or released where the pointer is.
bool PressPrimaryButton(bool down);
// The wheel turned by clicks (negative: towards the player).
bool TurnWheel(int clicks);
// A click at a point of the screen: moved there, pressed, released.
bool ClickAt(POINT screen);

// A point of the main window's frame where it answers WM_NCHITTEST with
// the hit code (HTCLOSE, HTMENU, HTCAPTION...), the first one found
// scanning from the left of its top rows; false when there is none.
bool FramePoint(const Program& program, LRESULT hit, POINT& screen);

#endif
