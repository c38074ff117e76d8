// The messages a guess or a pause takes off the window's queue and posts
// again, in order, once it is over (platform/pauses.h says what a pause
// takes); the input a game's end drops instead.
#ifndef WORDLOFT_PLATFORM_HELD_MESSAGES_H
#define WORDLOFT_PLATFORM_HELD_MESSAGES_H

#include <windows.h>

// Keyboard, mouse (wheels and extra buttons too), touch and pointer input
// of the client area: what a game's end drops.
bool IsGameEndInput(UINT message);

// Removes every such message waiting in the thread's queue.
void RemoveGameEndInput();

// Non-client input a pause takes: the frame's buttons and pen or touch on
// the frame. Moves over the frame come with it.
constexpr UINT kFirstFrameMessage = WM_NCMOUSEMOVE;
constexpr UINT kLastFrameMessage = 0x00AD;  // WM_NCXBUTTONDBLCLK
constexpr UINT kFirstFramePointerMessage = 0x0241;  // WM_NCPOINTERUPDATE
constexpr UINT kLastFramePointerMessage = 0x0243;   // WM_NCPOINTERUP

// Keeps a message to be posted again. Every posted message that is not
// input is kept, however many; input on the frame is kept up to a limit,
// beyond which it is dropped; of the pointer's moves over the frame only
// the latest is kept. A quit request is kept apart and posted last.
void HoldMessage(const MSG& message);

// Posts everything held, in order, and forgets it. Clicks on the frame do
// what they would have done (platform/frame_clicks.h); a dropped file
// whose window is gone is released.
void PostHeldMessages();

#endif
