// Scene regions, letter cells and their hit test.
#include <gtest/gtest.h>

#include "render/scene_layout.h"

namespace {

void ExpectRect(const RegionRect& r, int left, int top, int right, int bottom, const char* name) {
    EXPECT_EQ(r.left, left) << name;
    EXPECT_EQ(r.top, top) << name;
    EXPECT_EQ(r.right, right) << name;
    EXPECT_EQ(r.bottom, bottom) << name;
}

class SceneLayoutTest : public ::testing::Test {
  protected:
    void SetUp() override { LayoutScene(0, 0); }
};

}  // namespace

TEST_F(SceneLayoutTest, RegionsAtTheOrigin) {
    ExpectRect(SceneRect, 0, 0, 593, 378, "SceneRect");
    ExpectRect(StatisticsPanel, 0, 0, 563, 41, "StatisticsPanel");
    ExpectRect(SceneBox, 0, 41, 563, 231, "SceneBox");
    ExpectRect(PhraseBand, 0, 231, 563, 264, "PhraseBand");
    ExpectRect(LetterPanel, 0, 264, 563, 348, "LetterPanel");
    ExpectRect(InformationLine, 0, 348, 563, 378, "InformationLine");
    ExpectRect(FaceBox, 563, 0, 593, 45, "FaceBox");
    ExpectRect(CaseToggleBox, 563, 45, 593, 90, "CaseToggleBox");
    ExpectRect(GuessMeter, 563, 90, 593, 378, "GuessMeter");
}

TEST_F(SceneLayoutTest, RegionIdsNameTheirRectangles) {
    ExpectRect(SceneRegionRect(kRegionScene), 0, 0, 593, 378, "scene");
    ExpectRect(SceneRegionRect(kRegionStatisticsPanel), 0, 0, 563, 41, "statistics");
    ExpectRect(SceneRegionRect(kRegionSceneBox), 0, 41, 563, 231, "scene box");
    ExpectRect(SceneRegionRect(kRegionPhraseBand), 0, 231, 563, 264, "phrase");
    ExpectRect(SceneRegionRect(kRegionLetterPanel), 0, 264, 563, 348, "letters");
    ExpectRect(SceneRegionRect(kRegionInformationLine), 0, 348, 563, 378, "information");
    ExpectRect(SceneRegionRect(kRegionFaceBox), 563, 0, 593, 45, "face");
    ExpectRect(SceneRegionRect(kRegionCaseToggleBox), 563, 45, 593, 90, "toggle");
    ExpectRect(SceneRegionRect(kRegionGuessMeter), 563, 90, 593, 378, "meter");
}

TEST_F(SceneLayoutTest, LetterCellsLieInTwoRowsOfThirteen) {
    ExpectRect(LetterCells[0], 14, 272, 46, 304, "A");
    ExpectRect(LetterCells[12], 518, 272, 550, 304, "M");
    ExpectRect(LetterCells[13], 14, 310, 46, 342, "N");
    ExpectRect(LetterCells[25], 518, 310, 550, 342, "Z");
    for (int i = 0; i < kLetterCount; ++i) {
        const RegionRect& cell = LetterCells[i];
        EXPECT_EQ(cell.right - cell.left, 32);
        EXPECT_EQ(cell.bottom - cell.top, 32);
        EXPECT_EQ(cell.left, 14 + 42 * (i % 13)) << i;
        EXPECT_TRUE(RegionContains(LetterPanel, cell.left, cell.top));
        EXPECT_TRUE(RegionContains(LetterPanel, cell.right - 1, cell.bottom - 1));
    }
}

TEST_F(SceneLayoutTest, HitTestIncludesLeftAndTopEdgesOnly) {
    EXPECT_EQ(LetterCellAt(14, 272), 0);
    EXPECT_EQ(LetterCellAt(45, 303), 0);
    EXPECT_EQ(LetterCellAt(46, 280), -1);   // the gap after A
    EXPECT_EQ(LetterCellAt(55, 280), -1);
    EXPECT_EQ(LetterCellAt(56, 280), 1);    // B starts after the 10-pixel gap
    EXPECT_EQ(LetterCellAt(20, 304), -1);   // between the rows
    EXPECT_EQ(LetterCellAt(20, 309), -1);
    EXPECT_EQ(LetterCellAt(20, 310), 13);
    EXPECT_EQ(LetterCellAt(549, 341), 25);
    EXPECT_EQ(LetterCellAt(550, 341), -1);
    EXPECT_EQ(LetterCellAt(549, 342), -1);
    EXPECT_EQ(LetterCellAt(13, 272), -1);
    EXPECT_EQ(LetterCellAt(300, 100), -1);  // far outside the panel
}

TEST(SceneLayoutOrigin, EveryRegionMovesWithTheOrigin) {
    LayoutScene(10, 20);
    ExpectRect(SceneRect, 20, 10, 613, 388, "SceneRect");
    ExpectRect(GuessMeter, 583, 100, 613, 388, "GuessMeter");
    ExpectRect(LetterCells[13], 34, 320, 66, 352, "N");
    EXPECT_EQ(LetterCellAt(34, 320), 13);
    EXPECT_EQ(LetterCellAt(14, 310), -1);
    LayoutScene(0, 0);
}

TEST(SceneLayoutInflate, GrowsAndShrinksOnEverySide) {
    const RegionRect r = {10, 20, 30, 60};
    ExpectRect(InflateRegion(r, -2), 12, 22, 28, 58, "shrunk");
    ExpectRect(InflateRegion(r, 3), 7, 17, 33, 63, "grown");
}
