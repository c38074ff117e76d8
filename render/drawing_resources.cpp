// The shared drawing resources of the scene: made from the program's
// bitmaps and icons, with the scene's back buffer, when the main window is
// created, deleted with it.
#include "render/drawing_resources.h"

#include <cstring>

#include "platform/display_dpi.h"
#include "platform/language_pictures.h"
#include "render/contrast_look.h"
#include "render/scene_buffer.h"
#include "resource.h"

DrawingResourceSet DrawingResources;
HINSTANCE DrawingInstance = nullptr;

namespace {

const char* const kWeaveNames[kWeaveCount] = {"WEAVE1", "WEAVE2", "WEAVE3", "WEAVE4",
                                              "WEAVE5", "WEAVE6", "WEAVE7"};
const char* const kColourNames[kFaceColourCount] = {"red", "green", "blue"};

HBITMAP LoadFace(const char* mood, int colour) {
    char name[32];
    std::strcpy(name, mood);
    std::strcat(name, kColourNames[colour]);
    return LoadSceneBitmap(name);
}

HICON LoadProgramIcon(int id) {
    return static_cast<HICON>(LoadImageA(DrawingInstance, MAKEINTRESOURCEA(id), IMAGE_ICON,
                                         kLetterCellSize, kLetterCellSize, 0));
}

void LoadBrushes() {
    DrawingResourceSet& r = DrawingResources;
    r.BlackBrush = CreateSolidBrush(RGB(0, 0, 0));
    r.RedBrush = CreateSolidBrush(RGB(255, 0, 0));
    r.CurrentPanel = LoadSceneBitmap("current");
    r.CumulativePanel = LoadSceneBitmap("cumulative");
    r.Arrow = LoadSceneBitmap("arrow");
    for (int n = 0; n < kWeaveCount; ++n) {
        r.WeaveBitmaps[n] = LoadSceneBitmap(kWeaveNames[n]);
        r.WeaveBrushes[n] = r.WeaveBitmaps[n] ? CreatePatternBrush(r.WeaveBitmaps[n]) : nullptr;
    }
    r.TextureBitmap = LoadSceneBitmap("macweave");
    r.TextureBrush = r.TextureBitmap ? CreatePatternBrush(r.TextureBitmap) : nullptr;
}

void LoadPictures() {
    DrawingResourceSet& r = DrawingResources;
    for (int colour = 0; colour < kFaceColourCount; ++colour) {
        r.HappyFaces[colour] = LoadFace("happy", colour);
        r.SadFaces[colour] = LoadFace("sad", colour);
        r.NeutralFaces[colour] = LoadFace("neutral", colour);
    }
    r.Stand = LoadSceneBitmap("STAND");
    r.Wagon = LoadSceneBitmap("WAGON");
    r.GlyphSheet = LoadSceneBitmap("NEWLETTERS");
    r.ScoreboardHeadings = LoadProgramPicture(MAKEINTRESOURCEA(IDB_SCOREBOARD_HEADINGS));
    r.FramePen = CreatePen(PS_INSIDEFRAME, 2, RGB(0, 0, 0));
}

void LoadIcons() {
    DrawingResourceSet& r = DrawingResources;
    r.CactusIcon = LoadProgramIcon(IDI_CACTUS);
    r.UsedLetterIcon = LoadProgramIcon(IDI_USEDLETTER);
    r.PeopleIcon = LoadProgramIcon(IDI_PEOPLE);
    r.SunIcon = LoadProgramIcon(IDI_SUN);
}

void DeleteHandle(HGDIOBJ object) {
    if (object) DeleteObject(object);
}

void DeleteIcon(HICON icon) {
    if (icon) DestroyIcon(icon);
}

}  // namespace

void CreateDrawingResources(HINSTANCE instance, HWND window) {
    std::memset(&DrawingResources, 0, sizeof DrawingResources);
    DrawingInstance = instance;
    CreateSceneBuffer(window, WindowDpi(window));
    DrawingResources.CopySource = CreateCompatibleDC(nullptr);
    LoadBrushes();
    LoadPictures();
    LoadIcons();
}

void DeleteDrawingResources() {
    // The buffer goes first: its context lets go of whatever pen, brush or
    // bitmap the panels left selected in it.
    DeleteSceneBuffer();
    DrawingResourceSet& r = DrawingResources;
    DeleteHandle(r.BlackBrush);
    DeleteHandle(r.RedBrush);
    DeleteHandle(r.CurrentPanel);
    DeleteHandle(r.CumulativePanel);
    DeleteHandle(r.Arrow);
    for (int n = 0; n < kWeaveCount; ++n) {
        DeleteHandle(r.WeaveBrushes[n]);
        DeleteHandle(r.WeaveBitmaps[n]);
    }
    DeleteHandle(r.TextureBrush);
    DeleteHandle(r.TextureBitmap);
    for (int colour = 0; colour < kFaceColourCount; ++colour) {
        DeleteHandle(r.HappyFaces[colour]);
        DeleteHandle(r.SadFaces[colour]);
        DeleteHandle(r.NeutralFaces[colour]);
    }
    DeleteHandle(r.Stand);
    DeleteHandle(r.Wagon);
    DeleteHandle(r.GlyphSheet);
    DeleteHandle(r.ScoreboardHeadings);
    DeleteHandle(r.FramePen);
    DeleteIcon(r.CactusIcon);
    DeleteIcon(r.UsedLetterIcon);
    DeleteIcon(r.PeopleIcon);
    DeleteIcon(r.SunIcon);
    for (HICON icon : r.DanceIcons) DeleteIcon(icon);
    for (HICON icon : r.UpperLetterIcons) DeleteIcon(icon);
    for (HICON icon : r.LowerLetterIcons) DeleteIcon(icon);
    for (HBITMAP panel : r.FreshLetterPanels) DeleteHandle(panel);
    for (const NamedPicture& picture : r.ScenePictures) DeleteHandle(picture.Bitmap);
    for (const SizedFont& font : r.SceneFonts) DeleteHandle(font.Font);
    if (r.CopySource) DeleteDC(r.CopySource);
    DeleteContrastPens();
    std::memset(&DrawingResources, 0, sizeof DrawingResources);
}

HBITMAP LoadSceneBitmap(const char* name) { return LoadProgramPicture(name); }

HICON LetterIcon(bool upper, int i) {
    if (i < 0 || i >= kLetterCount) return nullptr;
    HICON& icon = upper ? DrawingResources.UpperLetterIcons[i] : DrawingResources.LowerLetterIcons[i];
    if (!icon) icon = LoadProgramIcon((upper ? IDI_LETTER_UPPER_A : IDI_LETTER_LOWER_A) + i);
    return icon;
}

namespace {

// The bits of the image of icon resource id that suits a cell, with their
// size; null when there is none.
const BITMAPINFOHEADER* IconImageBits(int id, DWORD& size) {
    const HRSRC group = FindResourceA(DrawingInstance, MAKEINTRESOURCEA(id), RT_GROUP_ICON);
    const HGLOBAL groupData = group ? LoadResource(DrawingInstance, group) : nullptr;
    auto* directory = groupData ? static_cast<BYTE*>(LockResource(groupData)) : nullptr;
    if (!directory) return nullptr;
    const int image = LookupIconIdFromDirectoryEx(directory, TRUE, kLetterCellSize, kLetterCellSize, 0);
    const HRSRC found = image ? FindResourceA(DrawingInstance, MAKEINTRESOURCEA(image), RT_ICON) : nullptr;
    const HGLOBAL data = found ? LoadResource(DrawingInstance, found) : nullptr;
    const auto* header = data ? static_cast<const BITMAPINFOHEADER*>(LockResource(data)) : nullptr;
    size = found ? SizeofResource(DrawingInstance, found) : 0;
    return header && size >= sizeof(BITMAPINFOHEADER) && size >= header->biSize ? header : nullptr;
}

// A BITMAPINFO with room for a 256-colour palette.
struct PaletteInfo {
    BITMAPINFOHEADER Header;
    RGBQUAD Colours[256];
};

}  // namespace

bool DrawIconResource(HDC dc, int id, int x, int y) {
    DWORD size = 0;
    const BITMAPINFOHEADER* header = IconImageBits(id, size);
    if (!dc || !header) return false;
    const int bits = header->biBitCount;
    const int width = header->biWidth;
    const int height = header->biHeight / 2;  // the colours, then the mask
    if (bits < 1 || bits > 8 || header->biCompression != BI_RGB || width <= 0 || width > 256 || height <= 0 ||
        height > 256)
        return false;
    const int colours = header->biClrUsed ? static_cast<int>(header->biClrUsed) : 1 << bits;
    const DWORD colourStride = ((width * bits + 31) / 32) * 4;
    const DWORD maskStride = ((width + 31) / 32) * 4;
    if (colours > 256 ||
        size < header->biSize + colours * sizeof(RGBQUAD) + (colourStride + maskStride) * static_cast<DWORD>(height))
        return false;
    PaletteInfo colour = {};
    colour.Header = *header;
    colour.Header.biSize = sizeof colour.Header;
    colour.Header.biHeight = height;
    const auto* palette = reinterpret_cast<const RGBQUAD*>(reinterpret_cast<const BYTE*>(header) + header->biSize);
    std::memcpy(colour.Colours, palette, colours * sizeof(RGBQUAD));
    const BYTE* colourBits = reinterpret_cast<const BYTE*>(palette + colours);
    const BYTE* maskBits = colourBits + colourStride * height;
    PaletteInfo mask = {};
    mask.Header = colour.Header;
    mask.Header.biBitCount = 1;
    mask.Header.biClrUsed = 0;
    mask.Colours[1] = {255, 255, 255, 0};
    StretchDIBits(dc, x, y, width, height, 0, 0, width, height, maskBits, reinterpret_cast<BITMAPINFO*>(&mask),
                  DIB_RGB_COLORS, SRCAND);
    StretchDIBits(dc, x, y, width, height, 0, 0, width, height, colourBits, reinterpret_cast<BITMAPINFO*>(&colour),
                  DIB_RGB_COLORS, SRCINVERT);
    return true;
}

HICON DanceIcon(int frame) {
    if (frame < 0 || frame >= kDanceFrameCount) return nullptr;
    HICON& icon = DrawingResources.DanceIcons[frame];
    if (!icon) icon = LoadProgramIcon(IDI_DANCE_FIRST + frame);
    return icon;
}

HBITMAP ScenePicture(const char* name) {
    for (NamedPicture& picture : DrawingResources.ScenePictures) {
        if (picture.Name && std::strcmp(picture.Name, name) == 0) return picture.Bitmap;
        if (picture.Name) continue;
        picture.Bitmap = LoadSceneBitmap(name);
        if (picture.Bitmap) picture.Name = name;
        return picture.Bitmap;
    }
    return nullptr;
}
