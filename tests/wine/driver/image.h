// Pictures of the program's window as the driver sees them: 32-bit pixels
// (0x00RRGGBB), top row first, with the few operations the checks need.
#ifndef WORDLOFT_TESTS_IMAGE_H
#define WORDLOFT_TESTS_IMAGE_H

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

struct Image {
    int Width = 0;
    int Height = 0;
    std::vector<uint32_t> Pixels;

    bool Empty() const { return Width == 0 || Height == 0; }
    uint32_t At(int x, int y) const { return Pixels[static_cast<size_t>(y) * Width + x] & 0xFFFFFF; }
};

// Number of pixels inside area (clipped to both pictures) that differ;
// -1 when the pictures have different sizes.
long CountDifferences(const Image& a, const Image& b, const RECT& area);

// The first differing pixel inside area, as "x,y: 0xAAAAAA vs 0xBBBBBB".
std::string DescribeFirstDifference(const Image& a, const Image& b, const RECT& area);

// Number of pixels inside area whose colour is near black (each channel
// below 64).
long CountDarkPixels(const Image& image, const RECT& area);

// Number of pixels inside area that are not white.
long CountNonWhitePixels(const Image& image, const RECT& area);

// Copies a part of the screen, in screen coordinates, through the screen's
// device context.
bool GrabScreen(const RECT& screenArea, Image& image);

// Grabs until two successive grabs agree (the program's drawing reaches the
// screen a moment after it is made), at most tries times.
bool GrabScreenSettled(const RECT& screenArea, Image& image, int tries = 10);

// Writes a 24-bit BMP; the runner turns the BMPs of the screenshot folder
// into PNG files.
bool SaveBitmapFile(const Image& image, const std::string& path);

#endif
