// Unpacking the packed pictures the art generator makes for the other
// languages (tools/artgen/packing.py describes the form). Portable: the
// unit tests check it.
#ifndef WORDLOFT_PLATFORM_UNPACKING_H
#define WORDLOFT_PLATFORM_UNPACKING_H

#include <cstddef>
#include <cstdint>
#include <vector>

// The bytes the packed ones stand for; false, with nothing in out, for
// packed bytes that are damaged (a copy from before the start, or the
// bytes ending early).
bool Unpack(const uint8_t* packed, size_t size, std::vector<uint8_t>& out);

#endif
