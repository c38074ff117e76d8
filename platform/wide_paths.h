// File and folder names between the program and the system. Inside the
// program a name is UTF-8 text; the system is always asked through its
// wide-character calls, so that a folder or user name outside the ANSI
// code page (Cyrillic on a Western-locale PC, say) arrives intact. The
// game's own texts stay in the ANSI code page (Windows-1252).
#ifndef WORDLOFT_PLATFORM_WIDE_PATHS_H
#define WORDLOFT_PLATFORM_WIDE_PATHS_H

#include <windows.h>

#include <cstdint>
#include <string>

// A UTF-8 name as the wide-character calls take it, and back.
std::wstring WidePath(const char* utf8);
std::string Utf8Path(const wchar_t* wide);

// A text of the program's own, in its ANSI code page, as wide characters.
std::wstring WideText(const char* text);

// Copies a UTF-8 name into a buffer of size bytes; the size it needs
// (with the terminator) when it does not fit, else its length.
uint32_t CopyUtf8Path(const std::string& name, char* buffer, uint32_t size);

// The program's own file, read whole; false when its name is longer than
// MAX_PATH characters (the call would cut it, and a cut name would name
// another folder).
bool ReadProgramFile(std::wstring& path);
// The folder of the program's own file, with its final "\"; false as
// above.
bool ReadProgramFolder(std::wstring& folder);

// An error box (caption "Error") whose text is the program's text with a
// name of any language in place of its "{0}".
int ShowErrorMessageNaming(const std::string& text, const std::wstring& name);

#endif
