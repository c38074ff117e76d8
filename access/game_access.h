// The main window as a screen reader sees it: the painted regions as
// accessible objects and the game's moments as the events screen readers
// listen to. Nothing is made and nothing is sent until a client asks the
// window for its object (WM_GETOBJECT): a player without a screen reader
// pays for none of it.
#ifndef WORDLOFT_ACCESS_GAME_ACCESS_H
#define WORDLOFT_ACCESS_GAME_ACCESS_H

#include <windows.h>

#include "game/requests.h"

// The children of the main window's client object, in the order of the
// painted scene as it is read, and the custom object id under which the
// letter panel answers WM_GETOBJECT and raises its letters' events. (The
// announcements are the announcer's, access/announcer.h.)
enum GameAccessChild : long {
    kAccessPhrase = 1,
    kAccessLetters = 2,
    kAccessGuessesLeft = 3,
    kAccessStatistics = 4,
    kAccessInformation = 5,
    kAccessFace = 6,
    kAccessCaseToggle = 7,
    kAccessChildCount = 7,
};
constexpr LONG kLetterPanelObjectId = 1;

// WM_GETOBJECT of the main window.
LRESULT AnswerGameObject(HWND window, WPARAM wParam, LPARAM lParam);

// The window has the keyboard focus: the phrase is the focused element.
// Told once the message under way is over, and not at all when a new game
// was announced meanwhile (the focus came back from a dialog the end of a
// game opened: the announcement has said what the phrase holds).
void NoteGameFocus();

// A click changed what a region shows (statistics panel, case toggle,
// face).
void NoteRegionChanged(SceneRegionId region);

// The key that tells the whole game once more (Space).
void RepeatGameState();

// The window is being destroyed: every client is cut off, and nothing is
// made again.
void ReleaseGameObjects();

#endif
