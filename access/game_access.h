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
// letter panel answers WM_GETOBJECT and raises its letters' events.
enum GameAccessChild : long {
    kAccessPhrase = 1,
    kAccessLetters = 2,
    kAccessGuessesLeft = 3,
    kAccessStatistics = 4,
    kAccessInformation = 5,
    kAccessFace = 6,
    kAccessCaseToggle = 7,
    kAccessAnnouncement = 8,
    kAccessChildCount = 8,
    // Each announcement keeps its own number among these, so that a
    // client reading it late still reads that announcement.
    kAccessFirstAnnouncement = 101,
    kAccessAnnouncementSlots = 8,
};
constexpr LONG kLetterPanelObjectId = 1;

// WM_GETOBJECT of the main window.
LRESULT AnswerGameObject(HWND window, WPARAM wParam, LPARAM lParam);

// The window has the keyboard focus: the phrase is the focused element.
void NoteGameFocus();

// A click changed what a region shows (statistics panel, case toggle,
// face).
void NoteRegionChanged(SceneRegionId region);

// The key that tells the whole game once more (Space).
void RepeatGameState();

// The window is being destroyed: every client is cut off.
void ReleaseGameObjects();

#endif
