// Phrase display: the phrase band with one slot per character, and the
// information line below the letter panel.
//
// Guessed letters are copied from the glyph sheet above their
// underlines. The information line shows one line of text, shortened with
// "..." when it does not fit, and keeps it for every repaint.
#ifndef WORDLOFT_RENDER_PHRASE_DISPLAY_H
#define WORDLOFT_RENDER_PHRASE_DISPLAY_H

#include <windows.h>

// The text the information line shows now; start-up puts the greeting in.
extern char InformationLineText[256];

// Underlines and revealed letters of the phrase, then the band's frame.
// dc may be null: the main window's device context is used then.
void DrawPhraseOn(HDC dc);

// One phrase character from the glyph sheet with its top-left at (x, y).
void DrawPhraseGlyph(HDC dc, char ch, int x, int y);

// Blanks the band for a new phrase; dc may be null as for DrawPhraseOn.
void ClearPhraseBandOn(HDC dc);

// Draws text centred in the information line of dc, shortened to fit,
// and keeps what was shown as the new InformationLineText.
void DrawInformationLine(HDC dc, const char* text);

#endif
