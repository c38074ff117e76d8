// The characters of a list file made in another program (Notepad, a word
// processor, a spreadsheet): which encoding its bytes are in, the
// characters they stand for, and how those meet the Windows-1252 code page
// in which the game keeps every phrase and information text.
#ifndef WORDLOFT_WORDLISTS_LIST_TEXT_H
#define WORDLOFT_WORDLISTS_LIST_TEXT_H

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>

enum class TextEncoding : int16_t {
    Utf8WithMark,
    Utf8,
    Utf16LittleEndian,
    Utf16BigEndian,
    Utf16LittleEndianUnmarked,
    Utf16BigEndianUnmarked,
    Ansi,
};

// UTF-8 with its mark EF BB BF; UTF-16 with its mark (FF FE little-endian,
// as Notepad's "Unicode"; FE FF big-endian); UTF-16 without a mark when
// the file holds at least kUnmarkedUtf16Least bytes, and a zero in at
// least 90 % of its odd positions and in none of its even ones
// (little-endian), or the other way round (big-endian), as text of the
// Latin alphabet in UTF-16 has; UTF-8 without its mark when every byte
// forms valid UTF-8 and at least one character takes several bytes;
// anything else is text in the system's ANSI code page.
constexpr size_t kUnmarkedUtf16Least = 64;
TextEncoding DetectTextEncoding(const uint8_t* bytes, size_t size);
bool IsUtf16(TextEncoding encoding);

// The characters of a file's bytes in the encoding given, its mark left
// out. Bytes that form no character of the encoding become U+FFFD. Ansi
// is read here as Windows-1252; list_file.h reads it in the system's code
// page.
std::u32string DecodeText(const uint8_t* bytes, size_t size, TextEncoding encoding);
// UTF-16 units (no mark) as characters; a lone surrogate becomes U+FFFD.
std::u32string DecodeUtf16(const uint8_t* bytes, size_t size, bool bigEndian);

// Windows-1252 and Unicode. The five bytes the code page leaves undefined
// stand for the control characters of the same number, as on Windows.
char32_t UnicodeOfWindows1252(uint8_t byte);
// The Windows-1252 byte of a character; -1 when the code page has none.
int Windows1252Of(char32_t character);

// Characters written as UTF-8.
void AppendUtf8(std::string& text, char32_t character);
std::string Utf8Of(const std::u32string& characters);
std::string Utf8OfWindows1252(const std::string& text);

// A text of the program's string table, a pattern of game/text_format.h,
// made into a UTF-8 sentence with UTF-8 values (file names in any
// language): the messages about list files.
std::string ListMessage(int16_t id, std::initializer_list<std::string> values = {});

#endif
