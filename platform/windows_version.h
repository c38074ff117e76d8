// Which Windows the program runs on, as far as the program's choices depend
// on it: whether the system can show a Windows Help file.
#ifndef WORDLOFT_PLATFORM_WINDOWS_VERSION_H
#define WORDLOFT_PLATFORM_WINDOWS_VERSION_H

// True on Windows before 10, whose help viewer shows "wlthelp.hlp" (on
// Vista to 8.1 Windows itself offers to download the viewer the first time);
// false on Windows 10 and later, which have no viewer, only a stub that
// says the format is not supported.
bool SystemShowsWinHelp();

#endif
