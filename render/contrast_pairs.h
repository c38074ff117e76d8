// The colours of the contrast look: while a contrast theme is on, every
// text and mark of the scene is drawn in one of the theme's pairs of
// system colours, foreground on the background it belongs with, never a
// colour of one pair on a colour of another (a theme guarantees only its
// pairs). This is the one list of what is drawn in which pair; the
// drawing code takes its colours from it.
//
// Portable: the pairs name the system colours by their index (the
// COLOR_ constants of Windows), and the contrast ratio is the one of the
// Web Content Accessibility Guidelines.
#ifndef WORDLOFT_RENDER_CONTRAST_PAIRS_H
#define WORDLOFT_RENDER_CONTRAST_PAIRS_H

#include <cstdint>

// The system colours the contrast look draws with (GetSysColor indices).
enum SystemColour : int16_t {
    kColourWindow = 5,          // COLOR_WINDOW: every plain background
    kColourWindowText = 8,      // COLOR_WINDOWTEXT: texts, frames, shapes
    kColourHighlight = 13,      // COLOR_HIGHLIGHT: what is selected
    kColourHighlightText = 14,  // COLOR_HIGHLIGHTTEXT: text on it
    kColourGrayText = 17,       // COLOR_GRAYTEXT: what can no longer be chosen
};

enum ContrastRole : int16_t {
    kRoleText,          // phrase, information line, statistics, letters, the board
    kRoleUsedLetter,    // a letter already guessed, and the stroke through it
    kRoleSelectedText,  // a pressed letter, the phrase while it flashes, the newest score
    kRoleShape,         // frames, underlines, the case arrow, the meter's blocks' outlines
    kContrastRoleCount
};

struct ContrastPair {
    SystemColour Foreground;
    SystemColour Background;
    // The least contrast the pair must have in every theme: 4.5 for text,
    // 3 for shapes (the Web Content Accessibility Guidelines' levels).
    double LeastRatio;
};

extern const ContrastPair ContrastPairs[kContrastRoleCount];

// The contrast ratio of two colours, 0xRRGGBB, from 1 (the same) to 21
// (black and white): (L1 + 0.05) / (L2 + 0.05) of their relative
// luminances, the lighter one first.
double ContrastRatio(uint32_t a, uint32_t b);

#endif
