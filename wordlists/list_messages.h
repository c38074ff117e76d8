// The messages about list files that quote the player's own texts and
// names: the report of the lines a list file could not give as they
// stood, and the notes that name a file (ShowListNote, list_file.h). Their
// texts are UTF-8 and are shown through the wide-character message box,
// so that a line or a file name in any language reads as it was written.
#ifndef WORDLOFT_WORDLISTS_LIST_MESSAGES_H
#define WORDLOFT_WORDLISTS_LIST_MESSAGES_H

#include <windows.h>

#include <string>

#include "wordlists/list_report.h"

// Shows the report of a list read from the file of that name, when it has
// something to say: with the information icon, or as an error when the
// list was left unchanged. Owned by owner, or by the window in front when
// it is null.
void ShowListReport(const ListReport& report, const std::string& fileName, HWND owner = nullptr);

// An information box (caption ProductTitle) with a UTF-8 text, owned by
// owner.
int ShowListNoteOwned(const std::string& text, HWND owner);

#endif
