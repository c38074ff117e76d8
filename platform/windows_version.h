// Which Windows the program runs on, as far as the program's choices depend
// on it: whether the system can show a Windows Help file, and the version
// number itself for what later Windows added.
#ifndef WORDLOFT_PLATFORM_WINDOWS_VERSION_H
#define WORDLOFT_PLATFORM_WINDOWS_VERSION_H

#include <cstdint>

// The version Windows really is (6.1 for Windows 7, 10.0 for 10 and 11),
// whatever the manifest declares; 0.0 when the system does not tell it.
struct WindowsVersion {
    uint32_t Major;
    uint32_t Minor;
};
WindowsVersion RunningWindowsVersion();

// True on Windows before Vista, whose help viewer shows "wlthelp.hlp".
// From Vista on Windows ships only a stub of the viewer, which says that
// the format is not supported (Vista to 8.1 offered the real viewer as a
// separate download; Windows 10 and 11 have none at all).
bool SystemHasWinHelpViewer();

#endif
