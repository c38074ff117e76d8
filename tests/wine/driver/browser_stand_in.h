// The player's web browser, stood in for: a small program registered for
// .htm pages that records every page the program opens through the file
// association. The help scenarios and the folder-name scenario share it.
#ifndef WORDLOFT_TESTS_BROWSER_STAND_IN_H
#define WORDLOFT_TESTS_BROWSER_STAND_IN_H

#include <windows.h>

#include <string>
#include <vector>

// A whole file's bytes; empty when it cannot be read.
std::string ReadText(const std::string& path);

// Registered for .htm pages while one lives. With none set, no program at
// all is associated with .htm pages meanwhile, so opening a page fails.
// The prefix has no .htm association of its own; one it has is put back at
// the end.
struct PageRecorder {
    explicit PageRecorder(bool none = false);
    ~PageRecorder();
    PageRecorder(const PageRecorder&) = delete;
    PageRecorder& operator=(const PageRecorder&) = delete;
    // The next page the browser was given (UTF-8, as the shell passed it),
    // waiting up to timeoutMs; empty when none came.
    std::string NextPage(DWORD timeoutMs);
    std::vector<std::string> Pages() const;

    bool Registered = false;
    size_t Seen = 0;
    bool HadClass = false;
    std::string OldClass;
};

#endif
