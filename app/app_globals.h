// Handles shared by the window shell: the program instance, the main
// window and the product title. Set by start-up; read everywhere.
#ifndef WORDLOFT_APP_APP_GLOBALS_H
#define WORDLOFT_APP_APP_GLOBALS_H

#include <windows.h>

extern HINSTANCE ProgramInstance;
extern HWND MainWindow;
// "Wordloft", string 103: the caption of the window and of message boxes.
extern char ProductTitle[100];

#endif
