// The stage table of the scene, the stages each miss adds, the path of
// the climbing sun and the guess meter's blocks.
#include "render/stage_table.h"

#include "resource.h"

const SceneStageEntry SceneStages[kSceneStageCount] = {
    {kStageDance, IDI_DANCE_FIRST, nullptr, 225, 120, -1, -1},  // 0
    {kStageHighSun, IDI_SUN, nullptr, 190, 51, -1, -1},         // 1
    {kStageIcon, IDI_DANCE_FIRST, nullptr, 225, 120, -1, -1},   // 2: the figure
    {kStageLowSun, IDI_SUN, nullptr, 40, 81, -1, -1},           // 3
    {kStageOutline, 0, "STAND", 148, 102, -1, -1},              // 4: the gallows
    {kStageIcon, IDI_CACTUS, nullptr, 108, 166, -1, -1},        // 5
    {kStageIcon, IDI_PEOPLE, nullptr, 328, 186, -1, -1},        // 6
    {kStageIcon, IDI_PEOPLE, nullptr, 280, 189, -1, -1},        // 7
    {kStageIcon, IDI_PEOPLE, nullptr, 365, 174, -1, -1},        // 8
    {kStageOutline, 0, "WAGON", 50, 156, -1, -1},               // 9
    {kStageIcon, IDI_CACTUS, nullptr, 390, 147, 440, 176},      // 10
    {kStageLandscape, 0, "scene2", 2, 43, -1, -1},              // 11
};

namespace {

// The stage a miss brings first when MaxGuesses allows more misses than
// there are single stages: the first miss then brings several at once.
int16_t FirstStageOfMiss(uint16_t maxGuesses, int16_t g) {
    switch (maxGuesses) {
        case 4: return g == 3 ? 11 : -1;
        case 6: return g == 5 ? 11 : -1;
        case 8: return g == 7 ? 11 : (g == 6 ? 6 : -1);
        case 10: return g == 9 ? 11 : (g >= 6 && g <= 8 ? g : -1);
        case 12: return g >= 6 && g <= 11 ? g : -1;
        default: return -1;
    }
}

// The last stage of that first group.
int16_t LastStageOfMiss(uint16_t maxGuesses, int16_t g) {
    switch (maxGuesses) {
        case 4: return 4;
        case 6: return 6;
        case 8: return g == 7 ? 7 : 6;
        case 10: return g == 9 ? 9 : g;
        default: return g;
    }
}

}  // namespace

int StagesAfterMiss(uint16_t maxGuesses, int16_t guessesLeft, int16_t stages[kSceneStageCount]) {
    int count = 0;
    const int16_t first = FirstStageOfMiss(maxGuesses, guessesLeft);
    if (first >= 0) {
        const int16_t last = LastStageOfMiss(maxGuesses, guessesLeft);
        for (int16_t s = first; s >= last; --s) stages[count++] = s;
    }
    if (guessesLeft >= 0 && guessesLeft <= 5) stages[count++] = guessesLeft;
    return count;
}

StagePoint SunClimbPosition(int step) {
    const SceneStageEntry& low = SceneStages[3];
    return {low.x + 5 * step, low.y - step};
}

RegionRect MeterBlockRect(const RegionRect& meter, uint16_t maxGuesses, int k) {
    const int height = meter.bottom - meter.top;
    const int width = meter.right - meter.left;
    const int step = height / (maxGuesses + 1);
    const int top0 = (height - step * maxGuesses + 4) / 2;
    const int left = meter.left + 4;
    const int top = meter.top + top0 + k * step;
    return {left, top, left + width - 8, top + step - 4};
}
