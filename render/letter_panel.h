// Letter panel: the 26 clickable letter cells and the case toggle box.
//
// A letter not yet guessed shows its letter picture in the chosen case, a
// guessed one the used-letter marker. The window procedure uses the press
// feedback and the hit test to turn a click into a guess, and the toggle
// action for a click in the case toggle box.
#ifndef WORDLOFT_RENDER_LETTER_PANEL_H
#define WORDLOFT_RENDER_LETTER_PANEL_H

#include <windows.h>

#include <cstdint>

// The whole panel: its weave, the 26 cells and its frame.
void DrawLetterPanel(HDC dc);

// Inverts cell i shrunk by 2 pixels on the window's device context; a
// second call restores it. The press feedback of a letter click.
void InvertLetterCell(int16_t i);

// The cell (0..25) that contains the point, or -1.
int16_t HitTestLetterCell(POINT point);

// The arrow picture on its texture inside the case toggle box.
void DrawCaseToggle(HDC dc);

// A click in the case toggle box: switches the letters between capitals
// and small letters with its sound and a short flash, and has the phrase
// band and the letter panel repainted.
void ToggleLetterCase();

#endif
