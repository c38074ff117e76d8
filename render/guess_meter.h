// Guess meter: one coloured block per wrong guess still allowed.
//
// The blocks are stacked down the right edge of the scene and take the
// seven weave patterns in turn; every advancing draw goes on with the
// next colours, a repaint repeats the last ones. A miss or a change of
// MaxGuesses first wipes the meter with a short red animation.
#ifndef WORDLOFT_RENDER_GUESS_METER_H
#define WORDLOFT_RENDER_GUESS_METER_H

#include <windows.h>

#include <cstdint>

// The weave of the next block and the weave the last advancing draw
// started from (0..6).
extern int16_t MeterPatternIndex;
extern int16_t MeterPatternStart;

// Draws the blocks; dc may be null (the main window's context is used).
// advance: take the next colours; clear: blank the meter first.
void DrawGuessMeterOn(HDC dc, bool advance, bool clear);

// A click in the guess meter: its click sound, then the blocks recoloured
// in place.
void RecolourGuessMeter();

// Every paint of the window leaves the pattern index where drawing the
// meter again would, whether or not the meter needed drawing: the colours
// that the next advancing draw takes have always followed the window's
// repaints, and the back buffer must not change them.
void FollowMeterRepaint();

#endif
