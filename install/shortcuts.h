// Shortcut installation. Started with a command line that ends in "SETUP",
// the program opens no window: it puts a shortcut to itself on the current
// user's Desktop and a program group with shortcuts to itself and to its
// help (the one the system can show) in the user's Start Menu, reports the
// outcome and ends. The program and its help files are those of the
// program's own folder, which also becomes the links' working directory.
#ifndef WORDLOFT_INSTALL_SHORTCUTS_H
#define WORDLOFT_INSTALL_SHORTCUTS_H

#include <windows.h>

#include <cstdint>

// Failed shortcut steps of this run; 0 at program start.
extern int16_t ShortcutErrorCount;

// 1 when it got as far as creating shortcuts; 0 when the program's folder
// or the other folder names are too long for the shortcut texts or OLE
// cannot be initialised (each reported in a message box).
int16_t InstallShortcuts();

// Saves a shell link at linkPath pointing at target, with the description
// and (when not empty) the working directory. Returns the result of the
// save; every failed step is counted and, except for creating the link
// object, reported in a message box.
HRESULT CreateShortcut(const wchar_t* target, const wchar_t* linkPath, const wchar_t* description,
                       const wchar_t* workingDirectory);

#endif
