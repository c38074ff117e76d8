// The face box and the statistics panel's numbers, with the two click
// actions that recolour the face and switch the panel.
#include "render/face_and_statistics.h"

#include <cstdio>
#include <string>

#include "game/game_state.h"
#include "game/requests.h"
#include "records/preferences.h"
#include "render/contrast_look.h"
#include "render/drawing.h"
#include "resource.h"

uint16_t FaceColour;
uint16_t ShowCumulative;

namespace {

constexpr int kFaceIndentX = 5;
constexpr int kFaceIndentY = 13;
constexpr int kStatisticsPoints = 140;
// Where each of the four numbers starts, from the panel's left edge.
constexpr int kNumberColumns[4] = {78, 211, 357, 483};

// The labels of the panel's pictures, written as text in the contrast
// look: one or two lines each, ending this far left of their number.
constexpr int kLabelGap = 9;
constexpr int kLabelPoints = 80;
constexpr int16_t kCurrentLabels[4] = {IDS_LABEL_GAMES, IDS_LABEL_WINS, IDS_LABEL_LOSSES, IDS_LABEL_WINNING_STREAK};
constexpr int16_t kCumulativeLabels[4] = {IDS_LABEL_TOTAL_GAMES, IDS_LABEL_TOTAL_WINS, IDS_LABEL_TOTAL_LOSSES,
                                          IDS_LABEL_PROGRAM_STARTS};
constexpr int kFaceSize = 20;

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
    const int left = FaceBox.left + kFaceIndentX;
    const int top = FaceBox.top + kFaceIndentY;
    DrawBitmap(used, FacePicture(), left, top, SRCCOPY);
    // In the contrast look the picture stands framed on the plain box.
    if (ContrastLook() && ThemePen(kRoleShape, 1)) {
        SelectObject(used, GetStockObject(NULL_BRUSH));
        SelectObject(used, ThemePen(kRoleShape, 1));
        Rectangle(used, left - 1, top - 1, left + kFaceSize + 1, top + kFaceSize + 1);
    }
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
    const COLORREF previousColour =
        ContrastLook() ? SetTextColor(dc, ThemeColour(ContrastPairs[kRoleText].Foreground)) : CLR_INVALID;
    long values[4];
    StatisticsValues(values);
    for (int column = 0; column < 4; ++column) {
        DrawNumber(dc, values[column], StatisticsPanel.left + kNumberColumns[column], y);
    }
    SetBkMode(dc, OPAQUE);
    if (previousColour != CLR_INVALID) SetTextColor(dc, previousColour);
    if (previous) SelectObject(dc, previous);
}

void DrawStatisticsLabels(HDC dc) {
    if (!dc) return;
    const HFONT font = SceneFont(dc, kLabelPoints, kFontBold);
    const HGDIOBJ previous = font ? SelectObject(dc, font) : nullptr;
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    const UINT align = SetTextAlign(dc, TA_RIGHT | TA_TOP);
    ThemeTextColours colours(dc, kRoleText);
    const int panelHeight = StatisticsPanel.bottom - StatisticsPanel.top;
    for (int column = 0; column < 4; ++column) {
        const std::string label = ProgramText(ShowCumulative ? kCumulativeLabels[column] : kCurrentLabels[column]);
        const size_t lineBreak = label.find('\n');
        const int count = lineBreak == std::string::npos ? 1 : 2;
        const std::string lines[2] = {label.substr(0, lineBreak), count == 2 ? label.substr(lineBreak + 1) : ""};
        int y = StatisticsPanel.top + (panelHeight - count * metrics.tmHeight) / 2;
        const int right = StatisticsPanel.left + kNumberColumns[column] - kLabelGap;
        for (int line = 0; line < count; ++line, y += metrics.tmHeight)
            TextOutA(dc, right, y, lines[line].c_str(), static_cast<int>(lines[line].size()));
    }
    SetTextAlign(dc, align);
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
