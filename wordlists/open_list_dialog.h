// The question asked when a list file comes from outside the game (the
// command line, a drop on the window, a second copy of the program) while
// the Custom Words list already holds entries: replace the list with the
// file's entries, add them to it, or leave it.
#ifndef WORDLOFT_WORDLISTS_OPEN_LIST_DIALOG_H
#define WORDLOFT_WORDLISTS_OPEN_LIST_DIALOG_H

#include <windows.h>

#include <string>

enum class OpenListChoice { Replace, Add, Cancel };

// Runs the dialog, which names the file (UTF-8) and its number of usable
// entries. "Add to list" is offered only while the list holds fewer than
// 200 entries.
OpenListChoice AskReplaceOrAdd(HWND owner, const std::string& fileName, int usable);

#endif
