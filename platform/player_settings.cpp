// Reading the player's settings of Windows: two system parameters and the
// text scale's registry value.
#include "platform/player_settings.h"

#include "platform/windows_version.h"

// Whether animations inside windows are shown, which the headers of the
// program's API level (Windows XP) do not declare: Windows Vista added it,
// and XP refuses a parameter it does not know.
#ifndef SPI_GETCLIENTAREAANIMATION
#define SPI_GETCLIENTAREAANIMATION 0x1042
#endif

namespace {

constexpr DWORD kVistaMajorVersion = 6;

// "Make text bigger" is documented for Win32 programs only through the
// WinRT UISettings.TextScaleFactor, which a program of XP's API level
// cannot reach. Windows keeps the same factor, 100 to 225, in this
// value, which is not documented but has stayed where it is since Windows
// 10 1809 introduced the setting; where it is missing or out of range the
// text is at its normal size.
constexpr char kTextScaleKey[] = "Software\\Microsoft\\Accessibility";
constexpr char kTextScaleValue[] = "TextScaleFactor";
constexpr int kNormalTextScale = 100;
constexpr int kLargestTextScale = 225;

struct PlayerSettingsRecord {
    bool ContrastTheme;
    bool Animations;
    int TextScalePercent;
};

PlayerSettingsRecord Kept = {false, true, kNormalTextScale};

bool ReadContrastTheme() {
    HIGHCONTRASTA contrast = {};
    contrast.cbSize = sizeof contrast;
    if (!SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0)) return false;
    return (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

// Only asked from Vista on; where Windows cannot tell, animations are on.
bool ReadAnimations() {
    if (RunningWindowsVersion().Major < kVistaMajorVersion) return true;
    BOOL shown = TRUE;
    if (!SystemParametersInfoA(SPI_GETCLIENTAREAANIMATION, 0, &shown, 0)) return true;
    return shown != FALSE;
}

int ReadTextScale() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kTextScaleKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return kNormalTextScale;
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof value;
    const LONG read = RegQueryValueExA(key, kTextScaleValue, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
    RegCloseKey(key);
    if (read != ERROR_SUCCESS || type != REG_DWORD || size != sizeof value) return kNormalTextScale;
    if (value < kNormalTextScale || value > kLargestTextScale) return kNormalTextScale;
    return static_cast<int>(value);
}

}  // namespace

unsigned FollowPlayerSettings() {
    const PlayerSettingsRecord read = {ReadContrastTheme(), ReadAnimations(), ReadTextScale()};
    unsigned changed = 0;
    if (read.ContrastTheme != Kept.ContrastTheme) changed |= kContrastThemeChanged;
    if (read.Animations != Kept.Animations) changed |= kAnimationsChanged;
    if (read.TextScalePercent != Kept.TextScalePercent) changed |= kTextScaleChanged;
    Kept = read;
    return changed;
}

bool ContrastThemeOn() { return Kept.ContrastTheme; }

bool AnimationsOn() { return Kept.Animations; }

int TextScalePercent() { return Kept.TextScalePercent; }
