// Message boxes and dialogs of the program, seen from outside: finding them,
// reading their texts and pressing their buttons.
#ifndef WORDLOFT_TESTS_DIALOGS_H
#define WORDLOFT_TESTS_DIALOGS_H

#include <windows.h>

#include <string>

// A visible dialog window ("#32770") of the process; with a caption given,
// only one with exactly that caption. Waits up to timeoutMs.
HWND WaitForDialog(DWORD processId, const char* caption, DWORD timeoutMs);

// The visible dialog of the process, if any, without waiting.
HWND FindAnyDialog(DWORD processId);
// The dialog that has the input: the topmost visible one that is enabled
// (a dialog under another one of the process is disabled).
HWND FindInputDialog(DWORD processId);
// How many dialogs of the process have the caption, shown or not yet (a
// dialog is shown once its message loop first waits).
int CountDialogs(DWORD processId, const char* caption);

// Waits until the dialog window is gone.
bool WaitForDialogGone(HWND dialog, DWORD timeoutMs);

std::string WindowText(HWND window);
// The message of a message box: the text of its Static child that has one.
std::string MessageBoxText(HWND box);
std::string ItemText(HWND dialog, int id);
bool SetItemText(HWND dialog, int id, const std::string& text);
// The button's check state (BM_GETCHECK).
int ButtonCheck(HWND dialog, int id);

// Presses a button as a click would, queued (WM_COMMAND with BN_CLICKED).
void PressButton(HWND dialog, int id);

// "caption: text" of a dialog, for failure messages.
std::string DescribeDialog(HWND dialog);

// Closes a dialog nobody expected: a name dialog gets a name, other dialogs
// get Cancel, then No, then OK until they go.
void DismissDialog(HWND dialog);

#endif
