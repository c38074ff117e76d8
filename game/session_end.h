// When Windows ends the session with the game open (signing out, shutting
// down, restarting for an update), the process is ended without the main
// window's destruction, so the record is kept here instead: once, without
// a dialog, a sound or a message box.
#ifndef WORDLOFT_GAME_SESSION_END_H
#define WORDLOFT_GAME_SESSION_END_H

#include <cstdint>

// The name a winning streak is filed under when the session ends before
// the player could be asked for one, and no name was typed in this run.
constexpr char kUnnamedPlayer[] = "(no name)";

// Saves the record as the program's end does, quietly. What a dialog was
// editing in place without Done is left out, as Cancel leaves it; a
// winning streak that the scoreboard has not been offered yet and that
// enters it (scoring on) is filed under the last name typed in this run, or
// kUnnamedPlayer. 1 when the record reached its file.
int16_t KeepRecordAtSessionEnd();

#endif
