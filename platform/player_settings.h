// The player's own settings of Windows that change how the game looks and
// moves: a contrast theme ("High contrast" from XP to 10, "Contrast
// themes" in 11), "Show animations in Windows" (Vista on) and "Make text
// bigger" (Windows 10 1809 on). They are read at start-up and again
// whenever Windows announces a change of settings or colours; between
// those moments the game uses what was read last.
#ifndef WORDLOFT_PLATFORM_PLAYER_SETTINGS_H
#define WORDLOFT_PLATFORM_PLAYER_SETTINGS_H

#include <windows.h>

// What FollowPlayerSettings found changed.
constexpr unsigned kContrastThemeChanged = 1;
constexpr unsigned kAnimationsChanged = 2;
constexpr unsigned kTextScaleChanged = 4;

// Reads the three settings from Windows, keeps them, and tells which of
// them differ from what was kept before (at the first call: which differ
// from Windows' defaults).
unsigned FollowPlayerSettings();

// The settings as last read (Windows' defaults before the first read): a
// contrast theme is on (the game draws its texts in the theme's colours
// on plain backgrounds of the theme); "Show animations in Windows" is on
// (off, every animation shows its final frame at once; always on where
// Windows has no such setting, XP); "Make text bigger", 100 to 225 per
// cent (100 where it is not set).
bool ContrastThemeOn();
bool AnimationsOn();
int TextScalePercent();

#endif
