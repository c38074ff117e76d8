// The main window's procedure, and the close that Exit shares with the
// window's own close box.
#ifndef WORDLOFT_APP_MAIN_WINDOW_H
#define WORDLOFT_APP_MAIN_WINDOW_H

#include <windows.h>

// Posted to the main window to open a list file that came from outside
// the game and waits (app/list_from_outside.h). (WM_APP + 1 is the
// announcer window's own message.)
constexpr UINT kOpenWaitingListMessage = WM_APP + 2;

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Offers the running winning streak to the scoreboard, then destroys the
// main window, which saves the preferences and ends the program.
void CloseMainWindow();

#endif
