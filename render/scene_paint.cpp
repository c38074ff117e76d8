// The whole-scene repaint: every region in its fixed order, the letter
// panel last. The only drawing code that knows every panel.
#include "render/scene_paint.h"

#include "render/drawing.h"
#include "render/face_and_statistics.h"
#include "render/guess_meter.h"
#include "render/letter_panel.h"
#include "render/phrase_display.h"
#include "render/scene_stages.h"

namespace {

// The letter panel's background weave (yellow).
constexpr int kLetterPanelWeave = 1;

void PaintStatisticsPanel(HDC dc) {
    FillWhite(dc, StatisticsPanel, static_cast<HPEN>(GetStockObject(BLACK_PEN)));
    const HBITMAP picture =
        ShowCumulative ? DrawingResources.CumulativePanel : DrawingResources.CurrentPanel;
    DrawBitmap(dc, picture, StatisticsPanel.left + 1, StatisticsPanel.top + 1, SRCAND);
    DrawStatisticsNumbers(dc);
    FrameRegion(dc, StatisticsPanel);
}

}  // namespace

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
