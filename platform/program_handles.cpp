// The program instance, the main window and the product title: defined
// here, at the bottom of the window shell, so that every dialog and panel
// can read them without standing on the program's entry.
#include "platform/program_handles.h"

HINSTANCE ProgramInstance = nullptr;
HWND MainWindow = nullptr;
char ProductTitle[100];
