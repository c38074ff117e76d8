// The phrase band slots, the glyph sheet cells, the information text's
// shortening, the scene stages of each miss and the meter blocks.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "render/animations.h"
#include "render/contrast_pairs.h"
#include "render/phrase_layout.h"
#include "render/stage_table.h"

namespace {

char B(unsigned value) { return static_cast<char>(value); }

std::vector<int> Stages(uint16_t maxGuesses, int16_t guessesLeft) {
    int16_t stages[kSceneStageCount];
    const int count = StagesAfterMiss(maxGuesses, guessesLeft, stages);
    return std::vector<int>(stages, stages + count);
}

std::vector<int> Range(int from, int downTo) {
    std::vector<int> v;
    for (int s = from; s >= downTo; --s) v.push_back(s);
    return v;
}

// Every character is 7 pixels wide.
int MeasureSeven(const char* text, void*) { return 7 * static_cast<int>(std::strlen(text)); }

std::string Fit(const std::string& text, int available) {
    char shown[256];
    FitTextToWidth(text.c_str(), available, MeasureSeven, nullptr, shown, sizeof shown);
    return shown;
}

}  // namespace

TEST(PhraseSlots, SlotsOfShortAndFullPhrases) {
    LayoutScene(0, 0);
    EXPECT_EQ(PhraseSlotLeft(PhraseBand, 0), 9);
    EXPECT_EQ(PhraseSlotLeft(PhraseBand, 3), 72);
    EXPECT_EQ(PhraseSlotLeft(PhraseBand, 25), 534);
    EXPECT_EQ(PhraseSlotLeft(PhraseBand, 25) + kUnderlineLength, 550);
    EXPECT_LT(PhraseSlotLeft(PhraseBand, 25) + kGlyphWidth, PhraseBand.right - 2);
    EXPECT_EQ(PhraseUnderlineY(PhraseBand), 258);
    EXPECT_EQ(PhraseGlyphTop(PhraseBand), 233);
    EXPECT_EQ(PhraseGlyphTop(PhraseBand) + kGlyphHeight, 255);
}

TEST(PhraseSlots, WhatEachSlotShows) {
    uint16_t used[kLetterCount] = {};
    used['E' - 'A'] = 1;
    const char phrase[] = "NEW YORK";
    std::vector<int> looks;
    for (const char* p = phrase; *p; ++p) looks.push_back(PhraseSlotLookOf(*p, used));
    EXPECT_EQ(looks, (std::vector<int>{kSlotUnderline, kSlotLetter, kSlotUnderline, kSlotBlank,
                                       kSlotUnderline, kSlotUnderline, kSlotUnderline,
                                       kSlotUnderline}));
    // Accented letters show with their base letter; a small letter from a
    // word-list file counts as its capital.
    EXPECT_EQ(PhraseSlotLookOf(B(0xC9), used), kSlotLetter);
    EXPECT_EQ(PhraseSlotLookOf(B(0xE8), used), kSlotLetter);
    EXPECT_EQ(PhraseSlotLookOf('e', used), kSlotLetter);
    EXPECT_EQ(PhraseSlotLookOf(B(0xC0), used), kSlotUnderline);
    // Characters that are no phrase letter are shown from the start.
    for (char c : std::string("-'?1.&")) EXPECT_EQ(PhraseSlotLookOf(c, used), kSlotOther) << c;
    EXPECT_EQ(PhraseSlotLookOf(B(0xD7), used), kSlotOther);  // multiplication sign
}

TEST(GlyphSheet, PlainLettersUseRowsZeroAndOne) {
    const GlyphCell a = GlyphCellOf('A', true);
    EXPECT_EQ(a.column, 0);
    EXPECT_EQ(a.row, 0);
    const GlyphCell zLower = GlyphCellOf('Z', false);
    EXPECT_EQ(zLower.column, 25);
    EXPECT_EQ(zLower.row, 1);
    const GlyphCell q = GlyphCellOf('q', true);  // a small letter from a file
    EXPECT_EQ(q.column, 'Q' - 'A');
    EXPECT_EQ(q.row, 0);
    EXPECT_EQ(GlyphSourceX(zLower), 501);
    EXPECT_EQ(GlyphSourceY(zLower), 24);
    EXPECT_EQ(GlyphSourceY(GlyphCell{0, 3}), 70);
}

TEST(GlyphSheet, AccentedLettersFollowTheSheetOrder) {
    struct Row { unsigned ch; int column; };
    const Row rows[] = {{0xC0, 0}, {0xC4, 3}, {0xC3, 4}, {0xC9, 9}, {0xCC, 13}, {0xD1, 17},
                        {0xD6, 21}, {0xD5, 22}, {0x8C, 23}, {0xDF, 24}, {0xDC, 28}, {0x9F, 29}};
    for (const Row& row : rows) {
        const GlyphCell upper = GlyphCellOf(B(row.ch), true);
        EXPECT_EQ(upper.column, row.column) << row.ch;
        EXPECT_EQ(upper.row, 2) << row.ch;
        EXPECT_EQ(GlyphCellOf(B(row.ch), false).row, 3) << row.ch;
    }
    // Small accented letters from a file use their capital's column;
    // the sharp s has no capital and keeps its own.
    EXPECT_EQ(GlyphCellOf(B(0xE9), true).column, 9);
    EXPECT_EQ(GlyphCellOf(B(0xE9), true).row, 2);
    EXPECT_EQ(GlyphCellOf(B(0x9C), true).column, 23);
    EXPECT_EQ(GlyphCellOf(B(0xFF), true).column, 29);
    EXPECT_EQ(GlyphCellOf(B(0xDF), false).column, 24);
    // The ligature column matches nothing: '?' falls back to column 0.
    EXPECT_EQ(GlyphCellOf('?', true).column, 0);
    EXPECT_EQ(std::strlen(AccentedGlyphOrder), 30u);
    EXPECT_EQ(GlyphSourceX(GlyphCellOf(B(0x9F), true)) + kGlyphWidth, 600);
}

TEST(GlyphSheet, TextOfTheContrastLookInEitherCase) {
    struct Row { unsigned ch, upper, lower; };
    const Row rows[] = {{'Q', 'Q', 'q'},    {'q', 'Q', 'q'},    {0xC9, 0xC9, 0xE9}, {0xE9, 0xC9, 0xE9},
                        {0x8C, 0x8C, 0x9C}, {0x9F, 0x9F, 0xFF}, {0xDF, 0xDF, 0xDF}, {0xD1, 0xD1, 0xF1},
                        {'-', '-', '-'},    {'1', '1', '1'}};
    for (const Row& row : rows) {
        EXPECT_EQ(PhraseCharInCase(B(row.ch), true), B(row.upper)) << row.ch;
        EXPECT_EQ(PhraseCharInCase(B(row.ch), false), B(row.lower)) << row.ch;
    }
}

// Every pair the contrast look draws in keeps the contrast its role needs
// in each contrast theme of Windows 10 (High Contrast Black, White, #1,
// #2) and Windows 11 (Aquatic, Desert, Dusk, Night sky): the themes'
// window, window text, grey text, highlight and highlight text colours.
TEST(ContrastPairs, EveryPairIsReadableInEveryTheme) {
    struct Theme { const char* name; uint32_t window, text, gray, highlight, highlightText; };
    const Theme themes[] = {
        {"High Contrast Black", 0x000000, 0xFFFFFF, 0x3FF23F, 0x1AEBFF, 0x000000},
        {"High Contrast White", 0xFFFFFF, 0x000000, 0x600000, 0x37006E, 0xFFFFFF},
        {"High Contrast #1", 0x000000, 0xFFFF00, 0x00FF00, 0x008000, 0xFFFFFF},
        {"High Contrast #2", 0x000000, 0x00FF00, 0xFFFFFF, 0x0000FF, 0xFFFFFF},
        {"Aquatic", 0x202020, 0xFFFFFF, 0xA6A6A6, 0x8EE3F0, 0x263B50},
        {"Desert", 0xFFFAEF, 0x3D3D3D, 0x676767, 0x903909, 0xFFF5E3},
        {"Dusk", 0x2D3236, 0xFFFFFF, 0xA6A6A6, 0xA1BFDE, 0x212D3B},
        {"Night sky", 0x000000, 0xFFFFFF, 0xA6A6A6, 0xD6B4FD, 0x2B2B2B},
    };
    for (const Theme& t : themes) {
        const auto colour = [&t](SystemColour c) {
            switch (c) {
                case kColourWindow: return t.window;
                case kColourWindowText: return t.text;
                case kColourGrayText: return t.gray;
                case kColourHighlight: return t.highlight;
                case kColourHighlightText: return t.highlightText;
            }
            return 0xDEADu;
        };
        for (int role = 0; role < kContrastRoleCount; ++role) {
            const ContrastPair& pair = ContrastPairs[role];
            EXPECT_GE(ContrastRatio(colour(pair.Foreground), colour(pair.Background)), pair.LeastRatio)
                << t.name << ", role " << role;
        }
    }
    for (int role = 0; role < kContrastRoleCount; ++role)
        EXPECT_GE(ContrastPairs[role].LeastRatio, role == kRoleShape ? 3.0 : 4.5) << role;
    // The guidelines' own landmarks: black on white, and the grey that just
    // reaches 4.5:1 on white.
    EXPECT_NEAR(ContrastRatio(0x000000, 0xFFFFFF), 21.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(0xFFFFFF, 0x767676), 4.54, 0.01);
    EXPECT_NEAR(ContrastRatio(0x3D3D3D, 0x3D3D3D), 1.0, 1e-9);
}

TEST(InformationText, ShortTextsStayWholeLongOnesLoseThreeCharactersAtATime) {
    EXPECT_EQ(Fit("", 559), "");
    EXPECT_EQ(Fit("HELLO", 35), "HELLO");  // exactly fits
    // 10 characters, 70 pixels, in 63: 7 kept + "..." is 70, still too wide;
    // 4 kept + "..." is 49.
    EXPECT_EQ(Fit("ABCDEFGHIJ", 63), "ABCD...");
    EXPECT_EQ(Fit("ABCDEFGHIJ", 69), "ABCD...");
    EXPECT_EQ(Fit(std::string(100, 'x'), 559), std::string(76, 'x') + "...");
    // A width that nothing fits in ends with fewer than 3 characters kept.
    EXPECT_EQ(Fit("ABCDEFGH", 5), "AB...");
}

TEST(SceneStages, EachMissAddsTheTableStages) {
    EXPECT_EQ(Stages(4, 3), Range(11, 3));
    EXPECT_EQ(Stages(4, 2), Range(2, 2));
    EXPECT_EQ(Stages(4, 0), Range(0, 0));
    EXPECT_EQ(Stages(6, 5), Range(11, 5));
    EXPECT_EQ(Stages(6, 4), Range(4, 4));
    EXPECT_EQ(Stages(8, 7), Range(11, 7));
    EXPECT_EQ(Stages(8, 6), Range(6, 6));
    EXPECT_EQ(Stages(8, 5), Range(5, 5));
    EXPECT_EQ(Stages(10, 9), Range(11, 9));
    EXPECT_EQ(Stages(10, 8), Range(8, 8));
    EXPECT_EQ(Stages(10, 6), Range(6, 6));
    for (int16_t g = 11; g >= 0; --g) EXPECT_EQ(Stages(12, g), Range(g, g)) << g;
}

TEST(SceneStages, AGameEndsWithEveryStageDrawnOnce) {
    for (uint16_t max : {4, 6, 8, 10, 12}) {
        std::vector<int> all;
        for (int16_t g = static_cast<int16_t>(max - 1); g >= 0; --g) {
            for (int s : Stages(max, g)) all.push_back(s);
        }
        EXPECT_EQ(all, Range(11, 0)) << max;
    }
}

TEST(SceneStages, TheSunClimbsToItsTopPlace) {
    const StagePoint first = SunClimbPosition(1);
    EXPECT_EQ(first.x, 45);
    EXPECT_EQ(first.y, 80);
    const StagePoint last = SunClimbPosition(kSunClimb.Frames);
    EXPECT_EQ(last.x, SceneStages[1].x);
    EXPECT_EQ(last.y, SceneStages[1].y);
    EXPECT_EQ(SceneStages[1].x, 190);
    EXPECT_EQ(SceneStages[1].y, 51);
}

TEST(GuessMeterBlocks, BlockSizesAndPlacesForEveryMaxGuesses) {
    LayoutScene(0, 0);
    EXPECT_EQ(kMeterWipe.Frames, (GuessMeter.right - GuessMeter.left) / 2 - 2)
        << "the wipe closes in on the meter's middle, inside its frame";
    struct Row { uint16_t max; int height; int firstTop; int lastBottom; };
    const Row rows[] = {{4, 53, 122, 346}, {6, 37, 113, 355}, {8, 28, 108, 360},
                        {10, 22, 106, 362}, {12, 18, 104, 364}};
    for (const Row& row : rows) {
        const RegionRect first = MeterBlockRect(GuessMeter, row.max, 0);
        const RegionRect last = MeterBlockRect(GuessMeter, row.max, row.max - 1);
        EXPECT_EQ(first.left, 567) << row.max;
        EXPECT_EQ(first.right, 589) << row.max;
        EXPECT_EQ(first.bottom - first.top, row.height) << row.max;
        EXPECT_EQ(first.top, row.firstTop) << row.max;
        EXPECT_EQ(last.bottom, row.lastBottom) << row.max;
        EXPECT_GT(MeterBlockRect(GuessMeter, row.max, 1).top, first.bottom) << row.max;
    }
}
