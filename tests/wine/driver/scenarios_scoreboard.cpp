// The winning-streak scoreboard: a streak entering with the typed name, a
// tie settling below older equal scores, the offer at closing, scoring off,
// and the Ctrl+Shift deletion of one board.
#include <algorithm>

#include "check.h"
#include "dialogs.h"
#include "scenario_support.h"
#include "scenarios.h"

using namespace PrefOffset;

namespace {

constexpr int kDeleteAllWords = 1004;
constexpr int kCustomWordsDone = 1013;

// The rows of the board area that are shown inverted, as ten characters:
// '#' inverted, '.' not. The space left of each rank number is white on an
// ordinary row and black on the inverted one.
std::string InvertedRows(const Program& program, HWND scoreboard) {
    Image area;
    if (!CaptureWindowOf(program, GetDlgItem(scoreboard, kBoardArea), area)) return "";
    std::string rows;
    for (int r = 0; r < 10; ++r) {
        RECT margin = {4, 30 + 16 * r + 3, 14, 30 + 16 * r + 13};
        rows += CountDarkPixels(area, margin) == 100 ? '#' : '.';
    }
    return rows;
}

// Types the letters of "AB" n times: n won games.
void WinGames(const Program& program, int n) {
    for (int i = 0; i < n; ++i) TypeLetters(program, "AB");
}

// Loses a 4-guess game of "AB"; the last miss is posted, since it may open
// the name dialog.
void LoseFourGuessGame(const Program& program) {
    TypeLetters(program, "CDE");
    PostCharacter(program, 'F');
}

// Answers the name dialog with a name; true when it closed.
bool EnterName(const Program& program, const char* name) {
    HWND dialog = ExpectDialog(program, kStreakNameCaption, 20000);
    if (dialog == nullptr) return false;
    SetItemText(dialog, kStreakNameField, name);
    PressButton(dialog, IDOK);
    return Expect(WaitForDialogGone(dialog, 3000), "the name \"%s\" was refused", name);
}

Bytes ScoringPreferences(uint16_t maxGuesses) {
    return CustomWordPreferences({{"AB", ""}}, maxGuesses, 1);
}

void ExpectEntry(const Bytes& file, int board, int rank, int score, const char* name,
                 const char* category) {
    char what[64];
    std::snprintf(what, sizeof what, "board %d rank %d score", board, rank);
    ExpectEqual(GetI16(file, ScoreOffset(board, rank)), score, what);
    std::snprintf(what, sizeof what, "board %d rank %d name", board, rank);
    ExpectText(GetText(file, NameOffset(board, rank), 16), name, what);
    std::snprintf(what, sizeof what, "board %d rank %d category", board, rank);
    ExpectText(GetText(file, CategoryOffset(board, rank), 32), category, what);
}

// The bytes of all five scoreboards.
Bytes Boards(const Bytes& file) {
    return Bytes(file.begin() + ScoreboardScores, file.begin() + ScoringOn);
}

}  // namespace

void StreakEntersScoreboardWithName() {
    Bytes prefs = ScoringPreferences(4);
    Program program;
    if (!Launch(program, &prefs)) return;
    WinGames(program, 3);
    LoseFourGuessGame(program);

    HWND dialog = ExpectDialog(program, kStreakNameCaption, 20000);
    if (dialog == nullptr) {
        KillProgram(program);
        return;
    }
    ExpectText(ItemText(dialog, kStreakNameField), "", "name field at the first entry");
    SetItemText(dialog, kStreakNameField, "   ");
    PressButton(dialog, IDOK);
    Settle(program, 3000);
    Expect(IsWindowVisible(dialog), "a name of three spaces was accepted");
    ExpectText(ItemText(dialog, kStreakNameField), "", "name field after a refused name");
    SetItemText(dialog, kStreakNameField, "Ann Example");
    PressButton(dialog, IDOK);
    Expect(WaitForDialogGone(dialog, 3000), "the name \"Ann Example\" was refused");

    if (HWND board = ExpectDialog(program, kScoreboardCaption, 5000)) {
        ExpectEqual(ButtonCheck(board, kFirstBoardButton), BST_CHECKED, "the 4-guess button");
        ExpectText(InvertedRows(program, board), "#.........", "inverted rows");
        PressButton(board, IDOK);
        Expect(WaitForDialogGone(board, 3000), "the scoreboard did not close on OK");
    }
    Settle(program);

    Bytes file;
    if (!CloseAndRead(program, file)) return;  // a losing run at the close offers nothing
    Bytes expected = prefs;
    PutScoreboardEntry(expected, 0, 0, 3, "Ann Example", "Custom Words");
    ExpectSameBytes(Boards(file), Boards(expected), "scoreboards (bytes from 31550)");
    ExpectEqual(GetI32(file, TotalWins), 3, "TotalWins");
    ExpectEqual(GetI32(file, TotalLosses), 1, "TotalLosses");
}

void TieSettlesBelowOlderScores() {
    Bytes prefs = ScoringPreferences(4);
    PutScoreboardEntry(prefs, 0, 0, 5, "Old Five", "Animals");
    PutScoreboardEntry(prefs, 0, 1, 2, "Old Two", "Authors");
    PutScoreboardEntry(prefs, 0, 2, 1, "Older One", "Birds");
    PutScoreboardEntry(prefs, 0, 3, 1, "Oldest One", "Various Categories");
    PutScoreboardEntry(prefs, 2, 0, 7, "Eight Guesser", "Random Words");
    Program program;
    if (!Launch(program, &prefs)) return;
    WinGames(program, 1);
    LoseFourGuessGame(program);
    if (!EnterName(program, "Newest One")) {
        KillProgram(program);
        return;
    }
    if (HWND board = ExpectDialog(program, kScoreboardCaption, 5000)) {
        ExpectText(InvertedRows(program, board), "....#.....", "inverted rows after the tie");
        Image picture;
        if (CaptureWindowOf(program, board, picture)) SaveScreenshot(picture, "scoreboard");
        PressButton(board, kFirstBoardButton + 2);  // the 8-guess board: no highlight
        Settle(program);
        ExpectEqual(ButtonCheck(board, kFirstBoardButton + 2), BST_CHECKED, "the 8-guess button");
        ExpectText(InvertedRows(program, board), "..........", "inverted rows of another board");
        PressButton(board, kFirstBoardButton);  // back: highlighted again
        Settle(program);
        ExpectText(InvertedRows(program, board), "....#.....", "inverted rows shown again");
        PressButton(board, IDOK);
        WaitForDialogGone(board, 3000);
    }
    Settle(program);
    Bytes file;
    if (!CloseAndRead(program, file)) return;
    Bytes expected = prefs;
    PutScoreboardEntry(expected, 0, 4, 1, "Newest One", "Custom Words");
    ExpectSameBytes(Boards(file), Boards(expected), "scoreboards (bytes from 31550)");
}

void ClosingOffersRunningStreak() {
    // With a sound device the offer's cue plays before the name is asked.
    PrefixSoundDevice device;
    Bytes prefs = ScoringPreferences(6);
    Program program;
    if (!Launch(program, &prefs)) return;
    WinGames(program, 2);
    // Emptying the custom list gives the source to Entered Word but leaves
    // the caption on Custom Words, under which the streak was played.
    PostCommand(program, kCommandEditCustomWords);
    if (HWND dialog = ExpectDialog(program, kCustomWordsCaption, 5000)) {
        PressButton(dialog, kDeleteAllWords);
        AnswerBox(program, kProductTitle, "Delete all words?", IDYES);
        PressButton(dialog, kCustomWordsDone);
        Expect(WaitForDialogGone(dialog, 3000), "the Custom Words dialog did not close");
    }
    Settle(program);
    ExpectText(Caption(program), "Wordloft - Category: Custom Words", "caption after emptying the list");
    // A second close request (another program's, or the close box clicked
    // again) while the offer's cue plays is ignored: one name is asked, once.
    PostCommand(program, kCommandSoundOnOff);
    PostMessageA(program.Window, WM_CLOSE, 0, 0);
    Sleep(200);
    PostMessageA(program.Window, WM_CLOSE, 0, 0);
    if (ExpectDialog(program, kStreakNameCaption, 20000)) {
        // A second close would offer the streak again, after the cue.
        int most = 1;
        for (DWORD start = GetTickCount(); GetTickCount() - start < 4000; Sleep(50))
            most = std::max(most, CountDialogs(program.Process.dwProcessId, kStreakNameCaption));
        ExpectEqual(most, 1, "name dialogs open at once");
    }
    if (EnterName(program, "Closer")) {
        if (HWND board = ExpectDialog(program, kScoreboardCaption, 5000)) {
            ExpectEqual(ButtonCheck(board, kFirstBoardButton + 1), BST_CHECKED,
                        "the 6-guess button");
            PressButton(board, IDOK);
        }
    }
    if (!WaitForExit(program, 10000)) return;
    Bytes file;
    if (!Expect(ReadPreferenceFile(file) && file.size() == FileSize, "no full preference file"))
        return;
    ExpectEntry(file, 1, 0, 2, "Closer", "Custom Words");
    ExpectEqual(GetI32(file, TotalWins), 2, "TotalWins");
    ExpectEqual(GetU32(file, WordSource), 32781, "WordSource after emptying the list");
}

void ScoringOffEntersNothing() {
    Bytes prefs = CustomWordPreferences({{"AB", ""}}, 4, 0);
    Program program;
    if (!Launch(program, &prefs)) return;
    WinGames(program, 2);
    TypeLetters(program, "CDE");
    FinishGameWithoutDialog(program, 'F');
    WinGames(program, 1);

    // The boards can still be looked at.
    PostKey(program, VK_F3);
    if (HWND board = ExpectDialog(program, kScoreboardCaption, 5000)) {
        ExpectText(InvertedRows(program, board), "..........", "inverted rows");
        PressButton(board, IDOK);
        WaitForDialogGone(board, 3000);
    }
    Bytes file;
    if (!CloseAndRead(program, file)) return;  // the close must not offer the streak
    ExpectSameBytes(Boards(file), Boards(prefs), "scoreboards (bytes from 31550)");
}

void ControlShiftDeletesOneBoard() {
    Bytes prefs = CustomWordPreferences({{"AB", ""}}, 8, 0);
    for (int board = 0; board < 5; ++board) {
        PutScoreboardEntry(prefs, board, 0, static_cast<int16_t>(9 - board), "First", "Animals");
        PutScoreboardEntry(prefs, board, 1, 1, "Second", "Custom Words");
    }
    Program program;
    if (!Launch(program, &prefs)) return;

    // No: nothing changes and no scoreboard follows.
    HoldModifierKeys(true, true);
    PostCommand(program, kCommandDisplayHighScores);
    if (HWND box = ExpectDialog(program, kProductTitle, 5000)) {
        ExpectText(MessageBoxText(box),
                   "Are you sure you want to delete the High Scores (associated with a "
                   "MaxGuess of 8)?",
                   "delete question");
        PressButton(box, IDNO);
        WaitForDialogGone(box, 3000);
        ExpectNoDialog(program, 500, "after No");
    }
    Bytes file;
    if (ReadPreferenceFile(file)) ExpectSameBytes(Boards(file), Boards(prefs), "boards after No (bytes from 31550)");

    // Yes: the 8-guess board alone is emptied and saved at once.
    HoldModifierKeys(true, true);
    PostCommand(program, kCommandDisplayHighScores);
    if (HWND box = ExpectDialog(program, kProductTitle, 5000)) {
        PressButton(box, IDYES);
        WaitForDialogGone(box, 3000);
        ExpectNoDialog(program, 500, "after Yes");
    }
    HoldModifierKeys(false, false);
    Bytes expected = prefs;
    for (int rank = 0; rank < 10; ++rank) PutScoreboardEntry(expected, 2, rank, 0, "", "");
    if (ReadPreferenceFile(file)) ExpectSameBytes(Boards(file), Boards(expected), "boards after Yes (bytes from 31550)");

    // Without the keys the command shows the boards.
    PostCommand(program, kCommandDisplayHighScores);
    if (HWND board = ExpectDialog(program, kScoreboardCaption, 5000)) {
        ExpectEqual(ButtonCheck(board, kFirstBoardButton + 2), BST_CHECKED, "the 8-guess button");
        PressButton(board, IDOK);
        WaitForDialogGone(board, 3000);
    }
    if (CloseAndRead(program, file)) ExpectSameBytes(Boards(file), Boards(expected), "boards at exit (bytes from 31550)");
}
