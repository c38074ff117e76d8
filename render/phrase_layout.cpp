// Phrase band slots, glyph sheet cells and the fitting of the information
// text: the pure rules the phrase display draws by.
#include "render/phrase_layout.h"

#include <cstring>

#include "game/phrase.h"

const char AccentedGlyphOrder[kAccentedGlyphCount + 1] =
    "\xC0\xC1\xC2\xC4\xC3\xC5\xC6\xC7\xC8\xC9\xCA\xCB?\xCC\xCD"
    "\xCE\xCF\xD1\xD2\xD3\xD4\xD6\xD5\x8C\xDF\xD9\xDA\xDB\xDC\x9F";

namespace {

constexpr int kLigatureColumn = 12;
constexpr int kSlotStep = 21;
constexpr int kSlotIndent = 9;

int16_t AccentedColumnOf(char ch) {
    for (int16_t c = 0; c < kAccentedGlyphCount; ++c) {
        if (c != kLigatureColumn && AccentedGlyphOrder[c] == ch) return c;
    }
    return 0;
}

}  // namespace

GlyphCell GlyphCellOf(char ch, bool upperCase) {
    const char capital = UpperCasePhraseChar(ch);
    GlyphCell cell;
    if (capital >= 'A' && capital <= 'Z') {
        cell = {static_cast<int16_t>(capital - 'A'), 0};
    } else {
        cell = {AccentedColumnOf(capital), 2};
    }
    if (!upperCase) ++cell.row;
    return cell;
}

char PhraseCharInCase(char ch, bool upperCase) {
    if (!IsPhraseLetter(ch)) return ch;
    const unsigned char capital = static_cast<unsigned char>(UpperCasePhraseChar(ch));
    if (upperCase) return static_cast<char>(capital);
    // Windows-1252 keeps each small letter 0x20 above its capital, but for
    // the three capitals of the 0x80 row, whose small letters lie 0x10
    // above them, and the capital Y with diaeresis.
    switch (capital) {
        case 0x8A:
        case 0x8C:
        case 0x8E: return static_cast<char>(capital + 0x10);
        case 0x9F: return static_cast<char>(0xFF);
        case 0xDF: return static_cast<char>(capital);
        default: return static_cast<char>(capital + 0x20);
    }
}

int GlyphSourceX(GlyphCell cell) { return (kGlyphWidth + 1) * cell.column + 1; }

int GlyphSourceY(GlyphCell cell) { return (kGlyphHeight + 1) * cell.row + 1; }

int PhraseSlotLeft(const RegionRect& band, int i) { return band.left + kSlotIndent + kSlotStep * i; }

int PhraseUnderlineY(const RegionRect& band) { return band.bottom - 6; }

int PhraseGlyphTop(const RegionRect& band) { return band.bottom - 31; }

PhraseSlotLook PhraseSlotLookOf(char ch, const uint16_t lettersUsed[]) {
    if (ch == ' ') return kSlotBlank;
    const int16_t letter = LetterIndexOf(ch);
    if (letter < 0) return kSlotOther;
    return lettersUsed[letter] == 1 ? kSlotLetter : kSlotUnderline;
}

void FitTextToWidth(const char* text, int available, TextMeasure measure, void* context,
                    char* shown, size_t size) {
    if (size == 0) return;
    size_t kept = std::strlen(text);
    if (kept > size - 1) kept = size - 1;
    std::memcpy(shown, text, kept);
    shown[kept] = '\0';
    // Dropping stops when fewer than 3 characters are left to drop; the
    // line then clips what still does not fit.
    while (available < measure(shown, context) && kept >= 3) {
        kept -= 3;
        const size_t room = size - 1 - kept;
        std::memcpy(shown + kept, "...", room < 3 ? room : 3);
        shown[kept + (room < 3 ? room : 3)] = '\0';
    }
}
