// The help file "wlthelp.hlp" beside the program, opened through the
// platform's help viewer. With no viewer or no file the requests fail
// quietly.
#ifndef WORDLOFT_APP_HELP_H
#define WORDLOFT_APP_HELP_H

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
// How to use the help viewer itself.
void ShowHelpOnHelp();
// Tells the help viewer the program is done with its file.
void QuitHelp();

#endif
