// What the pauses ask of the window's queue on each Windows.
#include <gtest/gtest.h>

#include "platform/queue_flags.h"

TEST(QueueFlags, WindowsEightKindsOnlyWhereTheSystemTakesThem) {
    const struct {
        uint32_t Major, Minor;
        bool Refused;
        uint32_t Wake, InputPeek;
    } rows[] = {
        {5, 1, false, 0x04FF, 0x04070000},  // XP
        {5, 2, false, 0x04FF, 0x04070000},  // XP x64, Server 2003
        {6, 0, false, 0x04FF, 0x04070000},  // Vista
        {6, 1, false, 0x04FF, 0x04070000},  // 7
        {6, 2, false, 0x1CFF, 0x1C070000},  // 8
        {6, 3, false, 0x1CFF, 0x1C070000},  // 8.1
        {10, 0, false, 0x1CFF, 0x1C070000}, // 10 and 11
        {10, 0, true, 0x04FF, 0x04070000},  // a system that refuses them all the same
        {0, 0, false, 0x04FF, 0x04070000},  // a version that could not be read
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.Major << "." << row.Minor << (row.Refused ? " refused" : ""));
        const QueueFlags flags = QueueFlagsFor(row.Major, row.Minor, row.Refused);
        EXPECT_EQ(flags.Wake, row.Wake);
        EXPECT_EQ(flags.InputPeek, row.InputPeek);
    }
}
