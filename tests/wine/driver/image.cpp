// Pixel comparisons, screen grabs and the BMP writer of the test driver.
#include "image.h"
#include "../probe/capture_format.h"

#include <cstdio>

namespace {

RECT ClipTo(const Image& a, const Image& b, const RECT& area) {
    RECT r = area;
    if (r.left < 0) r.left = 0;
    if (r.top < 0) r.top = 0;
    if (r.right > a.Width) r.right = a.Width;
    if (r.right > b.Width) r.right = b.Width;
    if (r.bottom > a.Height) r.bottom = a.Height;
    if (r.bottom > b.Height) r.bottom = b.Height;
    return r;
}

bool IsDark(uint32_t c) {
    return ((c >> 16) & 0xFF) < 64 && ((c >> 8) & 0xFF) < 64 && (c & 0xFF) < 64;
}

}  // namespace

long CountDifferences(const Image& a, const Image& b, const RECT& area) {
    if (a.Width != b.Width || a.Height != b.Height) return -1;
    RECT r = ClipTo(a, b, area);
    long count = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            if (a.At(x, y) != b.At(x, y)) ++count;
    return count;
}

std::string DescribeFirstDifference(const Image& a, const Image& b, const RECT& area) {
    if (a.Width != b.Width || a.Height != b.Height) return "sizes differ";
    RECT r = ClipTo(a, b, area);
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            if (a.At(x, y) != b.At(x, y)) {
                char text[80];
                std::snprintf(text, sizeof text, "%d,%d: 0x%06X vs 0x%06X", x, y,
                              static_cast<unsigned>(a.At(x, y)), static_cast<unsigned>(b.At(x, y)));
                return text;
            }
    return "none";
}

long CountDarkPixels(const Image& image, const RECT& area) {
    RECT r = ClipTo(image, image, area);
    long count = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            if (IsDark(image.At(x, y))) ++count;
    return count;
}

long CountNonWhitePixels(const Image& image, const RECT& area) {
    RECT r = ClipTo(image, image, area);
    long count = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            if (image.At(x, y) != 0xFFFFFF) ++count;
    return count;
}

bool GrabScreen(const RECT& screenArea, Image& image) {
    int width = screenArea.right - screenArea.left;
    int height = screenArea.bottom - screenArea.top;
    if (width <= 0 || height <= 0) return false;
    BITMAPINFO info = TopDownCaptureInfo(width, height);
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool ok = false;
    if (bitmap != nullptr) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        ok = BitBlt(memory, 0, 0, width, height, screen, screenArea.left, screenArea.top,
                    SRCCOPY) != 0;
        GdiFlush();
        if (ok) {
            image.Width = width;
            image.Height = height;
            const uint32_t* p = static_cast<const uint32_t*>(bits);
            image.Pixels.assign(p, p + static_cast<size_t>(width) * height);
        }
        SelectObject(memory, old);
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return ok;
}

bool GrabScreenSettled(const RECT& screenArea, Image& image, int tries) {
    Image previous;
    if (!GrabScreen(screenArea, previous)) return false;
    for (int i = 0; i < tries; ++i) {
        Sleep(40);
        if (!GrabScreen(screenArea, image)) return false;
        RECT all = {0, 0, image.Width, image.Height};
        if (CountDifferences(previous, image, all) == 0) return true;
        previous = image;
    }
    return true;
}

bool SaveBitmapFile(const Image& image, const std::string& path) {
    if (image.Empty()) return false;
    int rowBytes = (image.Width * 3 + 3) & ~3;
    uint32_t dataSize = static_cast<uint32_t>(rowBytes) * image.Height;
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = file.bfOffBits + dataSize;
    info.biSize = sizeof(info);
    info.biWidth = image.Width;
    info.biHeight = image.Height;  // bottom row first
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    info.biSizeImage = dataSize;
    FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr) return false;
    std::fwrite(&file, sizeof(file), 1, out);
    std::fwrite(&info, sizeof(info), 1, out);
    std::vector<uint8_t> row(rowBytes, 0);
    for (int y = image.Height - 1; y >= 0; --y) {
        for (int x = 0; x < image.Width; ++x) {
            uint32_t c = image.At(x, y);
            row[x * 3] = c & 0xFF;
            row[x * 3 + 1] = (c >> 8) & 0xFF;
            row[x * 3 + 2] = (c >> 16) & 0xFF;
        }
        std::fwrite(row.data(), 1, row.size(), out);
    }
    return std::fclose(out) == 0;
}
