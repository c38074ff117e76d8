// Face box and statistics panel.
//
// The face shows the mood of the last finished game in the colour the
// player picked by clicking it. The statistics panel shows four numbers
// over its labelled picture, the current or the cumulative statistics;
// a click switches between the two.
#ifndef WORDLOFT_RENDER_FACE_AND_STATISTICS_H
#define WORDLOFT_RENDER_FACE_AND_STATISTICS_H

#include <windows.h>

#include <cstdint>

// 0 red, 1 green, 2 blue; red at every start.
extern uint16_t FaceColour;
// 0: the panel shows the current statistics, 1: the cumulative ones.
extern uint16_t ShowCumulative;

// The face picture; dc may be null (the main window's context is used).
void DrawFace(HDC dc);

// A click on the face: its sound, the next colour, the face redrawn.
void CycleFaceColour();

// The four numbers of the panel over its picture.
void DrawStatisticsNumbers(HDC dc);

// The labels of the four numbers written as text, for the contrast look,
// which shows no picture behind them.
void DrawStatisticsLabels(HDC dc);

// Draws value with "%ld" at (x, y).
void DrawNumber(HDC dc, long value, int x, int y);

// A click on the panel: switches current/cumulative with its sound and
// has the panel repainted.
void ToggleStatisticsPanel();

#endif
