// Requests the game engine and the records make of the rest of the program.
//
// Every function here is platform-free in its signature. The Windows build
// links the definitions of the window shell (sounds, drawing, menus,
// dialogs, resources, message boxes); the unit tests link a recording fake
// that logs each call in order.
#ifndef WORDLOFT_GAME_REQUESTS_H
#define WORDLOFT_GAME_REQUESTS_H

#include <cstddef>
#include <cstdint>
#include <cstdio>

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

// ---- Sound ----
// Plays a cue to its end (or returns at once when sound is off).
void PlaySoundCue(int16_t id);

// ---- Menus and caption ----
void CheckWordSourceItem(uint32_t command);
void SetSourceTitle();
void DisableGameMenus();
void EnableGameMenus();
// Enables or greys the Use Custom Words and Use Random Words items.
void SetUseCustomWordsEnabled(bool on);
void SetUseRandomWordsEnabled(bool on);
// Puts the MaxGuesses check mark on item index (0..4: 4, 6, 8, 10, 12).
void CheckMaxGuessesItem(uint16_t index);

// ---- Utilities ----
void BeepIfSoundOn();
void DelayMilliseconds(int16_t ms);
// Loads a string of the program's string table into buffer (at least 100
// bytes); returns the number of characters, 0 and an empty text if missing.
int LoadResourceString(int16_t id, char* buffer, size_t size);
// Repaints one region grown by margin on every side (negative shrinks it),
// with background erase, at the next paint.
void InvalidateRegion(SceneRegionId region, int16_t margin);
int ShowInfoMessage(const char* text);
int ShowErrorMessage(const char* text);
// A Yes/No/Cancel question with the question-mark icon, captioned with the
// product title; true only for Yes.
bool AskYesNoCancel(const char* text);
// Throws away the keyboard and mouse input queued during a game's end.
void FlushPendingInput();

// ---- Drawing ----
void DrawLetterCellUsed(int16_t letterIndex);
void ClearPhraseBand();
void DrawPhrase();
void ShowInformation(const char* text);
// Inverts the phrase band, inset by 2 pixels, once. 0 when the window
// could not be drawn on (the shell has beeped); 1 otherwise.
int16_t InvertPhraseBand();
void WipeGuessMeter();
void DrawGuessMeter();
void DrawStagesAfterMiss();

// ---- Dialogs ----
// Asks another person for the phrase of the next game; 1 when a phrase was
// accepted (it has set Phrase, PhraseLength and Information), 0 when not.
int16_t AskEnteredWord();
// The winning-streak name dialog; it makes the scoreboard entry.
void AskStreakName();
void ShowScoreboard(int16_t afterStreakEntry);

// ---- What a screen reader is told ----
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

// ---- Resources and the system ----
// Copies the text of a built-in category into buffer, zero-terminated,
// dropping the text's last byte; reports failure with the message of
// errorStringId and returns 0.
int16_t LoadCategoryText(const char* resourceName, char* buffer, size_t size,
                         int16_t errorStringId);
//
// File and folder names are UTF-8 text, so that a name in any language
// reaches the file system intact; the shell hands them to the system's
// wide-character calls. The texts inside the files stay Windows-1252.
//
// The Windows directory: the number of bytes written (without the
// terminator), 0 on failure, or the size needed when it does not fit.
uint32_t QueryWindowsDirectory(char* buffer, uint32_t size);
// The directory the preference file is written to, answered like
// QueryWindowsDirectory: the Windows directory where this program may
// write there itself, otherwise a folder of the user's own.
uint32_t QueryPreferenceDirectory(char* buffer, uint32_t size);
// The user's own copy of the Windows directory, where Windows kept the
// files that programs without an execution level in their manifest wrote
// there (the VirtualStore), answered like QueryWindowsDirectory; 0 when the
// system has none.
uint32_t QueryVirtualStoreDirectory(char* buffer, uint32_t size);
// A file opened for binary reading; null when it cannot be.
std::FILE* OpenFileForReading(const char* path);
// Removes a file; 1 when it is gone.
int16_t RemoveFile(const char* path);
// Moves a finished file over the one it replaces in a single step; 1 on
// success, 0 with both files left as they were.
int16_t MoveFileOver(const char* from, const char* to);
// Writing a file that MoveFileOver then puts in place: created (or
// truncated) for binary writing, null when it cannot be; the number of
// bytes that reached it; 1 when the bytes are flushed to the disk; 1 when
// it closed cleanly (it is closed either way).
std::FILE* CreateFileForWriting(const char* path);
size_t WriteFileBytes(std::FILE* file, const void* bytes, size_t size);
int16_t FlushWrittenFile(std::FILE* file);
int16_t CloseWrittenFile(std::FILE* file);

#endif
