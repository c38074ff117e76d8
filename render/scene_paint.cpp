// The whole-scene repaint: every region in its fixed order, the letter
// panel last, into the back buffer at a paint or afresh for a print. The
// only drawing code that knows every panel.
#include "render/scene_paint.h"

#include "render/contrast_look.h"
#include "render/drawing.h"
#include "render/face_and_statistics.h"
#include "render/guess_meter.h"
#include "render/letter_panel.h"
#include "render/phrase_display.h"
#include "render/scene_buffer.h"
#include "render/scene_stages.h"

namespace {

void PaintStatisticsPanel(HDC dc) {
    FillWhite(dc, StatisticsPanel, static_cast<HPEN>(GetStockObject(BLACK_PEN)));
    const HBITMAP picture =
        ShowCumulative ? DrawingResources.CumulativePanel : DrawingResources.CurrentPanel;
    if (ContrastLook()) DrawStatisticsLabels(dc);
    else DrawBitmap(dc, picture, StatisticsPanel.left + 1, StatisticsPanel.top + 1, kOntoWhite);
    DrawStatisticsNumbers(dc);
    FrameRegion(dc, StatisticsPanel);
}

}  // namespace

void PaintAll(HDC dc) {
    if (!dc) return;
    // The regions tile the scene, and each is drawn whole with its own
    // frame: nothing needs painting first.
    FillWhite(dc, SceneBox, DrawingResources.FramePen);
    DrawScene(dc);
    FrameRegion(dc, SceneBox);

    FillWhite(dc, PhraseBand, DrawingResources.FramePen);
    DrawPhraseOn(dc);

    DrawGuessMeterOn(dc, false, true);

    PaintStatisticsPanel(dc);

    DrawInformationLine(dc, InformationLineText);

    FillWithTexture(dc, FaceBox);
    DrawFace(dc);
    FrameRegion(dc, FaceBox);

    DrawCaseToggle(dc);
    FrameRegion(dc, CaseToggleBox);

    DrawLetterPanel(dc);
}

void PaintSceneWindow(HDC dc, const RECT& area) {
    if (!SceneBufferDc()) {
        PaintAll(dc);
        return;
    }
    if (const HDC buffer = BeginComposingMarked()) {
        PaintAll(buffer);
        EndComposingMarked();
    }
    FollowMeterRepaint();
    ShowSceneBuffer(dc, area);
}

void ShowSceneWindow(HDC dc, const RECT& area) {
    if (!ShowSceneBuffer(dc, area)) PaintAll(dc);
}

void PrintScene(HDC dc) {
    PaintAll(BeginScenePrint(dc));
    EndScenePrint(dc);
}
