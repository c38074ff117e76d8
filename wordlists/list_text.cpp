// Encodings of list files: UTF-8 and UTF-16 with and without their marks,
// and the Windows-1252 code page of the game's own texts.
#include "wordlists/list_text.h"

#include "game/text_format.h"
#include "records/record_requests.h"

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Windows-1252 bytes 0x80..0x9F; the rest of the code page is Latin-1.
const char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98..9F
};

// The length of the UTF-8 sequence at bytes[i] and its character; 0 when
// the bytes there form no character (a stray byte, a cut sequence, an
// overlong form, a surrogate or a value beyond U+10FFFF).
size_t Utf8Sequence(const uint8_t* bytes, size_t size, size_t i, char32_t& character) {
    const uint8_t lead = bytes[i];
    size_t length;
    char32_t least;
    if (lead < 0x80) {
        character = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, least = 0x80, character = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, least = 0x800, character = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, least = 0x10000, character = lead & 0x07;
    } else {
        return 0;
    }
    if (size - i < length) return 0;
    for (size_t k = 1; k < length; ++k) {
        if ((bytes[i + k] & 0xC0) != 0x80) return 0;
        character = (character << 6) | (bytes[i + k] & 0x3F);
    }
    if (character < least || character > 0x10FFFF || (character >= 0xD800 && character <= 0xDFFF)) return 0;
    return length;
}

std::u32string DecodeUtf8(const uint8_t* bytes, size_t size) {
    std::u32string text;
    text.reserve(size);
    for (size_t i = 0; i < size;) {
        char32_t character;
        const size_t length = Utf8Sequence(bytes, size, i, character);
        text += length ? character : kReplacement;
        i += length ? length : 1;
    }
    return text;
}

bool IsValidUtf8WithMultiByteCharacter(const uint8_t* bytes, size_t size) {
    bool multiByte = false;
    for (size_t i = 0; i < size;) {
        char32_t character;
        const size_t length = Utf8Sequence(bytes, size, i, character);
        if (length == 0) return false;
        multiByte = multiByte || length > 1;
        i += length;
    }
    return multiByte;
}

// Unmarked UTF-16: zeros in at least 90 % of the odd (little-endian) or
// even (big-endian) positions and in none of the others.
TextEncoding UnmarkedUtf16(const uint8_t* bytes, size_t size) {
    if (size < kUnmarkedUtf16Least) return TextEncoding::Ansi;
    size_t zeros[2] = {0, 0};
    for (size_t i = 0; i < size; ++i) zeros[i % 2] += bytes[i] == 0 ? 1 : 0;
    const size_t positions[2] = {(size + 1) / 2, size / 2};
    if (zeros[0] == 0 && zeros[1] * 10 >= positions[1] * 9) return TextEncoding::Utf16LittleEndianUnmarked;
    if (zeros[1] == 0 && zeros[0] * 10 >= positions[0] * 9) return TextEncoding::Utf16BigEndianUnmarked;
    return TextEncoding::Ansi;
}

}  // namespace

std::u32string DecodeUtf16(const uint8_t* bytes, size_t size, bool bigEndian) {
    auto unit = [&](size_t i) -> char32_t {
        return bigEndian ? (bytes[i] << 8 | bytes[i + 1]) : (bytes[i + 1] << 8 | bytes[i]);
    };
    std::u32string text;
    text.reserve(size / 2);
    size_t i = 0;
    for (; i + 1 < size; i += 2) {
        const char32_t first = unit(i);
        if (first >= 0xD800 && first <= 0xDBFF && i + 3 < size) {
            const char32_t second = unit(i + 2);
            if (second >= 0xDC00 && second <= 0xDFFF) {
                text += 0x10000 + ((first - 0xD800) << 10) + (second - 0xDC00);
                i += 2;
                continue;
            }
        }
        text += (first >= 0xD800 && first <= 0xDFFF) ? kReplacement : first;
    }
    if (i < size) text += kReplacement;
    return text;
}

TextEncoding DetectTextEncoding(const uint8_t* bytes, size_t size) {
    if (size >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF)
        return TextEncoding::Utf8WithMark;
    if (size >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) return TextEncoding::Utf16LittleEndian;
    if (size >= 2 && bytes[0] == 0xFE && bytes[1] == 0xFF) return TextEncoding::Utf16BigEndian;
    const TextEncoding utf16 = UnmarkedUtf16(bytes, size);
    if (utf16 != TextEncoding::Ansi) return utf16;
    if (IsValidUtf8WithMultiByteCharacter(bytes, size)) return TextEncoding::Utf8;
    return TextEncoding::Ansi;
}

std::u32string DecodeText(const uint8_t* bytes, size_t size, TextEncoding encoding) {
    switch (encoding) {
        case TextEncoding::Utf8WithMark: return DecodeUtf8(bytes + 3, size - 3);
        case TextEncoding::Utf8: return DecodeUtf8(bytes, size);
        case TextEncoding::Utf16LittleEndian: return DecodeUtf16(bytes + 2, size - 2, false);
        case TextEncoding::Utf16BigEndian: return DecodeUtf16(bytes + 2, size - 2, true);
        case TextEncoding::Utf16LittleEndianUnmarked: return DecodeUtf16(bytes, size, false);
        case TextEncoding::Utf16BigEndianUnmarked: return DecodeUtf16(bytes, size, true);
        case TextEncoding::Ansi: break;
    }
    std::u32string text;
    for (size_t i = 0; i < size; ++i) text += UnicodeOfWindows1252(bytes[i]);
    return text;
}

bool IsUtf16(TextEncoding encoding) {
    return encoding == TextEncoding::Utf16LittleEndian || encoding == TextEncoding::Utf16BigEndian ||
           encoding == TextEncoding::Utf16LittleEndianUnmarked || encoding == TextEncoding::Utf16BigEndianUnmarked;
}

char32_t UnicodeOfWindows1252(uint8_t byte) {
    if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
    return byte;
}

int Windows1252Of(char32_t character) {
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF)) return static_cast<int>(character);
    for (int i = 0; i < 32; ++i)
        if (kHighControls[i] == character) return 0x80 + i;
    return -1;
}

void AppendUtf8(std::string& text, char32_t character) {
    if (character < 0x80) {
        text += static_cast<char>(character);
    } else if (character < 0x800) {
        text += static_cast<char>(0xC0 | character >> 6);
        text += static_cast<char>(0x80 | (character & 0x3F));
    } else if (character < 0x10000) {
        text += static_cast<char>(0xE0 | character >> 12);
        text += static_cast<char>(0x80 | (character >> 6 & 0x3F));
        text += static_cast<char>(0x80 | (character & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | character >> 18);
        text += static_cast<char>(0x80 | (character >> 12 & 0x3F));
        text += static_cast<char>(0x80 | (character >> 6 & 0x3F));
        text += static_cast<char>(0x80 | (character & 0x3F));
    }
}

std::string Utf8Of(const std::u32string& characters) {
    std::string text;
    for (char32_t c : characters) AppendUtf8(text, c);
    return text;
}

std::string Utf8OfWindows1252(const std::string& text) {
    std::string utf8;
    for (char c : text) AppendUtf8(utf8, UnicodeOfWindows1252(static_cast<uint8_t>(c)));
    return utf8;
}

std::string ListMessage(int16_t id, std::initializer_list<std::string> values) {
    return FormatText(Utf8OfWindows1252(ProgramText(id)), values);
}
