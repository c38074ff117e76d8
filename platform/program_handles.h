// The program's own handles, which every part of the window shell uses:
// the program instance, the main window and the product title. Set by
// start-up (app/); read everywhere.
#ifndef WORDLOFT_PLATFORM_PROGRAM_HANDLES_H
#define WORDLOFT_PLATFORM_PROGRAM_HANDLES_H

#include <windows.h>

extern HINSTANCE ProgramInstance;
extern HWND MainWindow;
// "Wordloft", string 103: the caption of the window and of message boxes.
extern char ProductTitle[100];

#endif
