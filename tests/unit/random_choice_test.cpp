// The generator's exact numbers and the non-repeating draw.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "game/random_choice.h"
#include "game/sound_cues.h"
#include "records/preferences.h"
#include "tests/unit/fake_requests.h"

TEST(RandomGenerator, GivesTheLinearCongruentialSequence) {
    // The classic C library sequence for seed 1.
    SeedRandom(1);
    const int16_t expected[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464};
    for (int16_t value : expected) EXPECT_EQ(NextRandomValue(), value);
    // Bits 16 to 30 of the state: a seed whose product sets bit 31.
    SeedRandom(0x80000000u);
    EXPECT_EQ(NextRandomValue(), static_cast<int16_t>(((0x80000000u * 214013u + 2531011u) >> 16) & 0x7FFF));
}

TEST(RandomGenerator, RangesScaleTheRawValueAndStayInside) {
    SeedRandom(1);
    // 41 * 10 / 32768 = 0, 18467 * 10 / 32768 = 5, 6334 -> 1, 26500 -> 8.
    EXPECT_EQ(RandomInRange(0, 9), 0);
    EXPECT_EQ(RandomInRange(0, 9), 5);
    EXPECT_EQ(RandomInRange(0, 9), 1);
    EXPECT_EQ(RandomInRange(0, 9), 8);
    SeedRandom(12345);
    std::set<int16_t> seen;
    for (int i = 0; i < 2000; ++i) {
        EXPECT_EQ(RandomInRange(0, 0), 0);
        const int16_t v = RandomInRange(0, 9);
        ASSERT_GE(v, 0);
        ASSERT_LE(v, 9);
        seen.insert(v);
        const int16_t w = RandomInRange(-3, 3);
        ASSERT_GE(w, -3);
        ASSERT_LE(w, 3);
    }
    EXPECT_EQ(seen.size(), 10u);
}

TEST(NonRepeatingDraw, EveryPositionOnceACycleThenANewCycle) {
    ResetFake();
    ClearUsedPhrases();
    SeedRandom(99);
    std::set<int16_t> drawn;
    for (int i = 0; i < 10; ++i) drawn.insert(PickUnusedIndex(35, 10));
    EXPECT_EQ(drawn.size(), 10u);
    // The eleventh draw starts over; the next nine complete that cycle.
    std::set<int16_t> second;
    for (int i = 0; i < 10; ++i) second.insert(PickUnusedIndex(35, 10));
    EXPECT_EQ(second.size(), 10u);
    // Lists keep separate rows; one phrase gives that phrase every time.
    for (int i = 0; i < 5; ++i) EXPECT_EQ(PickUnusedIndex(3, 1), 0);
}

TEST(NonRepeatingDraw, CollisionTakesTheNextFreePositionWrapping) {
    ResetFake();
    ClearUsedPhrases();
    // With seed 1 the first RandomInRange(0, 3) is 0, then 2, 0, 3.
    SeedRandom(1);
    EXPECT_EQ(PickUnusedIndex(7, 4), 0);
    EXPECT_EQ(PickUnusedIndex(7, 4), 2);
    EXPECT_EQ(PickUnusedIndex(7, 4), 1);  // 0 taken: the next free after it
    EXPECT_EQ(PickUnusedIndex(7, 4), 3);
}

TEST(NonRepeatingDraw, BadListIdsBeepAndGiveZero) {
    ResetFake();
    EXPECT_EQ(PickUnusedIndex(-1, 5), 0);
    EXPECT_EQ(PickUnusedIndex(100, 5), 0);
    EXPECT_EQ(CallsStartingWith("Beep").size(), 2u);
}

TEST(SoundCueNames, VariantsAreUniformAndFixedCuesDrawNothing) {
    SeedRandom(5);
    std::map<std::string, int> hits;
    for (int i = 0; i < 6000; ++i) hits[SoundCueResourceName(0)]++;
    EXPECT_EQ(hits.size(), 6u);
    for (const auto& entry : hits) {
        EXPECT_GT(entry.second, 850) << entry.first;
        EXPECT_LT(entry.second, 1150) << entry.first;
    }
    std::set<std::string> misses;
    for (int i = 0; i < 500; ++i) misses.insert(SoundCueResourceName(1));
    EXPECT_EQ(misses.size(), 10u);
    EXPECT_TRUE(misses.count("MISSLETTER10"));

    SeedRandom(5);
    const int16_t before = NextRandomValue();
    SeedRandom(5);
    EXPECT_STREQ(SoundCueResourceName(21), "DOORDROP");
    EXPECT_STREQ(SoundCueResourceName(4), "SHOWLETTER");
    EXPECT_EQ(NextRandomValue(), before);  // no number was drawn
    EXPECT_EQ(SoundCueResourceName(22), nullptr);
    EXPECT_EQ(SoundCueResourceName(-1), nullptr);
}
