// The main window's menu marks and greying, and its caption: which word
// source, MaxGuesses, sound and scoring settings are in effect, and which
// items can be chosen now. Every mark changes only through these calls
// (CheckWordSourceItem, SetSourceTitle, CheckMaxGuessesItem and the game menu
// greying are requests of the game, declared in game/requests.h).
#ifndef WORDLOFT_APP_MENU_STATE_H
#define WORDLOFT_APP_MENU_STATE_H

#include <windows.h>

#include "game/requests.h"

// Takes the main window's menu bar and its Words and MaxGuesses popups.
void FetchMainMenus(HWND window);

void UpdateSoundCheck();
void UpdateScoringCheck();
// The check mark of the language the words are played in.
void UpdateWordLanguageCheck();
// The Words menu's categories named for the language the words are
// played in (the Random Categories dialog takes their names from there).
void ShowCategoryNames();

#endif
