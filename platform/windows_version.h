// Which Windows the program runs on, as far as the program's choices depend
// on it: whether the system can show a Windows Help file.
#ifndef WORDLOFT_PLATFORM_WINDOWS_VERSION_H
#define WORDLOFT_PLATFORM_WINDOWS_VERSION_H

// True on Windows before Vista, whose help viewer shows "wlthelp.hlp".
// From Vista on Windows ships only a stub of the viewer, which says that
// the format is not supported (Vista to 8.1 offered the real viewer as a
// separate download; Windows 10 and 11 have none at all).
bool SystemHasWinHelpViewer();

#endif
