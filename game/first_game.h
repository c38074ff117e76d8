// The start of a run once the record is read and the window is up: the
// word-source items enabled or greyed, a source with nothing to offer
// replaced by Entered Word, and the first game.
#ifndef WORDLOFT_GAME_FIRST_GAME_H
#define WORDLOFT_GAME_FIRST_GAME_H

// A Custom Words source with an empty list, or Random Words with no
// category selected, falls back to Entered Word and the record is saved;
// then the first game starts. Nobody is asked for a phrase at start-up:
// with Entered Word as the source the first game comes from "Authors" and
// the source stays.
void StartFirstGame();

#endif
