// The scene box: the welcome picture before the first miss, then the
// desert scene rebuilt stage by stage, with the climbing sun and the
// dance as the two animations. Answers the engine's request to add the
// stages of a miss.
#include "render/scene_stages.h"

#include <cstring>

#include "game/game_state.h"
#include "game/requests.h"
#include "platform/player_settings.h"
#include "render/drawing.h"
#include "render/stage_table.h"
#include "resource.h"

namespace {

HICON StageIcon(int16_t id) {
    switch (id) {
        case IDI_CACTUS: return DrawingResources.CactusIcon;
        case IDI_PEOPLE: return DrawingResources.PeopleIcon;
        case IDI_SUN: return DrawingResources.SunIcon;
        case IDI_DANCE_FIRST: return DanceIcon(0);
        default: return nullptr;
    }
}

HBITMAP OutlineBitmap(const char* name) {
    if (std::strcmp(name, "STAND") == 0) return DrawingResources.Stand;
    if (std::strcmp(name, "WAGON") == 0) return DrawingResources.Wagon;
    return nullptr;
}

void DrawPicture(HDC dc, const char* name, int x, int y, DWORD rasterOp) {
    DrawBitmap(dc, ScenePicture(name), x, y, rasterOp);
}

// One animation frame: the saved background patch with the icon over
// it, put on the screen in a single copy so that no half-drawn frame is
// ever seen. Without the patch the icon is drawn on its own.
void DrawFrameOverPatch(HDC dc, HBITMAP patch, int patchX, int patchY, HICON icon, int x, int y) {
    BITMAP info;
    if (!patch || !GetObjectA(patch, sizeof info, &info)) {
        DrawSceneIcon(dc, icon, x, y);
        return;
    }
    const HDC frameDc = CreateCompatibleDC(dc);
    const HBITMAP frame = frameDc ? CreateCompatibleBitmap(dc, info.bmWidth, info.bmHeight) : nullptr;
    if (!frame) {
        if (frameDc) DeleteDC(frameDc);
        DrawBitmap(dc, patch, patchX, patchY, SRCCOPY);
        DrawSceneIcon(dc, icon, x, y);
        return;
    }
    const HGDIOBJ previous = SelectObject(frameDc, frame);
    DrawBitmap(frameDc, patch, 0, 0, SRCCOPY);
    DrawSceneIcon(frameDc, icon, x - patchX, y - patchY);
    BitBlt(dc, patchX, patchY, info.bmWidth, info.bmHeight, frameDc, 0, 0, SRCCOPY);
    SelectObject(frameDc, previous);
    DeleteObject(frame);
    DeleteDC(frameDc);
    ShowSceneChanges();
}

// The sun climbs from its low place to the top in small steps, the sky
// strip behind it restored for each step. With animations switched off
// only its last step is drawn, at once.
void ClimbSun(HDC dc) {
    const HBITMAP sky = LoadSceneBitmap("scene2bit");
    const int skyX = SceneBox.left + 2;
    const int skyY = SceneBox.top + 2;
    const bool moving = AnimationsOn();
    for (int step = moving ? 1 : kSunClimb.Frames; step <= kSunClimb.Frames; ++step) {
        const StagePoint sun = SunClimbPosition(step);
        DrawFrameOverPatch(dc, sky, skyX, skyY, DrawingResources.SunIcon, sun.x, sun.y);
        if (moving) DelayMilliseconds(kSunClimb.FrameMs);
    }
    if (sky) DeleteObject(sky);
}

// The dance over the patch of sky behind the figure (kDance); a composed
// scene, and the last miss with animations switched off, show only the
// pose it ends in.
void Dance(HDC dc, int x, int y, bool animate) {
    const HBITMAP sky = LoadSceneBitmap("skybit");
    for (int round = 0; animate && AnimationsOn() && round < kDance.Rounds; ++round) {
        for (int frame = 0; frame < kDance.Frames; ++frame) {
            DrawFrameOverPatch(dc, sky, x, y, DanceIcon(frame), x, y);
            DelayMilliseconds(kDance.FrameMs);
        }
    }
    DrawFrameOverPatch(dc, sky, x, y, DanceIcon(kDance.FinalFrame), x, y);
    if (sky) DeleteObject(sky);
}

}  // namespace

void DrawScene(HDC dc) {
    const int16_t left = GameState.GuessesLeft;
    if (left == static_cast<int16_t>(GameState.MaxGuesses)) {
        FillWhite(dc, SceneBox, DrawingResources.FramePen);
        DrawPicture(dc, "opening", SceneBox.left + 2, SceneBox.top + 2, kOntoWhite);
        return;
    }
    if (left < 0 || left >= kSceneStageCount) return;
    for (int16_t s = kSceneStageCount - 1; s >= left; --s) DrawSceneStage(dc, s, false);
}

void DrawSceneStage(HDC dc, int16_t stage, bool animate) {
    if (!dc || stage < 0 || stage >= kSceneStageCount) return;
    const SceneStageEntry& entry = SceneStages[stage];
    if (DrawingResources.FramePen) SelectObject(dc, DrawingResources.FramePen);
    if (DrawingResources.BlackBrush) SelectObject(dc, DrawingResources.BlackBrush);
    switch (entry.drawing) {
        case kStageLandscape:
            FillWhite(dc, SceneBox, DrawingResources.FramePen);
            DrawPicture(dc, entry.bitmapName, entry.x, entry.y, kOntoWhite);
            break;
        case kStageIcon:
            DrawSceneIcon(dc, StageIcon(entry.iconId), entry.x, entry.y);
            if (entry.secondX >= 0) DrawSceneIcon(dc, StageIcon(entry.iconId), entry.secondX, entry.secondY);
            break;
        case kStageOutline:
            DrawBitmap(dc, OutlineBitmap(entry.bitmapName), entry.x, entry.y, SRCAND);
            break;
        case kStageLowSun:
            if (animate || GameState.GuessesLeft > 1) DrawSceneIcon(dc, DrawingResources.SunIcon, entry.x, entry.y);
            break;
        case kStageHighSun:
            if (animate) ClimbSun(dc);
            else DrawSceneIcon(dc, DrawingResources.SunIcon, entry.x, entry.y);
            break;
        case kStageDance:
            Dance(dc, entry.x, entry.y, animate);
            break;
    }
}

// ---- Requests answered here ----

void DrawStagesAfterMiss() {
    const HDC dc = BeginBufferDrawing(nullptr);
    if (!dc) return;
    int16_t stages[kSceneStageCount];
    const int count = StagesAfterMiss(GameState.MaxGuesses, GameState.GuessesLeft, stages);
    for (int i = 0; i < count; ++i) DrawSceneStage(dc, stages[i], true);
    ShowBufferDrawing(nullptr, dc);
}
