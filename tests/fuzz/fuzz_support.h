// What the fuzz targets share: a scratch Windows directory, the real
// category texts for the recording shell, the checks every game must pass,
// and playing a few guesses.
#ifndef WORDLOFT_TESTS_FUZZ_SUPPORT_H
#define WORDLOFT_TESTS_FUZZ_SUPPORT_H

#include <cstddef>
#include <cstdint>
#include <string>

// Resets the shell, the game and the record, seeds the generator, and
// gives the shell a scratch Windows directory and the 51 category texts.
void StartFuzzRun();

// The scratch folder (created once per process).
const std::string& ScratchFolder();

// Writes bytes to a file.
void WriteBytes(const std::string& path, const uint8_t* data, size_t size);

// Stops the run (a finding) when the game in progress or the record is not
// in range: a terminated phrase of 1 to 26 characters with a letter to
// guess, MaxGuesses and its index in step, the counts within their lists.
void CheckGameAndRecord();
// The record's part of those checks alone, before any game is set up.
void CheckRecord();

// Guesses the letters of text in turn, checking after each guess.
void PlayGuesses(const char* letters);

#endif
