// A screen reader's view of the game, read from outside the program as a
// screen reader reads it: the main window's accessible object through
// AccessibleObjectFromWindow (the object crosses the process boundary
// through COM marshalling), and the events the game raises, received by an
// out-of-context SetWinEventHook. One short game is won and one lost; after
// each step the children's names, values, states and places are checked
// together with the events that came, and at the end the scoreboard's
// rows are read the same way. (MinGW's liboleacc.a defines IID_IAccessible as
// a code stub, not the interface id: __uuidof(IAccessible) is used instead.)
#include <oleacc.h>

#include <string>
#include <vector>

#include "check.h"
#include "dialogs.h"
#include "scenario_support.h"
#include "scenarios.h"

namespace {

// The children of the game's client object, as the program numbers them.
enum : long {
    kPhrase = 1,
    kLetters = 2,
    kGuessesLeft = 3,
    kStatistics = 4,
    kInformation = 5,
    kFace = 6,
    kCaseToggle = 7,
    kAnnouncement = 8,
};
constexpr LONG kLetterPanelObject = 1;
const char* const kChildNames[] = {"", "phrase", "letters", "guesses", "statistics", "information", "face",
                                   "case", "announcement"};

struct RecordedEvent {
    DWORD Event;
    LONG Object;
    LONG Child;
};
std::vector<RecordedEvent> Events;
HWND WatchedWindow = nullptr;

void CALLBACK RecordEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD) {
    if (window != WatchedWindow || (object != OBJID_CLIENT && object != kLetterPanelObject)) return;
    if (event == EVENT_OBJECT_NAMECHANGE || event == EVENT_OBJECT_VALUECHANGE ||
        event == EVENT_OBJECT_STATECHANGE || event == EVENT_SYSTEM_ALERT || event == EVENT_OBJECT_FOCUS) {
        Events.push_back({event, object, child});
    }
}

// Out-of-context events arrive as messages of this thread.
void PumpFor(DWORD ms) {
    const DWORD start = GetTickCount();
    MSG message;
    while (GetTickCount() - start < ms) {
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
        Sleep(5);
    }
}

std::string Narrow(BSTR text) {
    if (!text) return "";
    char buffer[1024] = "";
    WideCharToMultiByte(1252, 0, text, -1, buffer, sizeof buffer, nullptr, nullptr);
    SysFreeString(text);
    return buffer;
}

VARIANT Child(long id) {
    VARIANT v;
    v.vt = VT_I4;
    v.lVal = id;
    return v;
}

std::string NameOf(IAccessible* object, long child) {
    BSTR text = nullptr;
    object->get_accName(Child(child), &text);
    return Narrow(text);
}

std::string ValueOf(IAccessible* object, long child) {
    BSTR text = nullptr;
    object->get_accValue(Child(child), &text);
    return Narrow(text);
}

long StateOf(IAccessible* object, long child) {
    VARIANT state;
    VariantInit(&state);
    if (FAILED(object->get_accState(Child(child), &state)) || state.vt != VT_I4) return -1;
    return state.lVal;
}

long RoleOf(IAccessible* object, long child) {
    VARIANT role;
    VariantInit(&role);
    if (FAILED(object->get_accRole(Child(child), &role)) || role.vt != VT_I4) return -1;
    return role.lVal;
}

// The child's place relative to the window's client area.
RECT PlaceOf(IAccessible* object, long child, const RECT& client) {
    long left = 0, top = 0, width = 0, height = 0;
    if (FAILED(object->accLocation(&left, &top, &width, &height, Child(child)))) return RECT{-1, -1, -1, -1};
    return RECT{left - client.left, top - client.top, left - client.left + width, top - client.top + height};
}

void ExpectPlace(IAccessible* object, long child, const RECT& client, const RECT& expected, const char* what) {
    const RECT got = PlaceOf(object, child, client);
    Expect(EqualRect(&got, &expected), "%s is placed at (%ld,%ld)-(%ld,%ld), expected (%ld,%ld)-(%ld,%ld)", what,
           got.left, got.top, got.right, got.bottom, expected.left, expected.top, expected.right, expected.bottom);
}

// The letter panel object, reached through its child of the client.
IAccessible* LettersOf(IAccessible* game) {
    IDispatch* dispatch = nullptr;
    if (game->get_accChild(Child(kLetters), &dispatch) != S_OK || !dispatch) return nullptr;
    IAccessible* letters = nullptr;
    dispatch->QueryInterface(__uuidof(IAccessible), reinterpret_cast<void**>(&letters));
    dispatch->Release();
    return letters;
}

// The events since the last call, each as a short text: "value phrase",
// "state O" (a letter), "alert: O, 2 found." (the alert element's name,
// read as a screen reader reads it on the event), consecutive letter
// states run together ("state ABC...").
std::vector<std::string> TakeEvents(IAccessible* game) {
    std::vector<std::string> texts;
    for (const RecordedEvent& e : Events) {
        std::string text;
        if (e.Event == EVENT_SYSTEM_ALERT) {
            text = "alert: " + NameOf(game, e.Child) + (RoleOf(game, e.Child) == ROLE_SYSTEM_ALERT ? "" : " (no alert)");
        } else if (e.Object == kLetterPanelObject) {
            const char letter = static_cast<char>('A' + e.Child - 1);
            if (!texts.empty() && texts.back().compare(0, 6, "state ") == 0 && texts.back().size() > 6 &&
                texts.back().back() == letter - 1) {
                texts.back() += letter;
                continue;
            }
            text = std::string("state ") + letter;
        } else {
            const char* kind = e.Event == EVENT_OBJECT_NAMECHANGE    ? "name "
                               : e.Event == EVENT_OBJECT_VALUECHANGE ? "value "
                               : e.Event == EVENT_OBJECT_FOCUS       ? "focus "
                                                                     : "state ";
            text = kind + std::string(e.Child >= 1 && e.Child <= 8 ? kChildNames[e.Child] : "?");
        }
        texts.push_back(text);
    }
    Events.clear();
    return texts;
}

std::string Joined(const std::vector<std::string>& parts) {
    std::string all;
    for (const std::string& part : parts) all += (all.empty() ? "" : " | ") + part;
    return all;
}

// Plays one step (input posted, then handled) and checks the events that
// came of it, in order.
void Step(const Program& program, IAccessible* game, const char* input, const std::vector<std::string>& expected) {
    for (const char* c = input; *c; ++c) PostCharacter(program, *c);
    Settle(program);
    PumpFor(300);
    const std::string got = Joined(TakeEvents(game));
    ExpectText(got, Joined(expected), (std::string("events of \"") + input + "\"").c_str());
    std::fprintf(stderr, "access: after \"%s\": %s\n", input, got.c_str());
}

void ExpectChild(IAccessible* object, long child, const char* name, const char* value, const char* what) {
    ExpectText(NameOf(object, child), name, (std::string(what) + " name").c_str());
    ExpectText(ValueOf(object, child), value, (std::string(what) + " value").c_str());
}

// The letter's value and whether it is offered (not unavailable).
void ExpectLetter(IAccessible* letters, char letter, const char* value, bool available) {
    const long child = letter - 'A' + 1;
    const std::string what = std::string("letter ") + letter;
    ExpectText(NameOf(letters, child), std::string(1, letter), (what + " name").c_str());
    ExpectText(ValueOf(letters, child), value, (what + " value").c_str());
    const long state = StateOf(letters, child);
    Expect(state >= 0 && ((state & STATE_SYSTEM_UNAVAILABLE) == 0) == available, "%s state %#lx", what.c_str(),
           state);
}

// Everything a screen reader can read of the game once, logged for the
// record of what the tree held.
void LogTree(IAccessible* game, const char* when) {
    std::fprintf(stderr, "access: tree %s:\n", when);
    for (long child = kPhrase; child <= kAnnouncement; ++child) {
        std::fprintf(stderr, "access:   %-12s role %2ld state %#06lx  %s = %s\n", kChildNames[child],
                     RoleOf(game, child), StateOf(game, child), NameOf(game, child).c_str(),
                     ValueOf(game, child).c_str());
    }
}

void CheckScoreboardRows(const Program& program) {
    HWND dialog = ExpectDialog(program, kScoreboardCaption, 10000);
    if (!dialog) return;
    IAccessible* board = nullptr;
    const HRESULT result = AccessibleObjectFromWindow(GetDlgItem(dialog, kBoardArea), OBJID_CLIENT, __uuidof(IAccessible),
                                                      reinterpret_cast<void**>(&board));
    if (Expect(SUCCEEDED(result) && board, "no accessible scoreboard (%#lx)", static_cast<long>(result))) {
        ExpectText(NameOf(board, CHILDID_SELF), "Scoreboard, 4 guesses", "scoreboard name");
        long count = 0;
        board->get_accChildCount(&count);
        ExpectEqual(count, 10, "scoreboard rows");
        ExpectText(NameOf(board, 1), "1. Ann, streak 1, Custom Words", "row 1");
        Expect((StateOf(board, 1) & STATE_SYSTEM_SELECTED) != 0, "the new entry is not selected");
        ExpectText(NameOf(board, 2), "2. empty", "row 2");
        Expect((StateOf(board, 2) & STATE_SYSTEM_SELECTED) == 0, "an empty row is selected");
        ExpectEqual(RoleOf(board, 10), ROLE_SYSTEM_LISTITEM, "row 10 role");
        for (long r = 1; r <= 10; ++r) std::fprintf(stderr, "access: scoreboard row %s\n", NameOf(board, r).c_str());
        board->Release();
    }
    PressButton(dialog, IDOK);
    WaitForDialogGone(dialog, 3000);
}

void PlayTheShortGames(const Program& program, IAccessible* game, IAccessible* letters) {
    const RECT client = ClientOnScreen(program);
    // The phrase takes the focus when the window has it (under Xvfb
    // without a window manager that depends on the start-up).
    PumpFor(300);
    const std::string first = Joined(TakeEvents(game));
    std::fprintf(stderr, "access: events at the first request: %s\n", first.c_str());
    const bool focused = (StateOf(game, kPhrase) & STATE_SYSTEM_FOCUSED) != 0;
    ExpectText(first, focused ? "focus phrase" : "", "events at the first request");
    LogTree(game, "at the first request");
    ExpectChild(game, kPhrase, "Phrase, 5 letters in 2 words", "blank blank, blank blank blank", "phrase");
    ExpectChild(game, kGuessesLeft, "Guesses left", "4 of 4", "guesses left");
    ExpectChild(game, kStatistics, "Current statistics", "Games 0, Wins 0, Losses 0, Winning Streak 0", "statistics");
    ExpectChild(game, kFace, "Face", "neutral, red", "face");
    ExpectEqual(RoleOf(game, kCaseToggle), ROLE_SYSTEM_PUSHBUTTON, "case toggle role");
    ExpectPlace(game, kPhrase, client, kPhraseBand, "the phrase");
    ExpectPlace(game, kGuessesLeft, client, kGuessMeter, "the guesses left");
    ExpectPlace(letters, 15, client, RECT{14 + 42 * 1, 310, 14 + 42 * 1 + 32, 342}, "the letter O");
    // Hit testing leads from the window to the letter under the point.
    VARIANT hit;
    VariantInit(&hit);
    game->accHitTest(client.left + 14 + 42 + 16, client.top + 310 + 16, &hit);
    if (Expect(hit.vt == VT_DISPATCH, "a point on the letter panel hits no object (vt %d)", hit.vt)) {
        hit.pdispVal->Release();
        VARIANT letter;
        VariantInit(&letter);
        letters->accHitTest(client.left + 14 + 42 + 16, client.top + 310 + 16, &letter);
        Expect(letter.vt == VT_I4 && letter.lVal == 15, "the point on O hits child %ld", letter.lVal);
    }
    long count = 0;
    letters->get_accChildCount(&count);
    ExpectEqual(count, 26, "letters");

    Step(program, game, "O", {"state O", "value letters", "value phrase", "alert: O, 2 found."});
    ExpectChild(game, kPhrase, "Phrase, 5 letters in 2 words", "O blank, blank O blank", "phrase after O");
    ExpectLetter(letters, 'O', "in the phrase", false);
    ExpectLetter(letters, 'X', "", true);
    Step(program, game, "Z", {"state Z", "value letters", "value guesses", "alert: Z, not in the phrase, 3 guesses left."});
    ExpectChild(game, kGuessesLeft, "Guesses left", "3 of 4", "guesses left after Z");
    ExpectChild(game, kLetters, "Letters", "Used: O, Z", "letters after Z");
    ExpectLetter(letters, 'Z', "not in the phrase", false);
    ExpectEqual(letters->accDoDefaultAction(Child('Z' - 'A' + 1)), DISP_E_MEMBERNOTFOUND, "action of a used letter");
    // Space tells the whole game again, and changes nothing.
    PostKey(program, VK_SPACE);
    Step(program, game, "", {"alert: O blank, blank O blank. 5 letters in 2 words. 3 guesses left. Used: O, Z."});
    // A letter's action guesses it as a click on its cell does.
    Expect(letters->accDoDefaultAction(Child('X' - 'A' + 1)) == S_OK, "the letter X has no action");
    Step(program, game, "B", {"state X", "value letters", "value phrase", "alert: X, 1 found.", "state B",
                               "value letters", "value phrase", "alert: B, 1 found."});
    LogTree(game, "before the winning letter");
    Step(program, game, "W",
         {"state W", "value letters", "value phrase", "alert: W, 1 found.", "value phrase", "value statistics",
          "value face", "value information", "alert: You won. The phrase was OX BOW. A BEND IN A RIVER",
          "name phrase", "value phrase", "value letters", "value guesses", "state ABCDEFGHIJKLMNOPQRSTUVWXYZ",
          "alert: New game, Custom Words. 5 letters in 2 words: blank blank, blank blank blank. 4 wrong guesses "
          "allowed."});
    LogTree(game, "after the win");
    ExpectChild(game, kStatistics, "Current statistics", "Games 1, Wins 1, Losses 0, Winning Streak 1",
                "statistics after the win");
    ExpectChild(game, kFace, "Face", "happy, red", "face after the win");
    ExpectChild(game, kInformation, "Information", "A BEND IN A RIVER", "information after the win");
    ExpectChild(game, kPhrase, "Phrase, 5 letters in 2 words", "blank blank, blank blank blank", "next phrase");
    ExpectLetter(letters, 'O', "", true);
    ExpectChild(game, kAnnouncement,
                "New game, Custom Words. 5 letters in 2 words: blank blank, blank blank blank. 4 wrong guesses "
                "allowed.",
                "", "newest announcement");
    // The statistics panel's action switches it as a click does.
    game->accDoDefaultAction(Child(kStatistics));
    Step(program, game, "", {"name statistics", "value statistics"});
    ExpectText(NameOf(game, kStatistics), "Cumulative statistics", "statistics after its action");
    game->accDoDefaultAction(Child(kStatistics));
    Step(program, game, "", {"name statistics", "value statistics"});

    // A lost game ends the winning streak of 1, which is offered.
    Step(program, game, "QJK", {"state Q", "value letters", "value guesses", "alert: Q, not in the phrase, 3 guesses left.",
                                "state J", "value letters", "value guesses", "alert: J, not in the phrase, 2 guesses left.",
                                "state K", "value letters", "value guesses", "alert: K, not in the phrase, 1 guess left."});
    PostCharacter(program, 'L');
    HWND name = ExpectDialog(program, kStreakNameCaption, 20000);
    PumpFor(300);
    ExpectText(Joined(TakeEvents(game)),
               Joined({"state L", "value letters", "value guesses", "alert: L, not in the phrase, no guesses left.",
                       "value phrase", "value statistics", "value face", "value information",
                       "alert: You lost. The phrase was OX BOW. A BEND IN A RIVER",
                       "alert: Your winning streak of 1 enters the scoreboard. Type your name."}),
               "events of the last miss");
    if (!name) return;
    SetItemText(name, kStreakNameField, "Ann");
    PressButton(name, IDOK);
    WaitForDialogGone(name, 3000);
    CheckScoreboardRows(program);
    Settle(program);
    PumpFor(300);
    const std::vector<std::string> next = TakeEvents(game);
    ExpectText(next.empty() ? "" : next.back(),
               "alert: New game, Custom Words. 5 letters in 2 words: blank blank, blank blank blank. 4 wrong guesses "
               "allowed.",
               "the game after the scoreboard");
    ExpectChild(game, kStatistics, "Current statistics", "Games 2, Wins 1, Losses 1, Winning Streak -1",
                "statistics after the loss");
    ExpectChild(game, kFace, "Face", "sad, red", "face after the loss");
}

}  // namespace

void ScreenReaderFollowsTheGame() {
    Bytes prefs = CustomWordPreferences({{"OX BOW", "A BEND IN A RIVER"}}, 4, 1);
    Program program;
    if (!Launch(program, &prefs)) return;
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    WatchedWindow = program.Window;
    Events.clear();
    HWINEVENTHOOK hook = SetWinEventHook(EVENT_MIN, EVENT_MAX, nullptr, RecordEvent, program.Process.dwProcessId, 0,
                                         WINEVENT_OUTOFCONTEXT);
    Expect(hook != nullptr, "SetWinEventHook failed (%lu)", GetLastError());
    IAccessible* game = nullptr;
    const HRESULT result =
        AccessibleObjectFromWindow(program.Window, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&game));
    IAccessible* letters = game ? LettersOf(game) : nullptr;
    long count = 0;
    if (game) game->get_accChildCount(&count);
    if (Expect(SUCCEEDED(result) && game && count == 8 && letters,
               "the game's object was not reached (%#lx, %ld children)", static_cast<long>(result), count)) {
        PlayTheShortGames(program, game, letters);
    }
    if (letters) letters->Release();
    if (game) game->Release();
    if (hook) UnhookWinEvent(hook);
    Settle(program);
    Bytes file;
    CloseAndRead(program, file);
    CoUninitialize();
}
