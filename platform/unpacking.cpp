// Unpacking (unpacking.h).
#include "platform/unpacking.h"

namespace {

constexpr size_t kShortestCopy = 4;
// No picture of the program unpacks to more than this.
constexpr uint32_t kLargestUnpacked = 4u << 20;

}  // namespace

bool Unpack(const uint8_t* packed, size_t size, std::vector<uint8_t>& out) {
    out.clear();
    if (size < 4) return false;
    const uint32_t total = packed[0] | packed[1] << 8 | packed[2] << 16 | static_cast<uint32_t>(packed[3]) << 24;
    if (total > kLargestUnpacked) return false;
    out.reserve(total);
    size_t at = 4;
    while (out.size() < total) {
        if (at >= size) break;
        const uint8_t flags = packed[at++];
        for (int item = 0; item < 8 && out.size() < total; ++item) {
            if (flags >> item & 1) {
                if (at >= size) break;
                out.push_back(packed[at++]);
                continue;
            }
            if (size - at < 3) break;
            const size_t back = packed[at] | packed[at + 1] << 8;
            const size_t length = packed[at + 2] + kShortestCopy;
            at += 3;
            if (back == 0 || back > out.size() || out.size() + length > total) {
                out.clear();
                return false;
            }
            for (size_t i = 0; i < length; ++i) out.push_back(out[out.size() - back]);
        }
        if (at >= size && out.size() < total) break;
    }
    if (out.size() != total) {
        out.clear();
        return false;
    }
    return true;
}
