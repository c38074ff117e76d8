// The face box and the statistics panel's numbers, with the two click
// actions that recolour the face and switch the panel.
#include "render/face_and_statistics.h"

#include <cstdio>

#include "game/game_state.h"
#include "game/requests.h"
#include "records/preferences.h"
#include "render/drawing.h"

uint16_t FaceColour;
uint16_t ShowCumulative;

namespace {

constexpr int kFaceIndentX = 5;
constexpr int kFaceIndentY = 13;
constexpr int kStatisticsPoints = 140;
// Where each of the four numbers starts, from the panel's left edge.
constexpr int kNumberColumns[4] = {78, 211, 357, 483};

HBITMAP FacePicture() {
    const uint16_t colour = FaceColour < kFaceColourCount ? FaceColour : 0;
    switch (GameState.FaceMood) {
        case kFaceHappy: return DrawingResources.HappyFaces[colour];
        case kFaceSad: return DrawingResources.SadFaces[colour];
        default: return DrawingResources.NeutralFaces[colour];
    }
}

void StatisticsValues(long values[4]) {
    if (ShowCumulative) {
        values[0] = Preferences.TotalGames;
        values[1] = Preferences.TotalWins;
        values[2] = Preferences.TotalLosses;
        values[3] = Preferences.ProgramStarts;
    } else {
        values[0] = static_cast<long>(GameState.CurrentWins) + GameState.CurrentLosses;
        values[1] = GameState.CurrentWins;
        values[2] = GameState.CurrentLosses;
        values[3] = GameState.Streak;
    }
}

}  // namespace

void DrawFace(HDC dc) {
    const HDC used = BeginBufferDrawing(dc);
    if (!used) return;
    DrawBitmap(used, FacePicture(), FaceBox.left + kFaceIndentX, FaceBox.top + kFaceIndentY, SRCCOPY);
    ShowBufferDrawing(dc, used);
}

void CycleFaceColour() {
    PlaySoundCue(kSoundFaceClick);
    FaceColour = static_cast<uint16_t>((FaceColour + 1) % kFaceColourCount);
    DrawFace(nullptr);
}

void DrawStatisticsNumbers(HDC dc) {
    if (!dc) return;
    const HFONT font = SceneFont(dc, kStatisticsPoints, kFontBold);
    const HGDIOBJ previous = font ? SelectObject(dc, font) : nullptr;
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    const int panelHeight = StatisticsPanel.bottom - StatisticsPanel.top;
    const int y = StatisticsPanel.top + (panelHeight - metrics.tmHeight) / 2;
    SetBkMode(dc, TRANSPARENT);
    SetTextAlign(dc, TA_LEFT | TA_TOP);
    long values[4];
    StatisticsValues(values);
    for (int column = 0; column < 4; ++column) {
        DrawNumber(dc, values[column], StatisticsPanel.left + kNumberColumns[column], y);
    }
    SetBkMode(dc, OPAQUE);
    if (previous) SelectObject(dc, previous);
}

void DrawNumber(HDC dc, long value, int x, int y) {
    char text[16];
    const int length = std::snprintf(text, sizeof text, "%ld", value);
    if (length > 0) TextOutA(dc, x, y, text, length);
}

void ToggleStatisticsPanel() {
    if (ShowCumulative == 0) {
        ShowCumulative = 1;
        PlaySoundCue(kSoundScoreIn);
    } else {
        ShowCumulative = 0;
        PlaySoundCue(kSoundScoreOut);
    }
    InvalidateRegion(kRegionStatisticsPanel, -2);
}
