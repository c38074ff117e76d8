// The fixed regions of the scene, computed once from the scene's origin.
#include "render/scene_layout.h"

RegionRect SceneRect;
RegionRect StatisticsPanel;
RegionRect SceneBox;
RegionRect PhraseBand;
RegionRect LetterPanel;
RegionRect InformationLine;
RegionRect FaceBox;
RegionRect CaseToggleBox;
RegionRect GuessMeter;
RegionRect LetterCells[kLetterCount];

namespace {

constexpr int kPanelWidth = 563;
constexpr int kSideWidth = 30;
constexpr int kSideBoxHeight = 45;
constexpr int kMeterHeight = 288;
constexpr int kCellsPerRow = 13;
constexpr int kCellGapX = 10;
constexpr int kCellGapY = 6;

RegionRect Band(int left, int top, int bottom) { return {left, top, left + kPanelWidth, bottom}; }

RegionRect Placed(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
}

}  // namespace

void LayoutScene(int top, int left) {
    StatisticsPanel = Band(left, top, top + 41);
    SceneBox = Band(left, top + 41, top + 231);
    FaceBox = Placed(left + kPanelWidth, top, kSideWidth, kSideBoxHeight);
    CaseToggleBox = Placed(left + kPanelWidth, top + kSideBoxHeight, kSideWidth, kSideBoxHeight);
    PhraseBand = Band(left, top + 231, top + 264);
    LetterPanel = Band(left, top + 264, top + 348);
    for (int i = 0; i < kLetterCount; ++i) {
        const int column = i % kCellsPerRow;
        const int row = i / kCellsPerRow;
        LetterCells[i] = Placed(left + 14 + column * (kLetterCellSize + kCellGapX),
                                top + 272 + row * (kLetterCellSize + kCellGapY),
                                kLetterCellSize, kLetterCellSize);
    }
    InformationLine = Band(left, top + 348, top + 378);
    GuessMeter = Placed(left + kPanelWidth, top + 2 * kSideBoxHeight, kSideWidth, kMeterHeight);
    SceneRect = {left, top, GuessMeter.right, InformationLine.bottom};
}

RegionRect SceneRegionRect(SceneRegionId region) {
    switch (region) {
        case kRegionScene: return SceneRect;
        case kRegionStatisticsPanel: return StatisticsPanel;
        case kRegionSceneBox: return SceneBox;
        case kRegionPhraseBand: return PhraseBand;
        case kRegionLetterPanel: return LetterPanel;
        case kRegionInformationLine: return InformationLine;
        case kRegionFaceBox: return FaceBox;
        case kRegionCaseToggleBox: return CaseToggleBox;
        case kRegionGuessMeter: return GuessMeter;
    }
    return SceneRect;
}

bool RegionContains(const RegionRect& r, int x, int y) {
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

RegionRect InflateRegion(const RegionRect& r, int margin) {
    return {r.left - margin, r.top - margin, r.right + margin, r.bottom + margin};
}

int16_t LetterCellAt(int x, int y) {
    for (int16_t i = 0; i < kLetterCount; ++i) {
        if (RegionContains(LetterCells[i], x, y)) return i;
    }
    return -1;
}
