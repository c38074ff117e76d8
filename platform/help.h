// The help beside the program: "wlthelp.hlp" in the platform's help viewer
// where the system has one (without the file those requests fail quietly),
// else the same help as a web page, "wlthelp.htm", in the player's browser
// (a missing page is reported).
#ifndef WORDLOFT_PLATFORM_HELP_H
#define WORDLOFT_PLATFORM_HELP_H

#include <windows.h>

constexpr int kHelpFilePathSize = 128;
extern char HelpFilePath[kHelpFilePathSize];

// The help file's full path: the program's directory and "wlthelp.hlp",
// or "?" in place of the name when it would not fit.
void BuildHelpFilePath(char* buffer);

// The help index (the Index command and F1).
void ShowHelpIndex();
// The page on entering and editing words (the word dialogs' Help buttons).
void ShowWordEntryHelp();
// How to use the help viewer itself; in a browser, the help's contents.
void ShowHelpOnHelp();
// Tells the help viewer, if the program used one, that it is done with its
// file.
void QuitHelp();

#endif
