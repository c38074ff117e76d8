// The contrast look of the scene: while the player has a contrast theme
// on, the panels draw their texts and marks in the theme's pairs of system
// colours (render/contrast_pairs.h) on plain backgrounds of the theme, with
// no picture behind a text; the scene's pictures stay, framed in the
// theme's text colour. Off, nothing here is used and the scene looks as
// it always has.
#ifndef WORDLOFT_RENDER_CONTRAST_LOOK_H
#define WORDLOFT_RENDER_CONTRAST_LOOK_H

#include <windows.h>

#include "render/contrast_pairs.h"
#include "render/scene_layout.h"

// True while a contrast theme is on.
bool ContrastLook();

// A system colour as the theme has it.
COLORREF ThemeColour(SystemColour colour);

// The pen of a role's foreground colour, 1 or 2 pixels wide (the 2-pixel
// one keeps inside a rectangle, as the scene's frame pen does), made from
// the colours last read; null when it cannot be made. Not deleted by the
// caller.
HPEN ThemePen(ContrastRole role, int width);

// Fills a rectangle with the theme's window colour inside a border of the
// theme's text colour, 1 or 2 pixels wide (0: no border).
void FillPlain(HDC dc, const RegionRect& r, int borderWidth);
// Fills a rectangle with a role's background colour, no border.
void FillRoleBackground(HDC dc, const RegionRect& r, ContrastRole role);

// While one lives, texts drawn into dc take a role's foreground colour
// over a transparent background; at its end dc has its colours back.
struct ThemeTextColours {
    ThemeTextColours(HDC dc, ContrastRole role);
    ~ThemeTextColours();
    ThemeTextColours(const ThemeTextColours&) = delete;
    ThemeTextColours& operator=(const ThemeTextColours&) = delete;
    HDC Dc;
    COLORREF Text;
    int Mode;
};

// Deletes every pen made; called with the other drawing resources.
void DeleteContrastPens();

// The look changed (a contrast theme switched on or off, or its colours):
// the theme's pens are made again at their next use, the whole scene is
// composed again at the next paint, and every other window of the program
// (a dialog's board) is repainted.
void ShowNewLook();

#endif
