// Libraries of Windows that the program loads by name are taken from the
// system folder by their full path, never found through the search path:
// a library of the same name planted in the program's folder or in the
// current folder (a word list's folder, when the list is opened from
// Explorer) is never loaded.
#ifndef WORDLOFT_PLATFORM_SYSTEM_LIBRARY_H
#define WORDLOFT_PLATFORM_SYSTEM_LIBRARY_H

#include <windows.h>

// Takes the current folder out of the search for every library loaded
// later by name (by Windows itself, or by a component the program uses).
// Called first thing at start-up.
void KeepCurrentFolderOutOfLibrarySearch();

// Loads the named library ("winmm.dll") from the system folder; nullptr
// with the error set when it cannot, as LoadLibrary.
HMODULE LoadSystemLibrary(const char* name);

// A function of a loaded library, or nullptr where this Windows lacks it.
template <typename Function>
Function LibraryFunction(HMODULE library, const char* name) {
    return library ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name))) : nullptr;
}

#endif
