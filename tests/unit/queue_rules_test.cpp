// What the pauses ask of the window's queue on each Windows, and what a click
// on the frame taken off the queue during a pause does once it is over.
#include <gtest/gtest.h>

#include "platform/frame_clicks.h"
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

TEST(FrameClicks, DoAfterThePauseWhatTheyWouldHaveDone) {
    using R = FrameClickReplay;
    constexpr int32_t kHitBorder = 12;  // HTTOP
    const struct {
        const char* Click;
        bool Double;
        int32_t Press;
        bool Released;
        int32_t Release;
        bool ButtonDown;
        R Replay;
    } rows[] = {
        {"close box, released on it", false, kHitCloseBox, true, kHitCloseBox, false, R::Close},
        {"close box, slid off before the release", false, kHitCloseBox, true, kHitCaption, false, R::Nothing},
        {"close box, released outside the window", false, kHitCloseBox, false, 0, false, R::Nothing},
        {"close box, still held", false, kHitCloseBox, false, 0, true, R::PressAgain},
        {"close box finished, the button down again", false, kHitCloseBox, true, kHitCloseBox, true, R::Close},
        {"minimize box", false, kHitMinimizeBox, true, kHitMinimizeBox, false, R::Minimize},
        {"minimize box, released on the close box", false, kHitMinimizeBox, true, kHitCloseBox, false, R::Nothing},
        {"menu bar", false, kHitMenu, true, kHitMenu, false, R::PressAgain},
        {"menu bar, still held", false, kHitMenu, false, 0, true, R::PressAgain},
        {"system-menu icon", false, kHitSystemMenu, true, kHitSystemMenu, false, R::PressAgain},
        {"system-menu icon, double click", true, kHitSystemMenu, true, kHitSystemMenu, false, R::Close},
        {"system-menu icon, double click still held", true, kHitSystemMenu, false, 0, true, R::Close},
        {"caption", false, kHitCaption, true, kHitCaption, false, R::Nothing},
        {"caption, double click", true, kHitCaption, true, kHitCaption, false, R::Nothing},
        {"caption, still held (a drag)", false, kHitCaption, false, 0, true, R::PressAgain},
        {"border", false, kHitBorder, true, kHitBorder, false, R::Nothing},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Click);
        EXPECT_EQ(ReplayFrameClick(row.Double, row.Press, row.Released, row.Release, row.ButtonDown), row.Replay);
    }
}
