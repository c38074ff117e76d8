// The game's accessible objects: the main window's client object with one
// child per painted region, and the letter panel with its 26 letters. They
// read GameState and Preferences, and what the panels show (current or
// cumulative statistics, the information line, the face's colour), and
// place every child on the scene's layout. The engine's announcement
// requests are answered here too.
#include "access/game_access.h"

#include <string>

#include "access/accessible_node.h"
#include "access/announcer.h"
#include "access/spoken_text.h"
#include "game/game_state.h"
#include "game/phrase.h"
#include "records/preferences.h"
#include "records/record_requests.h"
#include "render/face_and_statistics.h"
#include "render/phrase_display.h"
#include "render/scene_buffer.h"
#include "render/scene_layout.h"
#include "resource.h"

namespace {

// Where a scene rectangle is in the window's client area, at its scale.
RECT RectOf(const RegionRect& r) { return ClientRectOf(r); }

bool PhraseHasLetter(int16_t letterIndex) {
    for (uint16_t p = 0; p < GameState.PhraseLength; ++p) {
        if (LetterIndexOf(GameState.Phrase[p]) == letterIndex) return true;
    }
    return false;
}

// The letter panel as its own object and as a child of the client.
void DescribeLetterPanel(AccessibleItem& item) {
    item.Name = ProgramText(IDS_SAY_LETTERS);
    item.Value = LettersUsedText();
    item.Role = ROLE_SYSTEM_GROUPING;
    item.State = 0;
    item.Area = RectOf(LetterPanel);
}

class LetterPanelNode : public AccessibleNode {
public:
    LetterPanelNode(HWND window, IAccessible* parent) : AccessibleNode(window, nullptr), Parent(parent) {}

protected:
    long ChildCount() override { return kLetterCount; }

    bool DescribeSelf(AccessibleItem& item) override {
        DescribeLetterPanel(item);
        return true;
    }

    bool DescribeChild(long child, AccessibleItem& item) override {
        if (child < 1 || child > kLetterCount) return false;
        const int16_t i = static_cast<int16_t>(child - 1);
        item.Name = std::string(1, static_cast<char>('A' + i));
        item.Role = ROLE_SYSTEM_PUSHBUTTON;
        item.Area = RectOf(LetterCells[i]);
        if (GameState.LettersUsed[i] == 1) {
            item.State = STATE_SYSTEM_UNAVAILABLE;
            item.Value = ProgramText(PhraseHasLetter(i) ? IDS_SAY_IN_THE_PHRASE : IDS_SAY_NOT_IN_THE_PHRASE);
        } else {
            item.DefaultAction = ProgramText(IDS_SAY_GUESS);
        }
        return true;
    }

    IDispatch* ParentObject() override {
        Parent->AddRef();
        return Parent;
    }

    long ChildAt(int x, int y) override {
        const POINT at = ScenePointOf(x, y);
        return LetterCellAt(at.x, at.y) + 1;
    }

    bool DoDefaultAction(long child) override {
        if (child < 1 || child > kLetterCount) return false;
        PostClickAt(Window, RectOf(LetterCells[child - 1]));
        return true;
    }

private:
    // The client object owns the panel; the reference goes the other way.
    IAccessible* Parent;
};

class GameClientNode : public AccessibleNode {
public:
    GameClientNode(HWND window, IAccessible* standard) : AccessibleNode(window, standard) {
        Letters = new LetterPanelNode(window, this);
    }
    ~GameClientNode() override {
        if (Letters) Letters->Release();
    }

    void DisconnectAll() {
        Letters->Disconnect();
        Letters = nullptr;
        Disconnect();
    }

protected:
    long ChildCount() override { return kAccessChildCount; }

    bool DescribeChild(long child, AccessibleItem& item) override {
        item.State = STATE_SYSTEM_READONLY;
        switch (child) {
        case kAccessPhrase:
            item.Name = ProgramText(IDS_SAY_PHRASE);
            item.Value = SpokenPhrase();
            item.Description = PhraseShape();
            item.State |= STATE_SYSTEM_FOCUSABLE | (GetFocus() == Window ? STATE_SYSTEM_FOCUSED : 0);
            item.Area = RectOf(PhraseBand);
            return true;
        case kAccessLetters:
            DescribeLetterPanel(item);
            return true;
        case kAccessGuessesLeft:
            item.Name = ProgramText(IDS_SAY_GUESSES_LEFT_NAME);
            item.Value = GuessesLeftText();
            item.Area = RectOf(GuessMeter);
            return true;
        case kAccessStatistics:
            item.Name = ProgramText(ShowCumulative ? IDS_SAY_CUMULATIVE_NAME : IDS_SAY_CURRENT_NAME);
            item.Value = StatisticsText(ShowCumulative != 0);
            item.DefaultAction = ProgramText(ShowCumulative ? IDS_SAY_SHOW_CURRENT : IDS_SAY_SHOW_CUMULATIVE);
            item.Area = RectOf(StatisticsPanel);
            return true;
        case kAccessInformation:
            item.Name = ProgramText(IDS_SAY_INFORMATION);
            item.Value = InformationLineText;
            item.Area = RectOf(InformationLine);
            return true;
        case kAccessFace:
            item.Name = ProgramText(IDS_SAY_FACE_NAME);
            item.Value = FaceText(FaceColour);
            item.Role = ROLE_SYSTEM_GRAPHIC;
            item.DefaultAction = ProgramText(IDS_SAY_CHANGE_COLOUR);
            item.Area = RectOf(FaceBox);
            return true;
        case kAccessCaseToggle:
            item.Name = ProgramText(IDS_SAY_LETTER_CASE);
            item.Value = LetterCaseText();
            item.Role = ROLE_SYSTEM_PUSHBUTTON;
            item.State = 0;
            item.DefaultAction = ProgramText(Preferences.UpperCaseLetters ? IDS_SAY_SHOW_SMALL_LETTERS : IDS_SAY_SHOW_CAPITALS);
            item.Area = RectOf(CaseToggleBox);
            return true;
        default:
            return false;
        }
    }

    IDispatch* ChildObject(long child) override {
        if (child != kAccessLetters || !Letters) return nullptr;
        Letters->AddRef();
        return Letters;
    }

    long ChildAt(int clientX, int clientY) override {
        const POINT at = ScenePointOf(clientX, clientY);
        const int x = at.x;
        const int y = at.y;
        if (RegionContains(LetterPanel, x, y)) return kAccessLetters;
        if (RegionContains(PhraseBand, x, y)) return kAccessPhrase;
        if (RegionContains(GuessMeter, x, y)) return kAccessGuessesLeft;
        if (RegionContains(StatisticsPanel, x, y)) return kAccessStatistics;
        if (RegionContains(InformationLine, x, y)) return kAccessInformation;
        if (RegionContains(FaceBox, x, y)) return kAccessFace;
        if (RegionContains(CaseToggleBox, x, y)) return kAccessCaseToggle;
        return CHILDID_SELF;
    }

    long FocusedChild() override { return GetFocus() == Window ? static_cast<long>(kAccessPhrase) : -1; }

    bool DoDefaultAction(long child) override {
        const RegionRect* region = child == kAccessStatistics ? &StatisticsPanel
                                   : child == kAccessFace     ? &FaceBox
                                   : child == kAccessCaseToggle ? &CaseToggleBox
                                                                : nullptr;
        if (!region) return false;
        PostClickAt(Window, RectOf(*region));
        return true;
    }

private:
    LetterPanelNode* Letters;
};

GameClientNode* ClientObject = nullptr;
HWND GameWindow = nullptr;
// Set once the window's end has begun: no object is made again.
bool GameObjectsReleased = false;
// The text of the guess that ended the game, said at the start of the
// game's end; empty otherwise.
std::string LastGuess;
// A new game was announced since the focus last came to the window.
bool NewGameSinceFocus = false;

void Notify(DWORD event, LONG object, LONG child) {
    if (ClientObject) NotifyWinEvent(event, GameWindow, object, child);
}

void NotifyValue(LONG child) { Notify(EVENT_OBJECT_VALUECHANGE, OBJID_CLIENT, child); }

void TellFocus() {
    if (ClientObject && !NewGameSinceFocus && GetFocus() == GameWindow) {
        Notify(EVENT_OBJECT_FOCUS, OBJID_CLIENT, kAccessPhrase);
    }
}

bool IsGameOver() {
    if (GameState.GuessesLeft <= 0) return true;
    for (uint16_t p = 0; p < GameState.PhraseLength; ++p) {
        const int16_t letter = LetterIndexOf(GameState.Phrase[p]);
        if (letter >= 0 && GameState.LettersUsed[letter] != 1) return false;
    }
    return true;
}

}  // namespace

LRESULT AnswerGameObject(HWND window, WPARAM wParam, LPARAM lParam) {
    const LONG id = static_cast<LONG>(lParam);
    if (id != OBJID_CLIENT && id != kLetterPanelObjectId) return DefWindowProcA(window, WM_GETOBJECT, wParam, lParam);
    if (!ClientObject) {
        if (GameObjectsReleased) return DefWindowProcA(window, WM_GETOBJECT, wParam, lParam);
        IAccessible* standard = nullptr;
        if (!EnterAccessibleApartment() ||
            FAILED(CreateStdAccessibleObject(window, OBJID_CLIENT, __uuidof(IAccessible),
                                             reinterpret_cast<void**>(&standard)))) {
            return DefWindowProcA(window, WM_GETOBJECT, wParam, lParam);
        }
        ClientObject = new GameClientNode(window, standard);
        GameWindow = window;
        StartAnnouncements(window);
        // The client has just learnt of the window: where it has the
        // focus, the phrase is what is focused.
        if (GetFocus() == window) Notify(EVENT_OBJECT_FOCUS, OBJID_CLIENT, kAccessPhrase);
    }
    IAccessible* answer = ClientObject;
    IDispatch* letters = nullptr;
    if (id == kLetterPanelObjectId) {
        VARIANT child;
        child.vt = VT_I4;
        child.lVal = kAccessLetters;
        if (ClientObject->get_accChild(child, &letters) != S_OK || !letters) return 0;
        answer = static_cast<IAccessible*>(letters);
    }
    const LRESULT result = LresultFromObject(__uuidof(IAccessible), wParam, answer);
    if (letters) letters->Release();
    return result;
}

void NoteGameFocus() {
    if (!ClientObject) return;
    NewGameSinceFocus = false;
    RunAfterThisMessage(TellFocus);
}

void NoteRegionChanged(SceneRegionId region) {
    if (region == kRegionStatisticsPanel) {
        // Name and value change together: the name says which set it is.
        Notify(EVENT_OBJECT_NAMECHANGE, OBJID_CLIENT, kAccessStatistics);
        NotifyValue(kAccessStatistics);
    } else if (region == kRegionFaceBox) {
        NotifyValue(kAccessFace);
    } else if (region == kRegionCaseToggleBox) {
        NotifyValue(kAccessCaseToggle);
    }
}

void RepeatGameState() {
    if (ClientObject) Announce(GameStateText(), kAnnounceGuess);
}

void ReleaseGameObjects() {
    GameObjectsReleased = true;
    if (!ClientObject) return;
    StopAnnouncements();
    ClientObject->DisconnectAll();
    ClientObject = nullptr;
    LeaveAccessibleApartment();
}

// ---- Requests answered here ----
// Each fact reaches the screen reader once: the announcement says it, and
// the events of objects that are not focused only tell a client that
// reads them (object review, braille) to read them again. The phrase,
// which has the focus, raises no event of its own: a screen reader would
// say its new value a second time.

// The letters are all offered again: one event for the panel as a whole.
void AnnounceNewGame() {
    if (!ClientObject) return;
    Notify(EVENT_OBJECT_REORDER, kLetterPanelObjectId, CHILDID_SELF);
    NotifyValue(kAccessGuessesLeft);
    NewGameSinceFocus = true;
    Announce(NewGameText(), kAnnounceGame);
}

void AnnounceGuess(int16_t letterIndex, int16_t found) {
    if (!ClientObject || letterIndex < 0 || letterIndex >= kLetterCount) return;
    Notify(EVENT_OBJECT_STATECHANGE, kLetterPanelObjectId, letterIndex + 1);
    if (found == 0) NotifyValue(kAccessGuessesLeft);
    if (IsGameOver()) {
        LastGuess = LastGuessText(letterIndex, found);
        return;
    }
    Announce(GuessText(letterIndex, found), kAnnounceGuess);
}

void AnnounceGameEnd(int16_t won) {
    if (!ClientObject) return;
    NotifyValue(kAccessStatistics);
    NotifyValue(kAccessFace);
    NotifyValue(kAccessInformation);
    const std::string lead = LastGuess.empty() ? "" : LastGuess + " ";
    LastGuess.clear();
    Announce(lead + GameEndText(won != 0, GameState.Information), kAnnounceGameEnd);
}

void AnnounceStreakOffer() {
    if (ClientObject) Announce(StreakOfferText(), kAnnounceGameEnd);
}
