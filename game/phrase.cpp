// Phrase rules over Windows-1252 bytes: the 26 letters A..Z, the 57
// accented letters that fold to one of them, and the space.
#include "game/phrase.h"

#include <cstring>

namespace {

// Base letter of every byte 0x80..0xFF that is a phrase letter, 0 for the
// others. Indexed by byte - 0x80.
const char kAccentedBase[128] = {
    // 0x80..0x8F: 0x8C is the capital OE ligature
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 'O', 0, 0, 0,
    // 0x90..0x9F: 0x9C small oe ligature, 0x9F capital Y with diaeresis
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 'O', 0, 0, 'Y',
    // 0xA0..0xBF: no letters
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    // 0xC0..0xCF: A grave .. I diaeresis
    'A', 'A', 'A', 'A', 'A', 'A', 'A', 'C', 'E', 'E', 'E', 'E', 'I', 'I', 'I', 'I',
    // 0xD0..0xDF: eth, N tilde, O grave..O diaeresis, times, O slash,
    // U grave..U diaeresis, Y acute, thorn, sharp s
    0, 'N', 'O', 'O', 'O', 'O', 'O', 0, 0, 'U', 'U', 'U', 'U', 0, 0, 'S',
    // 0xE0..0xEF: the small forms of 0xC0..0xCF
    'A', 'A', 'A', 'A', 'A', 'A', 'A', 'C', 'E', 'E', 'E', 'E', 'I', 'I', 'I', 'I',
    // 0xF0..0xFF: eth, n tilde, o grave..o diaeresis, divide, o slash,
    // u grave..u diaeresis, y acute, thorn, y diaeresis
    0, 'N', 'O', 'O', 'O', 'O', 'O', 0, 0, 'U', 'U', 'U', 'U', 0, 0, 'Y',
};

unsigned char Byte(char c) { return static_cast<unsigned char>(c); }

}  // namespace

char FoldLetter(char c) {
    const unsigned char b = Byte(c);
    if (b >= 'A' && b <= 'Z') return c;
    if (b >= 'a' && b <= 'z') return static_cast<char>(b - 'a' + 'A');
    if (b >= 0x80 && kAccentedBase[b - 0x80] != 0) return kAccentedBase[b - 0x80];
    return c;
}

char UpperCasePhraseChar(char c) {
    const unsigned char b = Byte(c);
    if (b >= 'a' && b <= 'z') return static_cast<char>(b - 'a' + 'A');
    if (b == 0x9C) return static_cast<char>(0x8C);  // oe ligature
    if (b == 0xFF) return static_cast<char>(0x9F);  // y diaeresis
    // The small accented letters 0xE0..0xFE sit 0x20 above their capitals;
    // only those that are phrase letters are raised. The sharp s (0xDF)
    // has no capital and stays as it is.
    if (b >= 0xE0 && b <= 0xFE && kAccentedBase[b - 0x80] != 0)
        return static_cast<char>(b - 0x20);
    return c;
}

void UpperCasePhrase(char* text) {
    for (; *text != '\0'; ++text) *text = UpperCasePhraseChar(*text);
}

bool IsPhraseLetter(char c) {
    const char f = FoldLetter(c);
    return f >= 'A' && f <= 'Z';
}

int16_t IsValidPhrase(const char* text) {
    const size_t n = std::strlen(text);
    if (n < 1 || n > 26) return 0;
    for (size_t i = 0; i < n; ++i) {
        if (text[i] != ' ' && !IsPhraseLetter(text[i])) return 0;
    }
    if (text[0] == ' ') return 0;
    for (size_t i = 1; i < n; ++i) {
        if (text[i - 1] == ' ' && text[i] == ' ') return 0;
    }
    return 1;
}

int16_t LetterIndexOf(char c) {
    const char f = FoldLetter(c);
    if (f < 'A' || f > 'Z') return -1;
    return static_cast<int16_t>(f - 'A');
}
