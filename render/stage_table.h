// The fixed stages of the scene and the blocks of the guess meter.
//
// Twelve stages, numbered 11 (first miss) down to 0 (the last), each
// drawing one addition to the desert scene at a fixed place. Which stages
// a miss adds depends on MaxGuesses; the meter's block size and position
// too. Portable tables and rules that the drawing code follows.
#ifndef WORDLOFT_RENDER_STAGE_TABLE_H
#define WORDLOFT_RENDER_STAGE_TABLE_H

#include <cstdint>

#include "render/scene_layout.h"

constexpr int kSceneStageCount = 12;

enum StageDrawing : int16_t {
    kStageLandscape,  // white fill, then the landscape picture ANDed on
    kStageIcon,       // an icon, at one or two places
    kStageOutline,    // a monochrome picture ANDed on
    kStageLowSun,     // the sun, only while animating or with GuessesLeft > 1
    kStageHighSun,    // the sun at its top, climbing there while animating
    kStageDance,      // the dance of the figure, always animated
};

struct SceneStageEntry {
    StageDrawing drawing;
    int16_t iconId;          // kStageIcon, the suns and the dance's first frame
    const char* bitmapName;  // kStageLandscape and kStageOutline
    int16_t x, y;
    int16_t secondX, secondY;  // a second copy of the icon, or -1
};

extern const SceneStageEntry SceneStages[kSceneStageCount];

// The stages a miss adds, in drawing order, for the GuessesLeft after the
// miss; returns how many were written to stages.
int StagesAfterMiss(uint16_t maxGuesses, int16_t guessesLeft, int16_t stages[kSceneStageCount]);

struct StagePoint {
    int x;
    int y;
};

// The climbing sun's place at a step (1..kSunClimb.Frames of
// render/animations.h): (+5, -1) a step from the low sun's place.
StagePoint SunClimbPosition(int step);

// Block k (0 at the top) of a meter showing MaxGuesses blocks at most.
RegionRect MeterBlockRect(const RegionRect& meter, uint16_t maxGuesses, int k);

#endif
