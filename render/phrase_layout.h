// Phrase band geometry and the glyph sheet lookup.
//
// Each phrase character has a fixed slot in the phrase band: an underline
// for a letter, nothing for a space, and the letter's picture from the
// glyph sheet once it is guessed. Portable: the slot positions, the sheet
// cell of every character and the shortening of the information text are
// pure functions.
#ifndef WORDLOFT_RENDER_PHRASE_LAYOUT_H
#define WORDLOFT_RENDER_PHRASE_LAYOUT_H

#include <cstddef>
#include <cstdint>

#include "render/scene_layout.h"

// The accented capitals of the glyph sheet's rows 2 and 3, column by
// column (Windows-1252). Column 12 holds the fi ligature, listed as '?',
// which no phrase character matches.
constexpr int kAccentedGlyphCount = 30;
extern const char AccentedGlyphOrder[kAccentedGlyphCount + 1];

constexpr int kGlyphWidth = 19;
constexpr int kGlyphHeight = 22;

// A cell of the glyph sheet: rows 0 A..Z, 1 a..z, 2 accented capitals,
// 3 their small forms.
struct GlyphCell {
    int16_t column;
    int16_t row;
};

// The sheet cell that shows a phrase character in the chosen case. A
// small phrase letter is shown with its capital's cell; a character that
// is on no row falls back to column 0 of the accented rows.
GlyphCell GlyphCellOf(char ch, bool upperCase);

// The character a slot writes where the phrase is drawn as text (the
// contrast look): a phrase letter as its capital, or as its small letter
// when upperCase is not set (the sharp s, which has no capital, as it
// is); any other character unchanged.
char PhraseCharInCase(char ch, bool upperCase);

// Top-left corner of a cell in the sheet.
int GlyphSourceX(GlyphCell cell);
int GlyphSourceY(GlyphCell cell);

// Slot i of the band: its left edge, the row of its underline (16 pixels
// long) and the top of its glyph.
constexpr int kUnderlineLength = 16;
int PhraseSlotLeft(const RegionRect& band, int i);
int PhraseUnderlineY(const RegionRect& band);
int PhraseGlyphTop(const RegionRect& band);

// What one slot shows.
enum PhraseSlotLook : int16_t {
    kSlotBlank = 0,      // a space: nothing
    kSlotUnderline = 1,  // a letter not yet guessed
    kSlotLetter = 2,     // a guessed letter: underline and glyph
    kSlotOther = 3,      // neither space nor letter: shown from the start, no underline
};
PhraseSlotLook PhraseSlotLookOf(char ch, const uint16_t lettersUsed[]);

// Width of a text in pixels, as the display measures it.
using TextMeasure = int (*)(const char* text, void* context);

// Copies text into shown (size bytes) when it fits in available pixels;
// otherwise drops 3 characters at a time from its end and appends "..."
// until it fits, or until no more than 3 characters are left.
void FitTextToWidth(const char* text, int available, TextMeasure measure, void* context,
                    char* shown, size_t size);

#endif
