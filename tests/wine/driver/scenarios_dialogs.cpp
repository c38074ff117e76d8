// The Enter Word dialog's phrase check, and the question before MaxGuesses
// ends a running winning streak.
#include "check.h"
#include "dialogs.h"
#include "scenario_support.h"
#include "scenarios.h"

using namespace PrefOffset;

namespace {

constexpr char kMaxGuessesQuestion[] =
    "Change the MaxGuesses now? (Thecurrent winning streak at this difficulty level will end.)";

// Waits until a dialog field shows the text; false after timeoutMs.
bool WaitForItemText(HWND dialog, int id, const std::string& text, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    while (ItemText(dialog, id) != text) {
        if (GetTickCount() - start >= timeoutMs) return false;
        Sleep(20);
    }
    return true;
}

// Chooses a MaxGuesses command and answers the question it must ask.
void AnswerMaxGuessesQuestion(const Program& program, int maxGuesses, int answer) {
    PostCommand(program, MaxGuessesCommand(maxGuesses));
    HWND box = ExpectDialog(program, kProductTitle, 5000);
    if (box == nullptr) return;
    ExpectText(MessageBoxText(box), kMaxGuessesQuestion, "MaxGuesses question");
    PressButton(box, answer);
    Expect(WaitForDialogGone(box, 3000), "the MaxGuesses question did not close");
}

}  // namespace

void EnteredWordDialogChecksThePhrase() {
    Bytes prefs = DefaultPreferences();
    PutU16(prefs, SoundOn, 0);
    PutU32(prefs, WordSource, kCommandEnteredWord);
    Program program;
    if (!Launch(program, &prefs)) return;
    ExpectNoDialog(program, 400, "start-up with Entered Word");
    ExpectText(Caption(program), "Wordloft - Category: Entered Word", "caption");

    PostKey(program, VK_F2);
    HWND dialog = ExpectDialog(program, kEnterWordCaption, 5000);
    if (dialog == nullptr) {
        KillProgram(program);
        return;
    }
    ExpectText(ItemText(dialog, kPhraseField), "", "phrase field when the dialog opens");

    SetItemText(dialog, kPhraseField, "A  B");
    PressButton(dialog, IDOK);
    Expect(WaitForItemText(dialog, kPhraseField, "Please Try Again", 3000),
           "\"A  B\" was not refused: the field shows \"%s\"",
           Printable(ItemText(dialog, kPhraseField)).c_str());
    Expect(IsWindowVisible(dialog), "the dialog closed on a refused phrase");
    DWORD_PTR selection = 0;
    SendMessageTimeoutA(GetDlgItem(dialog, kPhraseField), EM_GETSEL, 0, 0, SMTO_NORMAL, 3000,
                        &selection);
    Expect(LOWORD(selection) == 0 && HIWORD(selection) == 16,
           "\"Please Try Again\" is not all selected (%u..%u)", LOWORD(selection),
           HIWORD(selection));

    SetItemText(dialog, kPhraseField, "cr\xE8me br\xFBl\xE9" "e");
    SetItemText(dialog, kInformationField, "A custard under burnt sugar");
    PressButton(dialog, IDOK);
    if (!Expect(WaitForDialogGone(dialog, 3000), "\"cr\\xE8me br\\xFBl\\xE9e\" was refused")) {
        KillProgram(program);
        return;
    }
    Settle(program);
    Image scene;
    if (CaptureClient(program, scene)) {
        ExpectText(UnderlinePattern(scene), "_____.______..............", "slots of the phrase");
        SaveScreenshot(scene, "entered-word-game");
    }

    // E reveals the plain, the grave and the acute E; u with a circumflex
    // guesses U.
    TypeCharacter(program, 'e');
    TypeCharacter(program, '\xFB');
    if (CaptureClient(program, scene)) {
        std::string shown;
        for (int slot = 0; slot < 12; ++slot) shown += SlotShowsLetter(scene, slot) ? 'x' : '.';
        ExpectText(shown, "..x.x...x.xx", "slots showing letters after E and U");
        Expect(SameSlotPicture(scene, 4, 11), "the two plain E slots show different pictures");
        Expect(!SameSlotPicture(scene, 4, 2), "the E with a grave accent looks like a plain E");
        Expect(!SameSlotPicture(scene, 4, 10), "the E with an acute accent looks like a plain E");
    }
    Bytes file;
    if (CloseAndRead(program, file))
        ExpectEqual(GetU32(file, WordSource), kCommandEnteredWord, "WordSource after exit");
}

void MaxGuessesChangeAsksDuringStreak() {
    Bytes prefs = CustomWordPreferences({{"AB", ""}}, 6, 1);
    Program program;
    if (!Launch(program, &prefs)) return;

    // No streak yet: no question.
    PostCommand(program, MaxGuessesCommand(8));
    ExpectNoDialog(program, 500, "MaxGuesses 8 without a streak");
    ExpectEqual(CheckedMaxGuesses(program), 8, "checked MaxGuesses without a streak");
    PostCommand(program, MaxGuessesCommand(6));
    ExpectNoDialog(program, 300, "MaxGuesses 6 without a streak");

    TypeLetters(program, "AB");  // a streak of one win
    AnswerMaxGuessesQuestion(program, 8, IDNO);
    ExpectEqual(CheckedMaxGuesses(program), 6, "checked MaxGuesses after No");
    AnswerMaxGuessesQuestion(program, 8, IDCANCEL);
    ExpectEqual(CheckedMaxGuesses(program), 6, "checked MaxGuesses after Cancel");
    PostCommand(program, MaxGuessesCommand(6));  // the value in effect: no question
    ExpectNoDialog(program, 300, "choosing the MaxGuesses in effect");

    // Yes offers the streak of 1 to the empty 6-guess board.
    AnswerMaxGuessesQuestion(program, 8, IDYES);
    if (HWND name = ExpectDialog(program, kStreakNameCaption, 5000)) {
        SetItemText(name, kStreakNameField, "Tess");
        PressButton(name, IDOK);
        WaitForDialogGone(name, 3000);
        if (HWND board = ExpectDialog(program, kScoreboardCaption, 5000)) {
            ExpectEqual(ButtonCheck(board, kFirstBoardButton + 1), BST_CHECKED,
                        "the 6-guess board button");
            PressButton(board, IDOK);
            WaitForDialogGone(board, 3000);
        }
    }
    Settle(program);
    ExpectEqual(CheckedMaxGuesses(program), 8, "checked MaxGuesses after Yes");
    PostCommand(program, MaxGuessesCommand(10));  // the streak ended: no question
    ExpectNoDialog(program, 500, "MaxGuesses 10 after the streak ended");

    Bytes file;
    if (CloseAndRead(program, file)) {
        ExpectEqual(GetU16(file, MaxGuesses), 10, "MaxGuesses in the file");
        ExpectEqual(GetI16(file, ScoreOffset(1, 0)), 1, "6-guess board, first score");
        ExpectText(GetText(file, NameOffset(1, 0), 16), "Tess", "6-guess board, first name");
        ExpectText(GetText(file, CategoryOffset(1, 0), 32), "Custom Words",
                   "6-guess board, first category");
        ExpectEqual(GetI16(file, ScoreOffset(2, 0)), 0, "8-guess board, first score");
    }
}
