// The guess meter: its blocks in the seven weaves, the red wipe before a
// block goes away, and the recolouring click. Answers the engine's meter
// requests.
#include "render/guess_meter.h"

#include "game/game_state.h"
#include "game/requests.h"
#include "platform/player_settings.h"
#include "render/animations.h"
#include "render/contrast_look.h"
#include "render/drawing.h"
#include "render/stage_table.h"

int16_t MeterPatternIndex;
int16_t MeterPatternStart;

namespace {

// The texture covers the meter whole, frame line included; only without
// it is the meter made white.
void ClearMeter(HDC dc) {
    if (DrawingResources.TextureBrush) FillWithTexture(dc, GuessMeter);
    else FillWhite(dc, GuessMeter, DrawingResources.FramePen);
}

// In the contrast look a block is the theme's selection colour outlined
// in its text colour, whatever weave it would have.
void DrawBlock(HDC dc, int k) {
    const bool contrast = ContrastLook();
    const HBRUSH fill =
        contrast ? GetSysColorBrush(kColourHighlight) : DrawingResources.WeaveBrushes[MeterPatternIndex];
    const HPEN outline = contrast ? ThemePen(kRoleShape, 2) : DrawingResources.FramePen;
    if (!outline || !fill) return;
    const RegionRect block = MeterBlockRect(GuessMeter, GameState.MaxGuesses, k);
    SelectObject(dc, outline);
    SelectObject(dc, fill);
    Rectangle(dc, block.left, block.top, block.right, block.bottom);
}

void FrameStep(HDC dc, const RegionRect& r, HBRUSH brush) {
    const RECT rect = WindowRectOf(r);
    FrameRect(dc, &rect, brush);
    ShowSceneChanges();
    DelayMilliseconds(kMeterWipe.FrameMs);
}

}  // namespace

void DrawGuessMeterOn(HDC dc, bool advance, bool clear) {
    const HDC used = BeginBufferDrawing(dc);
    if (!used) return;
    if (clear) ClearMeter(used);
    if (advance) MeterPatternStart = MeterPatternIndex;
    else MeterPatternIndex = MeterPatternStart;
    for (int k = 0; k < GameState.GuessesLeft; ++k) {
        MeterPatternIndex = static_cast<int16_t>((MeterPatternIndex + 1) % kWeaveCount);
        DrawBlock(used, k);
    }
    // A cleared meter gets its frame back, so that it looks the same after
    // a miss as after a repaint.
    if (clear) FrameRegion(used, GuessMeter);
    ShowBufferDrawing(dc, used);
}

void FollowMeterRepaint() {
    const int16_t blocks = GameState.GuessesLeft > 0 ? GameState.GuessesLeft : 0;
    MeterPatternIndex = static_cast<int16_t>((MeterPatternStart + blocks) % kWeaveCount);
}

void RecolourGuessMeter() {
    PlaySoundCue(kSoundGuessClick);
    DrawGuessMeterOn(nullptr, true, false);
}

// ---- Requests answered here ----

void DrawGuessMeter() { DrawGuessMeterOn(nullptr, true, true); }

// Red frames close in on the middle of the meter, then white ones open
// out again (kMeterWipe); in the contrast look the theme's text colour
// closes in and its window colour opens out. With animations switched off
// there is no wipe: the meter is redrawn right after it anyway.
void WipeGuessMeter() {
    const HDC dc = BeginBufferDrawing(nullptr);
    if (!dc) return;
    const bool contrast = ContrastLook();
    const HBRUSH closing = contrast ? GetSysColorBrush(kColourWindowText) : DrawingResources.RedBrush;
    const HBRUSH opening =
        contrast ? GetSysColorBrush(kColourWindow) : static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    if (AnimationsOn() && closing && opening) {
        RegionRect r = InflateRegion(GuessMeter, -2);
        for (int i = 0; i < kMeterWipe.Frames; ++i) {
            r = InflateRegion(r, -1);
            FrameStep(dc, r, closing);
        }
        for (int i = 0; i < kMeterWipe.Frames; ++i) {
            r = InflateRegion(r, 1);
            FrameStep(dc, r, opening);
        }
    }
    ShowBufferDrawing(nullptr, dc);
}
