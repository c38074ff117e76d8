// The shared drawing resources of the scene, the primitives every panel
// draws with, and the full repaint in its fixed order.
#include "render/drawing.h"

#include <cmath>
#include <cstring>

#include "app/app_globals.h"
#include "game/requests.h"
#include "render/face_and_statistics.h"
#include "render/guess_meter.h"
#include "render/letter_panel.h"
#include "render/phrase_display.h"
#include "render/scene_stages.h"
#include "resource.h"

DrawingResourceSet DrawingResources;

namespace {

const char* const kWeaveNames[kWeaveCount] = {"WEAVE1", "WEAVE2", "WEAVE3", "WEAVE4",
                                              "WEAVE5", "WEAVE6", "WEAVE7"};
const char* const kColourNames[kFaceColourCount] = {"red", "green", "blue"};

// The letter panel's background weave (yellow).
constexpr int kLetterPanelWeave = 1;

HBITMAP LoadFace(const char* mood, int colour) {
    char name[32];
    std::strcpy(name, mood);
    std::strcat(name, kColourNames[colour]);
    return LoadSceneBitmap(name);
}

HICON LoadProgramIcon(int id) {
    return static_cast<HICON>(LoadImageA(ProgramInstance, MAKEINTRESOURCEA(id), IMAGE_ICON,
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
    r.ScoreboardHeadings = LoadBitmapA(ProgramInstance, MAKEINTRESOURCEA(IDB_SCOREBOARD_HEADINGS));
    r.FramePen = CreatePen(PS_INSIDEFRAME, 2, RGB(0, 0, 0));
}

void LoadIcons() {
    DrawingResourceSet& r = DrawingResources;
    r.CactusIcon = LoadProgramIcon(IDI_CACTUS);
    r.UsedLetterIcon = LoadProgramIcon(IDI_USEDLETTER);
    r.PeopleIcon = LoadProgramIcon(IDI_PEOPLE);
    r.SunIcon = LoadProgramIcon(IDI_SUN);
    for (int f = 0; f < kDanceFrameCount; ++f) r.DanceIcons[f] = LoadProgramIcon(IDI_DANCE_FIRST + f);
    for (int i = 0; i < kLetterCount; ++i) r.UpperLetterIcons[i] = LoadProgramIcon(IDI_LETTER_UPPER_A + i);
    for (int i = 0; i < kLetterCount; ++i) r.LowerLetterIcons[i] = LoadProgramIcon(IDI_LETTER_LOWER_A + i);
}

void DeleteHandle(HGDIOBJ object) {
    if (object) DeleteObject(object);
}

void DeleteIcon(HICON icon) {
    if (icon) DestroyIcon(icon);
}

void PaintStatisticsPanel(HDC dc) {
    FillWhite(dc, StatisticsPanel, static_cast<HPEN>(GetStockObject(BLACK_PEN)));
    const HBITMAP picture =
        ShowCumulative ? DrawingResources.CumulativePanel : DrawingResources.CurrentPanel;
    DrawBitmap(dc, picture, StatisticsPanel.left + 1, StatisticsPanel.top + 1, SRCAND);
    DrawStatisticsNumbers(dc);
    FrameRegion(dc, StatisticsPanel);
}

}  // namespace

void CreateDrawingResources() {
    std::memset(&DrawingResources, 0, sizeof DrawingResources);
    LoadBrushes();
    LoadPictures();
    LoadIcons();
}

void DeleteDrawingResources() {
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
    std::memset(&DrawingResources, 0, sizeof DrawingResources);
}

void PaintAll(HDC dc) {
    if (!dc) return;
    const HPEN blackPen = static_cast<HPEN>(GetStockObject(BLACK_PEN));
    FillWhite(dc, SceneRect, blackPen);
    FrameRegion(dc, SceneRect);

    FillWhite(dc, SceneBox, DrawingResources.FramePen);
    DrawScene(dc);
    FrameRegion(dc, SceneBox);

    FillWhite(dc, PhraseBand, DrawingResources.FramePen);
    DrawPhraseOn(dc);

    FillWithTexture(dc, GuessMeter);
    DrawGuessMeterOn(dc, false, true);
    FrameRegion(dc, GuessMeter);

    PaintStatisticsPanel(dc);

    FillWhite(dc, InformationLine, blackPen);
    DrawInformationLine(dc, InformationLineText);
    FrameRegion(dc, InformationLine);

    FillWithTexture(dc, FaceBox);
    DrawFace(dc);
    FrameRegion(dc, FaceBox);

    FillWhite(dc, CaseToggleBox, blackPen);
    DrawCaseToggle(dc);
    FrameRegion(dc, CaseToggleBox);

    FillWhite(dc, LetterPanel, blackPen);
    FillWithPattern(dc, LetterPanel, kLetterPanelWeave);
    DrawLetterPanel(dc);
    FrameRegion(dc, LetterPanel);
}

HBITMAP LoadSceneBitmap(const char* name) { return LoadBitmapA(ProgramInstance, name); }

void DrawBitmap(HDC dc, HBITMAP bitmap, int x, int y, DWORD rasterOp) {
    if (!dc || !bitmap) return;
    const HDC memory = CreateCompatibleDC(dc);
    if (!memory) return;
    const HGDIOBJ previous = SelectObject(memory, bitmap);
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
    SelectObject(memory, previous);
    DeleteDC(memory);
}

void FrameRegion(HDC dc, const RegionRect& r) {
    if (!dc || !DrawingResources.FramePen) return;
    SelectObject(dc, GetStockObject(NULL_BRUSH));
    SelectObject(dc, DrawingResources.FramePen);
    Rectangle(dc, r.left, r.top, r.right, r.bottom);
}

void FillWithPattern(HDC dc, const RegionRect& r, int n) {
    if (!dc || n < 0 || n >= kWeaveCount || !DrawingResources.WeaveBrushes[n]) return;
    SelectObject(dc, DrawingResources.WeaveBrushes[n]);
    SelectObject(dc, GetStockObject(BLACK_PEN));
    Rectangle(dc, r.left, r.top, r.right, r.bottom);
}

void FillWithTexture(HDC dc, const RegionRect& r) {
    if (!dc || !DrawingResources.TextureBrush) return;
    SelectObject(dc, DrawingResources.TextureBrush);
    SelectObject(dc, GetStockObject(BLACK_PEN));
    Rectangle(dc, r.left, r.top, r.right, r.bottom);
}

void FillWhite(HDC dc, const RegionRect& r, HPEN pen) {
    const HGDIOBJ white = GetStockObject(WHITE_BRUSH);
    if (!dc || !pen || !white) return;
    SelectObject(dc, white);
    SelectObject(dc, pen);
    Rectangle(dc, r.left, r.top, r.right, r.bottom);
}

HFONT CreateScaledFont(HDC dc, const char* faceName, int heightTenthsOfPoint,
                       int widthTenthsOfPoint, int attributes, bool useLogicalInch) {
    SaveDC(dc);
    SetGraphicsMode(dc, GM_ADVANCED);
    ModifyWorldTransform(dc, nullptr, MWT_IDENTITY);
    SetViewportOrgEx(dc, 0, 0, nullptr);
    SetWindowOrgEx(dc, 0, 0, nullptr);
    double dpiX;
    double dpiY;
    if (useLogicalInch) {
        dpiX = GetDeviceCaps(dc, LOGPIXELSX);
        dpiY = GetDeviceCaps(dc, LOGPIXELSY);
    } else {
        dpiX = 25.4 * GetDeviceCaps(dc, HORZRES) / GetDeviceCaps(dc, HORZSIZE);
        dpiY = 25.4 * GetDeviceCaps(dc, VERTRES) / GetDeviceCaps(dc, VERTSIZE);
    }
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

RECT WindowRectOf(const RegionRect& r) { return {r.left, r.top, r.right, r.bottom}; }

HDC BeginWindowDrawing(HDC given) {
    if (given) return given;
    const HDC dc = MainWindow ? GetDC(MainWindow) : nullptr;
    if (!dc) BeepIfSoundOn();
    return dc;
}

void EndWindowDrawing(HDC given, HDC used) {
    ShowDrawingNow();
    if (!given && used) ReleaseDC(MainWindow, used);
}

// Drawing may be batched until the program next waits for messages; the
// animations wait without doing so, so every finished frame is pushed to
// the screen before its pause.
void ShowDrawingNow() { GdiFlush(); }
