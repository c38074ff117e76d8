// Scene layout: the fixed rectangles of the main window's client area.
//
// The whole client area is one 593 x 378 picture divided into nine
// regions and the 26 letter cells of the letter panel. LayoutScene fills
// them once at start-up; everything else reads them. Portable: no window
// types here, so the geometry can be checked without a screen.
#ifndef WORDLOFT_RENDER_SCENE_LAYOUT_H
#define WORDLOFT_RENDER_SCENE_LAYOUT_H

#include <cstdint>

#include "game/game_state.h"
#include "game/requests.h"

// A rectangle in client pixels; right and bottom are exclusive.
struct RegionRect {
    int left;
    int top;
    int right;
    int bottom;
};

constexpr int kLetterCellSize = 32;

extern RegionRect SceneRect;
extern RegionRect StatisticsPanel;
extern RegionRect SceneBox;
extern RegionRect PhraseBand;
extern RegionRect LetterPanel;
extern RegionRect InformationLine;
extern RegionRect FaceBox;
extern RegionRect CaseToggleBox;
extern RegionRect GuessMeter;
// Cell i stands for the letter 'A' + i.
extern RegionRect LetterCells[kLetterCount];

// Computes every region from the scene's origin (left, top).
void LayoutScene(int top, int left);

// The rectangle of a region named by the engine's repaint requests.
RegionRect SceneRegionRect(SceneRegionId region);

// True when left <= x < right and top <= y < bottom.
bool RegionContains(const RegionRect& r, int x, int y);

// The rectangle grown by margin on every side (a negative margin shrinks it).
RegionRect InflateRegion(const RegionRect& r, int margin);

// The first letter cell (A first) that contains the point: 0..25, or -1
// when the point lies in no cell (the gaps between cells included).
int16_t LetterCellAt(int x, int y);

#endif
