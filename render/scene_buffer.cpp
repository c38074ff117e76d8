// The scene's back buffer: two 32-bit pictures in memory, the scene at its
// own size and, on a scaled monitor, the client area's enlarged copy. GDI
// keeps the bounds of everything drawn into the scene's picture, which is
// how a change finds its way to the window. It draws nothing of the scene
// itself: the panels draw into it, and the painter (render/scene_paint.h)
// composes what was marked.
#include "render/scene_buffer.h"

#include <algorithm>

namespace {

struct PixelPicture {
    HDC Dc = nullptr;
    HBITMAP Bitmap = nullptr;
    HGDIOBJ Previous = nullptr;
    uint32_t* Pixels = nullptr;
    int Width = 0;
    int Height = 0;
};

HWND Window = nullptr;
PixelPicture Scene;
PixelPicture Enlarged;
DisplayScale Scale;
// What is to be composed again at the next paint.
RegionRect Marked = {0, 0, 0, 0};
// Set while the scene is drawn whole, into the buffer or a print.
bool Composing = false;

bool IsEmpty(const RegionRect& r) { return r.left >= r.right || r.top >= r.bottom; }

RegionRect UnionOf(const RegionRect& a, const RegionRect& b) {
    if (IsEmpty(a)) return b;
    if (IsEmpty(b)) return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

RegionRect InsideScene(const RegionRect& r) {
    return {std::max(r.left, 0), std::max(r.top, 0), std::min(r.right, kSceneWidth),
            std::min(r.bottom, kSceneHeight)};
}

// A top-down 32-bit picture with a memory context of its own.
bool MakePicture(PixelPicture& picture, int width, int height) {
    const BITMAPINFO info = TopDownPictureFormat(width, height);
    void* bits = nullptr;
    const HDC dc = CreateCompatibleDC(nullptr);
    const HBITMAP bitmap = dc ? CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0) : nullptr;
    if (!bitmap) {
        if (dc) DeleteDC(dc);
        return false;
    }
    picture.Dc = dc;
    picture.Bitmap = bitmap;
    picture.Previous = SelectObject(dc, bitmap);
    picture.Pixels = static_cast<uint32_t*>(bits);
    picture.Width = width;
    picture.Height = height;
    return true;
}

void FreePicture(PixelPicture& picture) {
    if (picture.Dc) {
        SelectObject(picture.Dc, picture.Previous);
        DeleteDC(picture.Dc);
    }
    if (picture.Bitmap) DeleteObject(picture.Bitmap);
    picture = PixelPicture();
}

// The picture the window copies from.
const PixelPicture& Shown() { return Enlarged.Dc ? Enlarged : Scene; }

// The enlarged picture of the resolution (none at 100 %); where it cannot
// be had, the scene is shown at its own size.
void PrepareScale(int dpi) {
    FreePicture(Enlarged);
    SetDisplayScale(Scale, dpi);
    if (IsUnscaled(Scale)) return;
    if (!MakePicture(Enlarged, Scale.X.ClientSize, Scale.Y.ClientSize)) SetDisplayScale(Scale, kSceneDpi);
}

// Brings the enlarged picture up to date over a scene rectangle and
// returns the client rectangle that changed.
RegionRect Enlarge(const RegionRect& scene) {
    const RegionRect client = ClientRectOfScene(Scale, scene);
    if (!Enlarged.Dc || IsEmpty(client)) return client;
    GdiFlush();
    ScaleScenePixels(Scale, Scene.Pixels, Scene.Width, Enlarged.Pixels, Enlarged.Width, client);
    return client;
}

// The bounds of what was drawn into the scene since they were last taken.
RegionRect TakeDrawnBounds() {
    RECT bounds;
    if (!(GetBoundsRect(Scene.Dc, &bounds, DCB_RESET) & DCB_SET)) return {0, 0, 0, 0};
    return InsideScene({bounds.left, bounds.top, bounds.right, bounds.bottom});
}

// The rectangle being composed and the context's state before it.
RegionRect ComposedArea = {0, 0, 0, 0};
int ComposedState = 0;
// The pictures of a print at a larger scale.
PixelPicture PrintedScene;
PixelPicture PrintedEnlarged;

}  // namespace

BITMAPINFO TopDownPictureFormat(int width, int height) {
    BITMAPINFO format = {};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    return format;
}

bool CreateSceneBuffer(HWND window, int dpi) {
    DeleteSceneBuffer();
    Window = window;
    if (!MakePicture(Scene, kSceneWidth, kSceneHeight)) {
        SetDisplayScale(Scale, kSceneDpi);
        return false;
    }
    SetBoundsRect(Scene.Dc, nullptr, DCB_ENABLE | DCB_RESET);
    PrepareScale(dpi);
    Marked = {0, 0, kSceneWidth, kSceneHeight};
    return true;
}

void DeleteSceneBuffer() {
    FreePicture(Enlarged);
    FreePicture(Scene);
    Marked = {0, 0, 0, 0};
    Window = nullptr;
}

HDC SceneBufferDc() { return Scene.Dc; }

const DisplayScale& SceneDisplayScale() { return Scale; }

void ChangeSceneScale(int dpi) {
    if (!Scene.Dc || ScaledLength(kSceneWidth, dpi) == Scale.X.ClientSize) return;
    PrepareScale(dpi);
    Enlarge({0, 0, kSceneWidth, kSceneHeight});
    InvalidateRect(Window, nullptr, FALSE);
}

void MarkSceneChanged(const RegionRect& scene) {
    const RegionRect area = InsideScene(scene);
    if (IsEmpty(area)) return;
    if (Scene.Dc) Marked = UnionOf(Marked, area);
    const RECT client = ClientRectOf(area);
    InvalidateRect(Window, &client, FALSE);
}

void ShowSceneChanges() {
    if (!Scene.Dc || Composing) return;
    const RegionRect drawn = TakeDrawnBounds();
    if (IsEmpty(drawn)) return;
    const RegionRect client = Enlarge(drawn);
    if (IsEmpty(client)) return;
    const HDC dc = GetDC(Window);
    if (!dc) return;
    BitBlt(dc, client.left, client.top, client.right - client.left, client.bottom - client.top, Shown().Dc,
           client.left, client.top, SRCCOPY);
    ReleaseDC(Window, dc);
}

HDC BeginComposingMarked() {
    if (!Scene.Dc || IsEmpty(Marked) || Composing) return nullptr;
    ComposedArea = Marked;
    Marked = {0, 0, 0, 0};
    Composing = true;
    ComposedState = SaveDC(Scene.Dc);
    IntersectClipRect(Scene.Dc, ComposedArea.left, ComposedArea.top, ComposedArea.right, ComposedArea.bottom);
    return Scene.Dc;
}

void EndComposingMarked() {
    if (!Composing || !Scene.Dc) return;
    RestoreDC(Scene.Dc, ComposedState);
    Composing = false;
    Enlarge(UnionOf(ComposedArea, TakeDrawnBounds()));
}

bool ShowSceneBuffer(HDC dc, const RECT& area) {
    if (!Scene.Dc) return false;
    BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, Shown().Dc, area.left,
           area.top, SRCCOPY);
    return true;
}

HDC BeginScenePrint(HDC dc) {
    Composing = true;
    if (IsUnscaled(Scale) || !MakePicture(PrintedScene, kSceneWidth, kSceneHeight) ||
        !MakePicture(PrintedEnlarged, Scale.X.ClientSize, Scale.Y.ClientSize)) {
        FreePicture(PrintedScene);
        return dc;
    }
    return PrintedScene.Dc;
}

void EndScenePrint(HDC dc) {
    if (PrintedEnlarged.Dc) {
        GdiFlush();
        ScaleScenePixels(Scale, PrintedScene.Pixels, PrintedScene.Width, PrintedEnlarged.Pixels, PrintedEnlarged.Width,
                         {0, 0, PrintedEnlarged.Width, PrintedEnlarged.Height});
        BitBlt(dc, 0, 0, PrintedEnlarged.Width, PrintedEnlarged.Height, PrintedEnlarged.Dc, 0, 0, SRCCOPY);
    }
    FreePicture(PrintedEnlarged);
    FreePicture(PrintedScene);
    Composing = false;
}

RECT ClientRectOf(const RegionRect& scene) {
    const RegionRect r = ClientRectOfScene(Scale, scene);
    return RECT{r.left, r.top, r.right, r.bottom};
}

POINT ScenePointOf(int clientX, int clientY) { return POINT{SceneXOf(Scale, clientX), SceneYOf(Scale, clientY)}; }

// ---- Requests answered here ----

void InvalidateRegion(SceneRegionId region, int16_t margin) {
    MarkSceneChanged(InflateRegion(SceneRegionRect(region), margin));
}
