// The help beside the program, shown by what the system can show:
// "wlthelp.hlp" in the platform's help viewer where Windows has one (before
// Vista; without the file those requests fail quietly), else the same help
// as a web page, "wlthelp.htm", in the player's browser (a missing page is
// reported).
#ifndef WORDLOFT_PLATFORM_HELP_H
#define WORDLOFT_PLATFORM_HELP_H

#include <windows.h>

#include <string>

constexpr int kHelpFilePathSize = 128;
extern wchar_t HelpFilePath[kHelpFilePathSize];

// The help file's full path: the program's directory and "wlthelp.hlp",
// or "?" in place of the name when it would not fit.
void BuildHelpFilePath(wchar_t* buffer);

// True when the help of a folder (with its final "\") is the web page
// rather than the Windows Help file helpFile: from Vista on, and on any
// Windows where helpFile is missing and the folder holds "wlthelp.htm".
bool HelpIsWebPage(const wchar_t* helpFile, const std::wstring& folder);

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
