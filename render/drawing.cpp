// The drawing primitives every panel draws with.
#include "render/drawing.h"

#include <cmath>
#include <cstring>
#include <vector>

#include "game/requests.h"
#include "render/contrast_look.h"
#include "render/scene_buffer.h"

namespace {

// The bitmap a context of BeginCopyFrom held before, and a context made
// for one copy when the drawing resources have none.
HGDIOBJ CopySourcePrevious = nullptr;
bool CopySourceOwned = false;

}  // namespace

HDC BeginCopyFrom(HBITMAP bitmap) {
    HDC source = DrawingResources.CopySource;
    CopySourceOwned = source == nullptr;
    if (CopySourceOwned) source = CreateCompatibleDC(nullptr);
    if (!source) return nullptr;
    CopySourcePrevious = SelectObject(source, bitmap);
    return source;
}

void EndCopyFrom(HDC source) {
    if (!source) return;
    SelectObject(source, CopySourcePrevious);
    if (CopySourceOwned) DeleteDC(source);
}

void DrawBitmap(HDC dc, HBITMAP bitmap, int x, int y, DWORD rasterOp) {
    if (!dc || !bitmap) return;
    const HDC memory = BeginCopyFrom(bitmap);
    if (!memory) return;
    SetMapMode(memory, GetMapMode(dc));
    BITMAP info;
    GetObjectA(bitmap, sizeof info, &info);
    // The size is converted as a distance, so that an origin set on dc
    // does not move it.
    POINT size[2] = {{0, 0}, {info.bmWidth, info.bmHeight}};
    DPtoLP(dc, size, 2);
    POINT origin = {0, 0};
    DPtoLP(memory, &origin, 1);
    BitBlt(dc, x, y, size[1].x - size[0].x, size[1].y - size[0].y, memory, origin.x, origin.y,
           rasterOp);
    SetMapMode(memory, MM_TEXT);
    EndCopyFrom(memory);
}

void DrawBitmapAtDpi(HDC dc, HBITMAP bitmap, int x, int y, int dpi) {
    BITMAP info;
    if (!dc || !bitmap || !GetObjectA(bitmap, sizeof info, &info)) return;
    DisplayScale scale;
    SetPictureScale(scale, info.bmWidth, info.bmHeight, dpi);
    if (IsUnscaled(scale)) {
        DrawBitmap(dc, bitmap, x, y, SRCCOPY);
        return;
    }
    BITMAPINFO format = TopDownPictureFormat(info.bmWidth, info.bmHeight);
    std::vector<uint32_t> picture(static_cast<size_t>(info.bmWidth) * info.bmHeight);
    if (!GetDIBits(dc, bitmap, 0, static_cast<UINT>(info.bmHeight), picture.data(), &format, DIB_RGB_COLORS)) return;
    const int width = scale.X.ClientSize;
    const int height = scale.Y.ClientSize;
    std::vector<uint32_t> enlarged(static_cast<size_t>(width) * height);
    ScaleScenePixels(scale, picture.data(), info.bmWidth, enlarged.data(), width, {0, 0, width, height});
    format = TopDownPictureFormat(width, height);
    SetDIBitsToDevice(dc, x, y, static_cast<DWORD>(width), static_cast<DWORD>(height), 0, 0, 0,
                      static_cast<UINT>(height), enlarged.data(), &format, DIB_RGB_COLORS);
}

void DrawSceneIcon(HDC dc, HICON icon, int x, int y) {
    if (dc && icon) DrawIconEx(dc, x, y, icon, 0, 0, 0, nullptr, DI_NORMAL);
}

// In the contrast look every frame, fill and border is drawn in the
// theme's colours: plain window colour inside a border of its text colour
// as wide as the pen the normal look borders it with.
void FrameRegion(HDC dc, const RegionRect& r) {
    const HPEN pen = ContrastLook() ? ThemePen(kRoleShape, 2) : DrawingResources.FramePen;
    if (!dc || !pen) return;
    SelectObject(dc, GetStockObject(NULL_BRUSH));
    SelectObject(dc, pen);
    Rectangle(dc, r.left, r.top, r.right, r.bottom);
}

void FillWithPattern(HDC dc, const RegionRect& r, int n) {
    if (ContrastLook()) return FillPlain(dc, r, 1);
    if (!dc || n < 0 || n >= kWeaveCount || !DrawingResources.WeaveBrushes[n]) return;
    SelectObject(dc, DrawingResources.WeaveBrushes[n]);
    SelectObject(dc, GetStockObject(BLACK_PEN));
    Rectangle(dc, r.left, r.top, r.right, r.bottom);
}

void FillWithTexture(HDC dc, const RegionRect& r) {
    if (ContrastLook()) return FillPlain(dc, r, 1);
    if (!dc || !DrawingResources.TextureBrush) return;
    SelectObject(dc, DrawingResources.TextureBrush);
    SelectObject(dc, GetStockObject(BLACK_PEN));
    Rectangle(dc, r.left, r.top, r.right, r.bottom);
}

void FillWhite(HDC dc, const RegionRect& r, HPEN pen) {
    if (ContrastLook() && pen) return FillPlain(dc, r, pen == DrawingResources.FramePen ? 2 : 1);
    const HGDIOBJ white = GetStockObject(WHITE_BRUSH);
    if (!dc || !pen || !white) return;
    SelectObject(dc, white);
    SelectObject(dc, pen);
    Rectangle(dc, r.left, r.top, r.right, r.bottom);
}

namespace {

// A font of the given size for a device of the given resolution, in the
// dc's logical units.
HFONT CreateFontFor(HDC dc, const char* faceName, int heightTenthsOfPoint, int widthTenthsOfPoint,
                    int attributes, double dpiX, double dpiY) {
    SaveDC(dc);
    SetGraphicsMode(dc, GM_ADVANCED);
    ModifyWorldTransform(dc, nullptr, MWT_IDENTITY);
    SetViewportOrgEx(dc, 0, 0, nullptr);
    SetWindowOrgEx(dc, 0, 0, nullptr);
    POINT p = {static_cast<LONG>(widthTenthsOfPoint * dpiX / 72),
               static_cast<LONG>(heightTenthsOfPoint * dpiY / 72)};
    DPtoLP(dc, &p, 1);
    LOGFONTA font = {};
    font.lfHeight = -static_cast<LONG>(std::fabs(static_cast<double>(p.y)) / 10 + 0.5);
    font.lfWeight = (attributes & kFontBold) ? FW_BOLD : 0;
    font.lfItalic = (attributes & kFontItalic) ? 1 : 0;
    font.lfUnderline = (attributes & kFontUnderline) ? 1 : 0;
    font.lfStrikeOut = (attributes & kFontStrikeout) ? 1 : 0;
    font.lfCharSet = DEFAULT_CHARSET;
    std::strncpy(font.lfFaceName, faceName, LF_FACESIZE - 1);
    HFONT result = CreateFontIndirectA(&font);
    if (widthTenthsOfPoint != 0 && result && p.y != 0) {
        const HGDIOBJ previous = SelectObject(dc, result);
        TEXTMETRICA metrics;
        GetTextMetricsA(dc, &metrics);
        SelectObject(dc, previous);
        DeleteObject(result);
        font.lfWidth = static_cast<LONG>(metrics.tmAveCharWidth * std::fabs(static_cast<double>(p.x)) /
                                             std::fabs(static_cast<double>(p.y)) +
                                         0.5);
        result = CreateFontIndirectA(&font);
    }
    RestoreDC(dc, -1);
    return result;
}

}  // namespace

HFONT CreateScaledFont(HDC dc, const char* faceName, int heightTenthsOfPoint,
                       int widthTenthsOfPoint, int attributes, bool useLogicalInch) {
    double dpiX;
    double dpiY;
    if (useLogicalInch) {
        dpiX = GetDeviceCaps(dc, LOGPIXELSX);
        dpiY = GetDeviceCaps(dc, LOGPIXELSY);
    } else {
        dpiX = 25.4 * GetDeviceCaps(dc, HORZRES) / GetDeviceCaps(dc, HORZSIZE);
        dpiY = 25.4 * GetDeviceCaps(dc, VERTRES) / GetDeviceCaps(dc, VERTSIZE);
    }
    return CreateFontFor(dc, faceName, heightTenthsOfPoint, widthTenthsOfPoint, attributes, dpiX, dpiY);
}

HFONT CreateFontAtDpi(HDC dc, const char* faceName, int heightTenthsOfPoint, int attributes, int dpi) {
    return CreateFontFor(dc, faceName, heightTenthsOfPoint, 0, attributes, dpi, dpi);
}

HFONT SceneFont(HDC dc, int heightTenthsOfPoint, int attributes) {
    for (SizedFont& font : DrawingResources.SceneFonts) {
        if (font.Font && font.HeightTenthsOfPoint == heightTenthsOfPoint && font.Attributes == attributes)
            return font.Font;
        if (font.Font) continue;
        font = {heightTenthsOfPoint, attributes,
                CreateFontAtDpi(dc, "Times New Roman", heightTenthsOfPoint, attributes, kSceneDpi)};
        return font.Font;
    }
    return nullptr;
}

RECT WindowRectOf(const RegionRect& r) { return {r.left, r.top, r.right, r.bottom}; }

HDC BeginBufferDrawing(HDC given) {
    if (given) return given;
    const HDC dc = SceneBufferDc();
    if (!dc) {
        BeepIfSoundOn();
        return nullptr;
    }
    // Every drawing starts from the context's first state, as one of the
    // window's own would.
    SaveDC(dc);
    return dc;
}

void ShowBufferDrawing(HDC given, HDC used) {
    if (!given && used) RestoreDC(used, -1);
    ShowSceneChanges();
}
