// A screen reader's view of the game, read from outside the program as a
// screen reader reads it: the main window's accessible object through
// AccessibleObjectFromWindow (the object crosses the process boundary
// through COM marshalling), and the events the game raises, received by an
// out-of-context SetWinEventHook, each alert read from its element as the
// event names it (AccessibleObjectFromEvent). One short game is won and
// one lost; after each step the children's names, values, states and
// places are checked together with the events that came, so that each
// fact is seen to come once. The whole tree is read once while the game
// is idle and once in the middle of the win's pauses, which must answer
// nearly as fast and show the game as it stands. The streak's name is
// refused once, and the scoreboard's rows are then reached by keyboard. (MinGW's liboleacc.a defines IID_IAccessible as
// a code stub, not the interface id: __uuidof(IAccessible) is used instead.)
#include <algorithm>
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
};
constexpr LONG kLetterPanelObject = 1;
constexpr LONG kUiaRootObject = -25;
const char* const kChildNames[] = {"window", "phrase", "letters", "guesses", "statistics", "information", "face",
                                   "case"};
constexpr char kAnnouncerClass[] = "WordloftAnnouncer";
constexpr char kBoardClass[] = "WordloftBoard";
constexpr char kNewGame[] =
    "alert: New game, Custom Words. 5 letters in 2 words: blank blank, blank blank blank. 4 wrong guesses allowed.";

struct RecordedEvent {
    DWORD Event;
    HWND Window;
    LONG Object;
    LONG Child;
};
std::vector<RecordedEvent> Events;
HWND WatchedWindow = nullptr;

std::string ClassOf(HWND window) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

void CALLBACK RecordEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD) {
    if (event != EVENT_OBJECT_NAMECHANGE && event != EVENT_OBJECT_VALUECHANGE && event != EVENT_OBJECT_STATECHANGE &&
        event != EVENT_SYSTEM_ALERT && event != EVENT_OBJECT_FOCUS && event != EVENT_OBJECT_REORDER) {
        return;
    }
    const bool game = window == WatchedWindow && (object == OBJID_CLIENT || object == kLetterPanelObject);
    const std::string name = ClassOf(window);
    if (game || name == kAnnouncerClass || name == kBoardClass) Events.push_back({event, window, object, child});
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

std::string DescriptionOf(IAccessible* object, long child) {
    BSTR text = nullptr;
    object->get_accDescription(Child(child), &text);
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

// An alert as a screen reader reads it on its event: the element the event
// names, which must be an alert.
std::string AlertText(const RecordedEvent& e) {
    IAccessible* object = nullptr;
    VARIANT child;
    VariantInit(&child);
    if (FAILED(AccessibleObjectFromEvent(e.Window, e.Object, e.Child, &object, &child)) || !object) {
        return "alert that names no element";
    }
    BSTR text = nullptr;
    object->get_accName(child, &text);
    VARIANT role;
    VariantInit(&role);
    object->get_accRole(child, &role);
    object->Release();
    return "alert: " + Narrow(text) + (role.vt == VT_I4 && role.lVal == ROLE_SYSTEM_ALERT ? "" : " (no alert)");
}

// The events since the last call, each as a short text: "value guesses",
// "state O" (a letter), "reorder letters", "focus row 2" (the board's row;
// "focus board" and "focus window" are the system's own, for a window
// that takes the focus), "alert: Letter O: 2 found. ..." (the alert
// element's name).
std::vector<std::string> TakeEvents() {
    std::vector<std::string> texts;
    for (const RecordedEvent& e : Events) {
        const char* kind = e.Event == EVENT_OBJECT_NAMECHANGE    ? "name "
                           : e.Event == EVENT_OBJECT_VALUECHANGE ? "value "
                           : e.Event == EVENT_OBJECT_FOCUS       ? "focus "
                           : e.Event == EVENT_OBJECT_REORDER     ? "reorder "
                                                                 : "state ";
        if (e.Event == EVENT_SYSTEM_ALERT) {
            texts.push_back(AlertText(e));
        } else if (ClassOf(e.Window) == kBoardClass) {
            texts.push_back(kind + (e.Child == CHILDID_SELF ? std::string("board") : "row " + std::to_string(e.Child)));
        } else if (e.Object == kLetterPanelObject) {
            texts.push_back(kind + (e.Child == CHILDID_SELF ? std::string("letters")
                                                            : std::string(1, static_cast<char>('A' + e.Child - 1))));
        } else if (e.Window == WatchedWindow) {
            texts.push_back(kind + std::string(e.Child >= 0 && e.Child <= 7 ? kChildNames[e.Child] : "?"));
        }
    }
    Events.clear();
    return texts;
}

std::string Joined(const std::vector<std::string>& parts) {
    std::string all;
    for (const std::string& part : parts) all += (all.empty() ? "" : " | ") + part;
    return all;
}

void ExpectEvents(const std::vector<std::string>& expected, const char* when) {
    PumpFor(300);
    const std::string got = Joined(TakeEvents());
    ExpectText(got, Joined(expected), (std::string("events ") + when).c_str());
    std::fprintf(stderr, "access: events %s: %s\n", when, got.c_str());
}

// Plays one step (input posted, then handled) and checks the events that
// came of it, in order.
void Step(const Program& program, const char* input, const std::vector<std::string>& expected) {
    for (const char* c = input; *c; ++c) PostCharacter(program, *c);
    Settle(program);
    ExpectEvents(expected, (std::string("of \"") + input + "\"").c_str());
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

double Now() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Everything a screen reader can read of the game, as one text, and how
// long the reading took (every call is a round trip into the program).
std::string ReadTree(IAccessible* game, IAccessible* letters, double* seconds) {
    const double start = Now();
    std::string tree;
    for (long child = kPhrase; child <= kCaseToggle; ++child) {
        tree += NameOf(game, child) + " = " + ValueOf(game, child) + " (" + DescriptionOf(game, child) + ", role " +
                std::to_string(RoleOf(game, child)) + ", state " + std::to_string(StateOf(game, child)) + ")\n";
    }
    for (long letter = 1; letter <= 26; ++letter) {
        tree += NameOf(letters, letter) + " " + ValueOf(letters, letter) + " " + std::to_string(StateOf(letters, letter)) +
                "; ";
    }
    *seconds = Now() - start;
    return tree;
}

void CheckTheFirstRequest(const Program& program, IAccessible* game, IAccessible* letters) {
    const RECT client = ClientOnScreen(program);
    // The phrase takes the focus when the window has it (under Xvfb
    // without a window manager that depends on the start-up).
    PumpFor(300);
    const std::string first = Joined(TakeEvents());
    const bool focused = (StateOf(game, kPhrase) & STATE_SYSTEM_FOCUSED) != 0;
    ExpectText(first, focused ? "focus phrase" : "", "events at the first request");
    double seconds = 0;
    std::fprintf(stderr, "access: tree at the first request:\n%s\n", ReadTree(game, letters, &seconds).c_str());
    long count = 0;
    game->get_accChildCount(&count);
    ExpectEqual(count, 7, "children of the game");
    ExpectChild(game, kPhrase, "Phrase", "blank blank, blank blank blank", "phrase");
    ExpectText(DescriptionOf(game, kPhrase), "5 letters in 2 words", "phrase description");
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
    letters->get_accChildCount(&count);
    ExpectEqual(count, 26, "letters");
    // Announcements come from the window's announcer; where UI Automation
    // has no notification event (Wine 8), it is no UI Automation element
    // and the announcements are alerts.
    HWND announcer = FindWindowExA(program.Window, nullptr, kAnnouncerClass, nullptr);
    if (Expect(announcer != nullptr, "the game has no announcer window")) {
        HMODULE automation = LoadLibraryA("uiautomationcore.dll");
        const bool notifies = automation && GetProcAddress(automation, "UiaRaiseNotificationEvent");
        DWORD_PTR answer = 0;
        SendMessageTimeoutA(announcer, WM_GETOBJECT, 0, kUiaRootObject, SMTO_NORMAL, 5000, &answer);
        Expect((answer != 0) == notifies, "the announcer %s a UI Automation provider where the system %s",
               answer ? "gives" : "gives no", notifies ? "notifies" : "cannot notify");
    }
}

bool IsTheWonGame(const std::string& tree) {
    return tree.find("Phrase = ox bow (5 letters in 2 words") != std::string::npos &&
           tree.find("Games 1, Wins 1, Losses 0, Winning Streak 1") != std::string::npos;
}

// The win, whose pauses must not keep a reader of the tree waiting.
void WinWhileReading(const Program& program, IAccessible* game, IAccessible* letters) {
    double before = 0, busy = 0, after = 0;
    ReadTree(game, letters, &before);
    PostCharacter(program, 'W');
    Sleep(400);  // the win's cue plays, then the phrase flashes for 2.5 s
    // Each call of a screen reader while the cue plays is answered at once.
    double longest = 0;
    for (int call = 0; call < 20; ++call) {
        const double asked = Now();
        ValueOf(game, kPhrase);
        longest = std::max(longest, Now() - asked);
        Sleep(15);
    }
    Expect(longest <= 0.05, "a call during the win's cue was answered after %.0f ms", 1000 * longest);
    const std::string during = ReadTree(game, letters, &busy);
    Expect(IsTheWonGame(during), "the tree read during the win is not the won game's:\n%s", during.c_str());
    // A letter another program sends meanwhile is answered at once and,
    // like all input during a game's end, dropped.
    const double sent = Now();
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(program.Window, WM_CHAR, 'Q', 0, SMTO_NORMAL, 5000, &ignored);
    Expect(Now() - sent < 0.5, "a letter sent during the win was answered after %.3f s", Now() - sent);
    // A command sent meanwhile is held until the win is over, then run.
    SendMessageTimeoutA(program.Window, WM_COMMAND, kCommandNew, 0, SMTO_NORMAL, 5000, &ignored);
    Expect(ValueOf(game, kPhrase) == "ox bow", "New ran in the middle of the win");
    // Read again while the flash lasts: on a machine with other load the
    // fastest of the reads made in the pauses is the fairer figure.
    for (int again = 0; again < 2; ++again) {
        double seconds = 0;
        if (!IsTheWonGame(ReadTree(game, letters, &seconds))) break;
        if (seconds < busy) busy = seconds;
    }
    Settle(program);
    // Idle is measured before and after, and the slower of the two taken,
    // so that the machine's other load weighs on both sides alike.
    ReadTree(game, letters, &after);
    const double idle = before > after ? before : after;
    std::fprintf(stderr, "access: the whole tree read in %.3f s and %.3f s idle, %.3f s during the win's pauses\n",
                 before, after, busy);
    Expect(busy <= idle + 0.5, "reading the tree took %.3f s during the win, %.3f s idle", busy, idle);
    Settle(program);
    ExpectEvents({"state W", "value statistics", "value face", "value information",
                  "alert: Letter W: 1 found. You won. The phrase was ox bow. A BEND IN A RIVER", "reorder letters",
                  "value guesses", kNewGame, "reorder letters", "value guesses", kNewGame},
                 "of the winning \"W\" and New sent during it");
    ExpectLetter(letters, 'Q', "", true);
}

// The board of a scoreboard dialog just opened after an entry: its rows,
// the keyboard's way through them and to the dialog's other controls, and
// what a client holding it gets once the dialog is gone.
void CheckScoreboardByKeyboard(const Program& program) {
    HWND dialog = ExpectDialog(program, kScoreboardCaption, 10000);
    if (!dialog) return;
    HWND boardArea = GetDlgItem(dialog, kBoardArea);
    // The game's window had the focus back between the two dialogs.
    ExpectEvents({"focus window", "focus board", "focus row 1"}, "as the scoreboard opens");
    GUITHREADINFO thread = {};
    thread.cbSize = sizeof thread;
    GetGUIThreadInfo(program.ThreadId, &thread);
    Expect(thread.hwndFocus == boardArea, "the scoreboard opens with the focus on %s, not the board",
           ClassOf(thread.hwndFocus).c_str());
    IAccessible* board = nullptr;
    const HRESULT result = AccessibleObjectFromWindow(boardArea, OBJID_CLIENT, __uuidof(IAccessible),
                                                      reinterpret_cast<void**>(&board));
    if (!Expect(SUCCEEDED(result) && board, "no accessible scoreboard (%#lx)", static_cast<long>(result))) return;
    ExpectText(NameOf(board, CHILDID_SELF), "Board for 4 wrong guesses", "scoreboard name");
    ExpectEqual(RoleOf(board, CHILDID_SELF), ROLE_SYSTEM_LIST, "scoreboard role");
    long count = 0;
    board->get_accChildCount(&count);
    ExpectEqual(count, 10, "scoreboard rows");
    ExpectText(NameOf(board, 1), "Ann, rank 1, streak 1, Custom Words", "row 1");
    ExpectText(DescriptionOf(board, 1), "your new entry", "row 1 description");
    const long newest = StateOf(board, 1);
    Expect((newest & STATE_SYSTEM_SELECTED) && (newest & STATE_SYSTEM_FOCUSED), "the new entry's state %#lx", newest);
    ExpectText(NameOf(board, 2), "Empty, rank 2", "row 2");
    ExpectEqual(RoleOf(board, 10), ROLE_SYSTEM_LISTITEM, "row 10 role");
    // Down moves the focus to the next row; Tab leads round the dialog
    // and back to the board.
    PostMessageA(boardArea, WM_KEYDOWN, VK_DOWN, 0);
    Settle(program);
    ExpectEvents({"focus row 2"}, "of Down on the board");
    Expect((StateOf(board, 2) & STATE_SYSTEM_FOCUSED) && !(StateOf(board, 1) & STATE_SYSTEM_FOCUSED),
           "Down did not move the focus to row 2");
    const int order[] = {kFirstBoardButton, IDOK, kBoardArea};
    for (int id : order) {
        GetGUIThreadInfo(program.ThreadId, &thread);
        PostMessageA(thread.hwndFocus, WM_KEYDOWN, VK_TAB, 0);
        Settle(program);
        GetGUIThreadInfo(program.ThreadId, &thread);
        Expect(thread.hwndFocus == GetDlgItem(dialog, id), "Tab went to control %d, not %d",
               GetDlgCtrlID(thread.hwndFocus), id);
    }
    ExpectEvents({"focus board", "focus row 2"}, "of Tab back to the board");
    PressButton(dialog, IDOK);
    WaitForDialogGone(dialog, 3000);
    for (DWORD start = GetTickCount(); IsWindow(boardArea) && GetTickCount() - start < 3000;) Sleep(20);
    Settle(program);
    BSTR name = nullptr;
    const HRESULT late = board->get_accName(Child(CHILDID_SELF), &name);
    Expect(late == RPC_E_DISCONNECTED || late == CO_E_OBJNOTCONNECTED,
           "a client holding the board after its dialog closed got %#lx", static_cast<long>(late));
    if (name) SysFreeString(name);
    board->Release();
}

void PlayTheShortGames(const Program& program, IAccessible* game, IAccessible* letters) {
    CheckTheFirstRequest(program, game, letters);
    Step(program, "O", {"state O", "alert: Letter O: 2 found. O blank, blank O blank."});
    ExpectChild(game, kPhrase, "Phrase", "O blank, blank O blank", "phrase after O");
    ExpectLetter(letters, 'O', "in the phrase", false);
    ExpectLetter(letters, 'X', "", true);
    Step(program, "Z", {"state Z", "value guesses", "alert: Letter Z: not in the phrase. 3 guesses left."});
    ExpectChild(game, kGuessesLeft, "Guesses left", "3 of 4", "guesses left after Z");
    ExpectChild(game, kLetters, "Letters", "Used: O, Z", "letters after Z");
    ExpectLetter(letters, 'Z', "not in the phrase", false);
    ExpectEqual(letters->accDoDefaultAction(Child('Z' - 'A' + 1)), DISP_E_MEMBERNOTFOUND, "action of a used letter");
    // Space tells the whole game again, and changes nothing.
    PostKey(program, VK_SPACE);
    Step(program, "", {"alert: O blank, blank O blank. 5 letters in 2 words. 3 guesses left. Used: O, Z."});
    // A letter's action guesses it as a click on its cell does.
    Expect(letters->accDoDefaultAction(Child('X' - 'A' + 1)) == S_OK, "the letter X has no action");
    Step(program, "B", {"state X", "alert: Letter X: 1 found. O X, blank O blank.", "state B",
                        "alert: Letter B: 1 found. O X, B O blank."});
    WinWhileReading(program, game, letters);
    ExpectChild(game, kStatistics, "Current statistics", "Games 1, Wins 1, Losses 0, Winning Streak 1",
                "statistics after the win");
    ExpectChild(game, kFace, "Face", "happy, red", "face after the win");
    ExpectChild(game, kInformation, "Information", "A BEND IN A RIVER", "information after the win");
    ExpectChild(game, kPhrase, "Phrase", "blank blank, blank blank blank", "next phrase");
    ExpectLetter(letters, 'O', "", true);
    // The statistics panel's action switches it as a click does.
    game->accDoDefaultAction(Child(kStatistics));
    Step(program, "", {"name statistics", "value statistics"});
    ExpectText(NameOf(game, kStatistics), "Cumulative statistics", "statistics after its action");
    game->accDoDefaultAction(Child(kStatistics));
    Step(program, "", {"name statistics", "value statistics"});

    // A lost game ends the winning streak of 1, which is offered.
    Step(program, "QJK", {"state Q", "value guesses", "alert: Letter Q: not in the phrase. 3 guesses left.",
                          "state J", "value guesses", "alert: Letter J: not in the phrase. 2 guesses left.",
                          "state K", "value guesses", "alert: Letter K: not in the phrase. 1 guess left."});
    PostCharacter(program, 'L');
    HWND name = ExpectDialog(program, kStreakNameCaption, 20000);
    ExpectEvents({"state L", "value guesses", "value statistics", "value face", "value information",
                  "alert: Letter L: not in the phrase. You lost. The phrase was ox bow. A BEND IN A RIVER",
                  "alert: Your winning streak of 1 enters the scoreboard."},
                 "of the last miss");
    if (!name) return;
    // Nothing of the game acts while the dialog has disabled its window.
    ExpectEqual(letters->accDoDefaultAction(Child('A' - 'A' + 1)), DISP_E_MEMBERNOTFOUND,
                "action of a letter behind the name dialog");
    ExpectEqual(game->accDoDefaultAction(Child(kStatistics)), DISP_E_MEMBERNOTFOUND,
                "action of the statistics behind the name dialog");
    SetItemText(name, kStreakNameField, "   ");
    PressButton(name, IDOK);
    Settle(program);
    ExpectEvents({"alert: Not accepted: a name needs 1 to 15 characters, not only spaces."}, "of a refused name");
    SetItemText(name, kStreakNameField, "Ann");
    PressButton(name, IDOK);
    WaitForDialogGone(name, 3000);
    CheckScoreboardByKeyboard(program);
    Settle(program);
    // Back in the game, the new game is announced once; the focus coming
    // back tells nothing more than the system's own event.
    ExpectEvents({"focus window", "reorder letters", "value guesses", kNewGame}, "after the scoreboard");
    ExpectChild(game, kStatistics, "Current statistics", "Games 2, Wins 1, Losses 1, Losing Streak 1",
                "statistics after the loss");
    ExpectChild(game, kFace, "Face", "sad, red", "face after the loss");
    // A dialog opened outside a game's end gives the focus back to the
    // phrase, told once the command is over.
    PostKey(program, VK_F3);
    if (HWND dialog = ExpectDialog(program, kScoreboardCaption, 5000)) {
        PressButton(dialog, IDOK);
        WaitForDialogGone(dialog, 3000);
    }
    Settle(program);
    ExpectEvents({"focus window", "focus phrase"}, "after the scoreboard shown with F3");
}

}  // namespace

void ScreenReaderFollowsTheGame() {
    // With sound: the cues are waits the screen reader must not feel.
    PrefixSoundDevice device;
    Bytes prefs = CustomWordPreferences({{"OX BOW", "A BEND IN A RIVER"}}, 4, 1);
    PutU16(prefs, PrefOffset::SoundOn, 1);
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
    if (Expect(SUCCEEDED(result) && game && letters, "the game's object was not reached (%#lx)",
               static_cast<long>(result))) {
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
