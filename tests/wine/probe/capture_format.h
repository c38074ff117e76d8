// The pixel format both the driver and the probe capture into: a 32-bit,
// top-down DIB section, so that row 0 is the top of the picture and every
// pixel is one BGRX word.
#ifndef WORDLOFT_TESTS_CAPTURE_FORMAT_H
#define WORDLOFT_TESTS_CAPTURE_FORMAT_H

#include <windows.h>

inline BITMAPINFO TopDownCaptureInfo(int width, int height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

#endif
