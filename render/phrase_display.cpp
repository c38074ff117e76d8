// The phrase band (underlines and glyphs of the phrase) and the
// information line. Also answers the engine's phrase requests: clear the
// band, draw the phrase, show an information text, invert the band.
#include "render/phrase_display.h"

#include <cstring>

#include "game/game_state.h"
#include "platform/player_settings.h"
#include "records/preferences.h"
#include "render/contrast_look.h"
#include "render/drawing.h"
#include "render/phrase_layout.h"

char InformationLineText[256];

namespace {

constexpr int kInformationPoints = 100;
constexpr int kOtherCharacterPoints = 140;

void DrawUnderline(HDC dc, int i) {
    const int x = PhraseSlotLeft(PhraseBand, i);
    const int y = PhraseUnderlineY(PhraseBand);
    MoveToEx(dc, x, y, nullptr);
    LineTo(dc, x + kUnderlineLength, y);
}

// A character that is neither a space nor a phrase letter has no glyph:
// it is written in a glyph-sized white cell instead.
void DrawOtherCharacter(HDC dc, char ch, int x, int y) {
    RECT cell = {x, y, x + kGlyphWidth, y + kGlyphHeight};
    FillRect(dc, &cell, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    const HFONT font = SceneFont(dc, kOtherCharacterPoints, kFontBold);
    const HGDIOBJ previous = font ? SelectObject(dc, font) : nullptr;
    const int mode = SetBkMode(dc, TRANSPARENT);
    const char text[2] = {ch, '\0'};
    DrawTextA(dc, text, 1, &cell, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SetBkMode(dc, mode);
    if (previous) SelectObject(dc, previous);
}

// ---- The contrast look ----
// The phrase is written as text in the theme's colours, each character
// over a plain cell of the glyph's size; while the band flashes it takes
// the theme's selection colours instead of inverting.

// Where a written character's baseline lies below the glyph's top: room
// above for the accents of the capitals, below for the descenders.
constexpr int kContrastBaseline = 17;
// Set while the band shows the flash's selection colours.
bool FlashShown = false;

void DrawContrastPhrase(HDC dc, ContrastRole role) {
    const GameStateRecord& game = GameState;
    if (const HPEN pen = ThemePen(role, 2)) SelectObject(dc, pen);
    for (int i = 0; i < game.PhraseLength; ++i) {
        const PhraseSlotLook look = PhraseSlotLookOf(game.Phrase[i], game.LettersUsed);
        if (look == kSlotUnderline || look == kSlotLetter) DrawUnderline(dc, i);
    }
    const HFONT font = SceneFont(dc, kOtherCharacterPoints, kFontBold);
    const HGDIOBJ previous = font ? SelectObject(dc, font) : nullptr;
    const UINT align = SetTextAlign(dc, TA_CENTER | TA_BASELINE);
    ThemeTextColours colours(dc, role);
    const int top = PhraseGlyphTop(PhraseBand);
    for (int i = 0; i < game.PhraseLength; ++i) {
        const PhraseSlotLook look = PhraseSlotLookOf(game.Phrase[i], game.LettersUsed);
        if (look != kSlotLetter && look != kSlotOther) continue;
        const int x = PhraseSlotLeft(PhraseBand, i);
        FillRoleBackground(dc, {x, top, x + kGlyphWidth, top + kGlyphHeight}, role);
        const char shown = PhraseCharInCase(game.Phrase[i], Preferences.UpperCaseLetters != 0);
        TextOutA(dc, x + kGlyphWidth / 2, top + kContrastBaseline, &shown, 1);
    }
    SetTextAlign(dc, align);
    if (previous) SelectObject(dc, previous);
}

// One step of the end-of-game flash: the band inside its frame inverted,
// or in the contrast look switched between its own colours and the
// theme's selection colours.
void FlashBandOnce(HDC dc) {
    const RegionRect inside = InflateRegion(PhraseBand, -2);
    if (!ContrastLook()) {
        const RECT band = WindowRectOf(inside);
        InvertRect(dc, &band);
        return;
    }
    FlashShown = !FlashShown;
    const ContrastRole role = FlashShown ? kRoleSelectedText : kRoleText;
    FillRoleBackground(dc, inside, role);
    DrawContrastPhrase(dc, role);
    FrameRegion(dc, PhraseBand);
}

int MeasureText(const char* text, void* context) {
    SIZE size = {0, 0};
    GetTextExtentPoint32A(static_cast<HDC>(context), text, static_cast<int>(std::strlen(text)), &size);
    return size.cx;
}

}  // namespace

void DrawPhraseOn(HDC dc) {
    const HDC used = BeginBufferDrawing(dc);
    if (!used) return;
    if (ContrastLook()) {
        DrawContrastPhrase(used, kRoleText);
        FrameRegion(used, PhraseBand);
        ShowBufferDrawing(dc, used);
        return;
    }
    if (DrawingResources.FramePen) SelectObject(used, DrawingResources.FramePen);
    const GameStateRecord& game = GameState;
    // Only letters get an underline: they are what the player looks for.
    for (int i = 0; i < game.PhraseLength; ++i) {
        const PhraseSlotLook look = PhraseSlotLookOf(game.Phrase[i], game.LettersUsed);
        if (look == kSlotUnderline || look == kSlotLetter) DrawUnderline(used, i);
    }
    const int top = PhraseGlyphTop(PhraseBand);
    for (int i = 0; i < game.PhraseLength; ++i) {
        const int x = PhraseSlotLeft(PhraseBand, i);
        const PhraseSlotLook look = PhraseSlotLookOf(game.Phrase[i], game.LettersUsed);
        if (look == kSlotLetter) DrawPhraseGlyph(used, game.Phrase[i], x, top);
        if (look == kSlotOther) DrawOtherCharacter(used, game.Phrase[i], x, top);
    }
    FrameRegion(used, PhraseBand);
    ShowBufferDrawing(dc, used);
}

void DrawPhraseGlyph(HDC dc, char ch, int x, int y) {
    if (!dc || !DrawingResources.GlyphSheet) return;
    const GlyphCell cell = GlyphCellOf(ch, Preferences.UpperCaseLetters != 0);
    const HDC memory = BeginCopyFrom(DrawingResources.GlyphSheet);
    if (!memory) return;
    BitBlt(dc, x, y, kGlyphWidth, kGlyphHeight, memory, GlyphSourceX(cell), GlyphSourceY(cell),
           SRCCOPY);
    EndCopyFrom(memory);
}

void ClearPhraseBandOn(HDC dc) {
    const HDC used = BeginBufferDrawing(dc);
    if (!used) return;
    FlashShown = false;
    FillWhite(used, PhraseBand, static_cast<HPEN>(GetStockObject(BLACK_PEN)));
    ShowBufferDrawing(dc, used);
}

void DrawInformationLine(HDC dc, const char* text) {
    if (!dc) return;
    const HFONT font = SceneFont(dc, kInformationPoints, 0);
    const HGDIOBJ previous = font ? SelectObject(dc, font) : nullptr;
    FillWhite(dc, InformationLine, static_cast<HPEN>(GetStockObject(BLACK_PEN)));
    char shown[sizeof InformationLineText];
    const int available = InformationLine.right - InformationLine.left - 4;
    FitTextToWidth(text, available, MeasureText, dc, shown, sizeof shown);
    RECT line = WindowRectOf(InformationLine);
    if (ContrastLook()) {
        ThemeTextColours colours(dc, kRoleText);
        DrawTextA(dc, shown, -1, &line, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    } else {
        DrawTextA(dc, shown, -1, &line, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    std::memcpy(InformationLineText, shown, sizeof InformationLineText);
    if (previous) SelectObject(dc, previous);
    FrameRegion(dc, InformationLine);
}

// ---- Requests answered here ----

void DrawPhrase() { DrawPhraseOn(nullptr); }

void ClearPhraseBand() { ClearPhraseBandOn(nullptr); }

void ShowInformation(const char* text) {
    const HDC dc = BeginBufferDrawing(nullptr);
    if (!dc) return;
    DrawInformationLine(dc, text);
    ShowBufferDrawing(nullptr, dc);
}

// With animations switched off the band keeps its colours: the flash's
// clicks and their spacing stay, as the engine plays them.
int16_t InvertPhraseBand() {
    const HDC dc = BeginBufferDrawing(nullptr);
    if (!dc) return 0;
    if (AnimationsOn()) FlashBandOnce(dc);
    ShowBufferDrawing(nullptr, dc);
    return 1;
}
