// Requests the game engine makes of the rest of the program, beside those
// the record makes (records/record_requests.h), which it makes too.
//
// Every function here is platform-free in its signature. The Windows build
// links the definitions of the window shell (sounds, drawing, menus,
// dialogs, resources, message boxes); the unit tests link a recording fake
// that logs each call in order.
#ifndef WORDLOFT_GAME_REQUESTS_H
#define WORDLOFT_GAME_REQUESTS_H

#include <cstddef>
#include <cstdint>

#include "records/record_requests.h"

// Sound cue ids, in the order of the list of sound cues in
// game/sound_cues.h, which the build checks them against.
enum SoundId : int16_t {
    kSoundGotLetter = 0,
    kSoundMissLetter = 1,
    kSoundWinGame = 2,
    kSoundLoseGame = 3,
    kSoundShowLetter = 4,
    kSoundStartup = 5,
    kSoundShutdown = 6,
    kSoundFour = 7,
    kSoundSix = 8,
    kSoundEight = 9,
    kSoundTen = 10,
    kSoundTwelve = 11,
    kSoundGasp = 12,
    kSoundScoreIn = 13,
    kSoundScoreOut = 14,
    kSoundUp = 15,
    kSoundDown = 16,
    kSoundGuessClick = 17,
    kSoundFaceClick = 18,
    kSoundGetName = 19,
    kSoundFlashClick = 20,
    kSoundDoorDrop = 21,
    kSoundIdCount  // how many cues there are
};

// The fixed regions of the scene that can be repainted on request.
enum SceneRegionId : int16_t {
    kRegionScene = 0,
    kRegionStatisticsPanel,
    kRegionSceneBox,
    kRegionPhraseBand,
    kRegionLetterPanel,
    kRegionInformationLine,
    kRegionFaceBox,
    kRegionCaseToggleBox,
    kRegionGuessMeter,
};

// Each group names the file that answers it; that file marks its answers
// with the line "// ---- Requests answered here ----".

// ---- Sound: platform/sound_playback.cpp ----
// Plays a cue to its end (or returns at once when sound is off).
void PlaySoundCue(int16_t id);

// ---- Menus and caption: app/menu_state.cpp ----
void CheckWordSourceItem(uint32_t command);
void SetSourceTitle();
void DisableGameMenus();
void EnableGameMenus();
// Enables or greys the Use Custom Words and Use Random Words items.
void SetUseCustomWordsEnabled(bool on);
void SetUseRandomWordsEnabled(bool on);
// Puts the MaxGuesses check mark on item index (0..4: 4, 6, 8, 10, 12).
void CheckMaxGuessesItem(uint16_t index);

// ---- Messages, strings and the beep: platform/utilities.cpp ----
// (ShowErrorMessage: records/record_requests.h.)
void BeepIfSoundOn();
// Loads a string of the program's string table into buffer (at least 100
// bytes); returns the number of characters, 0 and an empty text if missing.
int LoadResourceString(int16_t id, char* buffer, size_t size);
int ShowInfoMessage(const char* text);
// A Yes/No/Cancel question with the question-mark icon, captioned with the
// product title; true only for Yes.
bool AskYesNoCancel(const char* text);

// ---- The game's end and its input: platform/pauses.cpp ----
// (DelayMilliseconds: records/record_requests.h.)
// The guess being judged ends the game: from here to FlushPendingInput,
// keyboard and mouse input that arrives during a pause is dropped.
void BeginGameEnd();
// Throws away the keyboard and mouse input queued during a game's end.
void FlushPendingInput();

// ---- Repaints: render/scene_buffer.cpp ----
// Repaints one region grown by margin on every side (negative shrinks it),
// with background erase, at the next paint.
void InvalidateRegion(SceneRegionId region, int16_t margin);

// ---- The letter panel: render/letter_panel.cpp ----
void DrawLetterCellUsed(int16_t letterIndex);

// ---- The phrase band and the information line: render/phrase_display.cpp ----
void ClearPhraseBand();
void DrawPhrase();
void ShowInformation(const char* text);
// Inverts the phrase band, inset by 2 pixels, once. 0 when the window
// could not be drawn on (the shell has beeped); 1 otherwise.
int16_t InvertPhraseBand();

// ---- The guess meter: render/guess_meter.cpp ----
void WipeGuessMeter();
void DrawGuessMeter();

// ---- The scene box: render/scene_stages.cpp ----
void DrawStagesAfterMiss();

// ---- The Entered Word dialog: wordlists/entered_word_dialog.cpp ----
// Asks another person for the phrase of the next game; 1 when a phrase was
// accepted (it has set Phrase, PhraseLength and Information), 0 when not.
int16_t AskEnteredWord();

// ---- The scoreboard's dialogs: scoreboard/scoreboard_dialog.cpp ----
// The winning-streak name dialog; it makes the scoreboard entry.
void AskStreakName();
void ShowScoreboard(int16_t afterStreakEntry);

// ---- What a screen reader is told: access/game_access.cpp ----
// The moments of a game, told to assistive technology. Nothing is composed
// or sent while no screen reader has asked the window for its contents.
// A fresh game is set up and its phrase drawn.
void AnnounceNewGame();
// A guess the engine accepted and judged: found is the number of phrase
// positions the letter filled, 0 for a miss (GuessesLeft already lowered).
void AnnounceGuess(int16_t letterIndex, int16_t found);
// A game ended (won 1, lost 0): the phrase is complete on the band and the
// information line shows the game's information.
void AnnounceGameEnd(int16_t won);
// An ended winning streak is about to be offered to the scoreboard.
void AnnounceStreakOffer();

// ---- Category texts: platform/category_resource.cpp ----
// Copies the text of a built-in category into buffer, zero-terminated,
// dropping the text's last byte; reports failure with the message of
// errorStringId and returns 0.
int16_t LoadCategoryText(const char* resourceName, char* buffer, size_t size,
                         int16_t errorStringId);

#endif
