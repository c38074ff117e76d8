// The pauses that pace every animation and sound, and what the window's
// queue gets meanwhile.
//
// A pause handles no input: the player can do nothing until it is over.
// But the thread keeps taking messages off its queue, so that no message
// waits long enough for Windows to call the window hung and a screen
// reader is never kept waiting:
// - messages other programs send, and the calls into the accessible
//   objects, are answered at once;
// - a paint of the main window only copies the scene already drawn (the
//   window procedure sees PauseUnderWay() and calls PaintAgainAfterPause);
//   the area waits to be painted properly once the pause is over, as any
//   paint request waited through a pause;
// - commands, close requests, non-client input (the caption, the close
//   box) and every other posted message are held and posted again, in
//   order, once the guess or pause is over (platform/held_messages.h);
// - keyboard, mouse, pen and touch input of the client area waits in the
//   queue, except during a game's end (BeginGameEnd up to
//   FlushPendingInput), when it is taken off as it arrives and dropped, as
//   FlushPendingInput would have dropped it at the end.
// The engine's requests DelayMilliseconds, BeginGameEnd and
// FlushPendingInput (game/requests.h) are defined here.
#ifndef WORDLOFT_PLATFORM_PAUSES_H
#define WORDLOFT_PLATFORM_PAUSES_H

#include <windows.h>

#include "game/requests.h"

// Waits until the event (when not null) is signalled, all doneFlags are
// set in *flags (when flags is not null; looked at every 50 ms at least)
// or ms milliseconds have passed, serving the queue as above; true when
// the event or the flags ended the wait. The sound cues wait for their end
// through it.
bool WaitServingQueue(HANDLE event, DWORD ms, const volatile DWORD* flags = nullptr, DWORD doneFlags = 0);

// True while a pause or a sound waits.
bool PauseUnderWay();

// A paint inside a pause only copied this client area of the window: it is
// painted again, properly, once the pause is over (the main window's; one
// window at a time).
void PaintAgainAfterPause(HWND window, const RECT& area);

// A guess holds requests from its start to its end, pauses or not; the
// held ones are posted again when the outermost span ends. Every pause is
// such a span of its own.
void BeginHoldingRequests();
void EndHoldingRequests();
bool RequestsHeld();

// Holds a message that reached a window procedure while requests are held
// (sent by another program, or handed on by the message loop of a dialog
// that a guess opened). A close request is never lost.
void HoldRequest(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

#endif
