// What a click on the window's frame, taken off the queue during a pause,
// does once the pause is over: what it would have done had it waited, as
// far as the system still allows. Portable: a unit table checks the rules.
#ifndef WORDLOFT_PLATFORM_FRAME_CLICKS_H
#define WORDLOFT_PLATFORM_FRAME_CLICKS_H

#include <cstdint>

// The hit-test codes of winuser.h that the rules tell apart.
constexpr int32_t kHitCaption = 2;
constexpr int32_t kHitSystemMenu = 3;
constexpr int32_t kHitMenu = 5;
constexpr int32_t kHitMinimizeBox = 8;
constexpr int32_t kHitCloseBox = 20;

enum class FrameClickReplay {
    Nothing,     // the click has done all it does (a caption click activated the window)
    PressAgain,  // the press is posted again for Windows to handle: a menu opens, or a press
                 // still held is tracked by the frame from now on
    Close,       // SC_CLOSE
    Minimize,    // SC_MINIMIZE
};

// A press of the primary button on the frame (a double click when
// doubleClick), at pressHit; released tells whether its release was taken
// during the pause too, at releaseHit; buttonDown whether the button is
// down as the pause ends.
// - A double click on the system-menu icon closes the window.
// - A press still held is left to Windows: it is posted again, and the
//   frame tracks it from there (a press released outside the window is
//   never seen released, and does nothing).
// - The close and minimize boxes act only when the press and the release
//   were both on the box.
// - A click on the menu bar or the system-menu icon opens that menu.
FrameClickReplay ReplayFrameClick(bool doubleClick, int32_t pressHit, bool released, int32_t releaseHit,
                                  bool buttonDown);

#endif
