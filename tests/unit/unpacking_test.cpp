// Unpacking the other languages' packed pictures, and refusing damaged ones.
#include <gtest/gtest.h>

#include <string>

#include "platform/unpacking.h"

namespace {

bool UnpackText(const std::string& packed, std::string& text) {
    std::vector<uint8_t> out;
    const bool ok = Unpack(reinterpret_cast<const uint8_t*>(packed.data()), packed.size(), out);
    text.assign(out.begin(), out.end());
    return ok;
}

}  // namespace

TEST(Unpacking, CopiesOverlapAndDamageIsRefused) {
    const struct {
        const char* What;
        std::string Packed;
        bool Ok;
        std::string Text;
    } rows[] = {
        {"bytes as they stand", std::string("\x04\0\0\0\x0F" "abcd", 9), true, "abcd"},
        {"a copy that overlaps what it writes", std::string("\x09\0\0\0\x07" "abc\x03\0\x02", 11), true, "abcabcabc"},
        {"nothing", std::string("\0\0\0\0", 4), true, ""},
        {"a copy from before the start", std::string("\x08\0\0\0\x07" "abc\x09\0\x01", 11), false, ""},
        {"a copy past the end", std::string("\x06\0\0\0\x07" "abc\x03\0\x02", 11), false, ""},
        {"bytes ending early", std::string("\x09\0\0\0\x07" "abc\x03", 9), false, ""},
        {"no size", std::string("\x04\0", 2), false, ""},
        {"a size past any picture", std::string("\0\0\0\x7F\x01" "a", 6), false, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.What);
        std::string text;
        EXPECT_EQ(UnpackText(row.Packed, text), row.Ok);
        EXPECT_EQ(text, row.Text);
    }
}
