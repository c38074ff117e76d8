// The word-list dialogs: building the custom list and playing from it, the
// list's editing buttons, a full list, word-list files, the random
// categories, and what the Words menu does after each dialog; a text list
// opened through the dialog, the command line, a second copy and a drop,
// lists that wait for a game, and two copies started at once.
#include <shlobj.h>

#include <cstdio>
#include <cstring>
#include <set>

#include "check.h"
#include "dialogs.h"
#include "scenario_support.h"
#include "scenarios.h"

using namespace PrefOffset;

namespace {

constexpr char kOpenCaption[] = "Open";
constexpr char kSaveCaption[] = "Save Wordloft Word List as...";
constexpr char kListFolder[] = "C:\\wordlists";

// Controls of the Custom Words dialog.
constexpr int kAddWord = IDOK;
constexpr int kCustomList = 1002;
constexpr int kDeleteWord = 1003;
constexpr int kDeleteAll = 1004;
constexpr int kOpenList = 1005;
constexpr int kAppendList = 1006;
constexpr int kSaveList = 1007;
constexpr int kSortList = 1008;
constexpr int kPhrase = 1009;
constexpr int kSortStatus = 1010;
constexpr int kDone = 1013;
constexpr int kCopyTopToBottom = 1014;
constexpr int kInformation = 1015;
constexpr int kCount = 1016;
// The Random Categories list.
constexpr int kCategoryList = 1001;

LRESULT Ask(HWND dialog, int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    DWORD_PTR result = static_cast<DWORD_PTR>(-1);
    SendMessageTimeoutA(GetDlgItem(dialog, id), message, wParam, lParam, SMTO_NORMAL, 3000,
                        &result);
    return static_cast<LRESULT>(result);
}

int LineCount(HWND dialog, int id) { return static_cast<int>(Ask(dialog, id, LB_GETCOUNT)); }
int SelectedLine(HWND dialog) { return static_cast<int>(Ask(dialog, kCustomList, LB_GETCURSEL)); }

// A list line, read as UTF-16 (the A message returns UTF-16 across
// processes under Wine) and given back in the program's code page.
std::string Line(HWND dialog, int id, int index) {
    wchar_t wide[512] = L"";
    LRESULT length = Ask(dialog, id, LB_GETTEXTLEN, index);
    if (length < 0 || length >= 512) return "<no line " + std::to_string(index) + ">";
    DWORD_PTR result = 0;
    SendMessageTimeoutW(GetDlgItem(dialog, id), LB_GETTEXT, index, reinterpret_cast<LPARAM>(wide),
                        SMTO_NORMAL, 3000, &result);
    char text[512] = "";
    WideCharToMultiByte(1252, 0, wide, -1, text, sizeof text, nullptr, nullptr);
    return text;
}

std::string AllLines(HWND dialog) {
    std::string lines;
    for (int i = 0; i < LineCount(dialog, kCustomList); ++i)
        lines += (i ? "|" : "") + Line(dialog, kCustomList, i);
    return lines;
}

// Which buttons are enabled, as "AddWord Append Save Sort DeleteAll DeleteWord"
// flags ('1' enabled, '0' greyed), for one comparison per state.
std::string ButtonStates(HWND dialog) {
    std::string states;
    for (int id : {kAddWord, kAppendList, kSaveList, kSortList, kDeleteAll, kDeleteWord})
        states += IsWindowEnabled(GetDlgItem(dialog, id)) ? '1' : '0';
    return states;
}

// The dialog's controls in tab order, as "id text|...", and whether the
// dialog has a close box.
std::string Controls(HWND dialog) {
    std::string controls = (GetWindowLongA(dialog, GWL_STYLE) & WS_SYSMENU) ? "close box" : "no close box";
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        char className[16] = "";
        GetClassNameA(child, className, sizeof className);
        bool picture = lstrcmpiA(className, "Static") == 0 &&
                       (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP;
        controls += "|" + std::to_string(GetDlgCtrlID(child)) + " " +
                    (picture ? std::string("(picture)") : WindowText(child));
    }
    return controls;
}

// Presses a button and waits until the program has handled it (and any
// dialog it opened is there).
void Press(const Program& program, HWND dialog, int id) {
    PressButton(dialog, id);
    Settle(program);
}

HWND OpenCustomWords(const Program& program) {
    PostCommand(program, kCommandEditCustomWords);
    return ExpectDialog(program, kCustomWordsCaption, 5000);
}

// Adds one entry through the fields and the Add button.
void AddEntry(const Program& program, HWND dialog, const char* phrase, const char* information) {
    SetItemText(dialog, kPhrase, phrase);
    SetItemText(dialog, kInformation, information);
    Press(program, dialog, kAddWord);
}

// The Enter key pressed while a field of the dialog has the focus.
void PressEnterIn(const Program& program, HWND dialog, int id) {
    HWND field = GetDlgItem(dialog, id);
    UINT scan = MapVirtualKeyA(VK_RETURN, MAPVK_VK_TO_VSC);
    PostMessageA(field, WM_KEYDOWN, VK_RETURN, 1 | (scan << 16));
    PostMessageA(field, WM_KEYUP, VK_RETURN, 1 | (scan << 16) | (3u << 30));
    Settle(program);
}

void SaveDialogScreenshot(const Program& program, HWND dialog, const char* name) {
    Image picture;
    if (CaptureWindowOf(program, dialog, picture)) SaveScreenshot(picture, name);
}

// A phrase of letters only, different for each n.
std::string NumberedPhrase(const char* stem, int n) {
    std::string phrase = stem;
    phrase += ' ';
    phrase += static_cast<char>('A' + n / 26 % 26);
    phrase += static_cast<char>('A' + n % 26);
    return phrase;
}

std::vector<WordEntryText> NumberedWords(const char* stem, int count) {
    std::vector<WordEntryText> words;
    for (int i = 0; i < count; ++i)
        words.push_back({NumberedPhrase(stem, i), "note " + std::to_string(i)});
    return words;
}

Bytes WordListFile(const std::vector<WordEntryText>& words) {
    Bytes b(26004, 0);
    PutU16(b, 0, 10101);
    PutU16(b, 2, static_cast<uint16_t>(words.size()));
    for (size_t i = 0; i < words.size(); ++i) {
        PutText(b, 4 + 130 * i, 28, words[i].Phrase);
        PutText(b, 4 + 130 * i + 28, 102, words[i].Information);
    }
    return b;
}

std::string ExpectedLine(const WordEntryText& word) {
    return word.Information.empty() ? word.Phrase : word.Phrase + ": " + word.Information;
}

std::string ExpectedLines(const std::vector<WordEntryText>& words) {
    std::string lines;
    for (size_t i = 0; i < words.size(); ++i) lines += (i ? "|" : "") + ExpectedLine(words[i]);
    return lines;
}

void ExpectEntry(const Bytes& file, size_t listOffset, int i, const std::string& phrase,
                 const std::string& information, const char* what) {
    std::string label = std::string(what) + " entry " + std::to_string(i);
    ExpectText(GetText(file, listOffset + 130 * i, 28), phrase, (label + " phrase").c_str());
    ExpectText(GetText(file, listOffset + 130 * i + 28, 102), information,
               (label + " information").c_str());
}

Bytes SilentDefaults() {
    Bytes prefs = DefaultPreferences();
    PutU16(prefs, SoundOn, 0);
    return prefs;
}

// 100 characters, the most an entry's information holds.
constexpr char kLongInformation[] =
    "The capital of the State of New York, on the west bank of the Hudson River, first chartered "
    "in 1686.";
static_assert(sizeof kLongInformation == 101, "100 characters");

constexpr char kNewYork[] = "___.____..................";
constexpr char kParis[] = "_____.....................";

}  // namespace

void CustomWordsAreAddedAndPlayed() {
    Bytes prefs = SilentDefaults();
    Program program;
    if (!Launch(program, &prefs)) return;
    Expect(IsGreyed(program, kCommandUseCustomWords),
           "Use Custom Words is not greyed at the start");
    Expect(!IsGreyed(program, kCommandEditCustomWords), "Edit Custom Words is greyed");
    HWND dialog = OpenCustomWords(program);
    if (dialog == nullptr) return KillProgram(program);
    ExpectText(Controls(dialog),
               "no close box|1009 |1014 Copy top text to &bottom|1015 |1 &Add word/info|1013 Done|"
               "2 Cancel|1005 &Open list...|1007 &Save list...|1003 &Delete word|"
               "1004 Delete all words...|1006 A&ppend list...|1008 So&rt list|1011 &Help|1002 |"
               "-1 Enter word, or short phrase, to be guessed (26 chars max)...|1010 |"
               "-1 Optionally, enter information about the word above:|-1 List Count (200 max.):|"
               "1016 0|-1 (picture)",
               "controls of the Custom Words dialog");
    ExpectText(ItemText(dialog, kCount), "0", "count of an empty list");
    ExpectText(ButtonStates(dialog), "110000", "buttons of an empty list");
    SaveDialogScreenshot(program, dialog, "custom-words-empty");

    AddEntry(program, dialog, "new york", "Big Apple");
    ExpectText(AllLines(dialog), "NEW YORK: Big Apple", "list after adding new york");
    ExpectText(ItemText(dialog, kPhrase) + "/" + ItemText(dialog, kInformation), "/",
               "fields after adding");
    ExpectText(ItemText(dialog, kCount), "1", "count of one entry");
    ExpectText(ButtonStates(dialog), "111111", "buttons of one selected entry");

    // Two spaces in a row: refused, both fields keep their text.
    AddEntry(program, dialog, "a  b", "kept");
    AnswerBox(program, kErrorCaption, "Word Error: please re-enter.", IDOK);
    ExpectText(ItemText(dialog, kPhrase) + "/" + ItemText(dialog, kInformation), "a  b/kept",
               "fields after a refused phrase");
    ExpectEqual(LineCount(dialog, kCustomList), 1, "lines after a refused phrase");

    // The phrase is copied to the information as typed; an empty one is not.
    SetItemText(dialog, kPhrase, "Lyon");
    Press(program, dialog, kCopyTopToBottom);
    ExpectText(ItemText(dialog, kInformation), "Lyon", "information after the copy");
    SetItemText(dialog, kPhrase, "");
    Press(program, dialog, kCopyTopToBottom);
    ExpectText(ItemText(dialog, kInformation), "Lyon", "information after copying nothing");

    // Thirty letters are cut to 26; the entry is then deleted again.
    AddEntry(program, dialog, "abcdefghijklmnopqrstuvwxyzabcd", "");
    ExpectText(Line(dialog, kCustomList, 1), "ABCDEFGHIJKLMNOPQRSTUVWXYZ",
               "a phrase of 30 letters");
    Press(program, dialog, kDeleteWord);

    // An information of 101 characters keeps its first 100.
    AddEntry(program, dialog, "paris", (std::string(kLongInformation) + "!").c_str());
    ExpectText(AllLines(dialog), std::string("NEW YORK: Big Apple|PARIS: ") + kLongInformation,
               "list before Done");
    Press(program, dialog, kDone);
    if (!Expect(WaitForDialogGone(dialog, 3000), "Done did not close the dialog"))
        return KillProgram(program);

    Bytes file;
    if (Expect(ReadPreferenceFile(file), "no preference file after Done")) {
        ExpectEqual(GetI16(file, CustomWordCount), 2, "CustomWordCount saved after Done");
        ExpectEntry(file, CustomWords, 0, "NEW YORK", "Big Apple", "saved");
        ExpectEntry(file, CustomWords, 1, "PARIS", kLongInformation, "saved");
    }
    Expect(!IsGreyed(program, kCommandUseCustomWords),
           "Use Custom Words is still greyed after Done");

    // Custom Words now plays these two phrases and no other.
    PostCommand(program, kCommandUseCustomWords);
    std::set<std::string> seen;
    for (int game = 0; game < 4; ++game) {
        Settle(program);
        Image scene;
        if (!CaptureClient(program, scene)) break;
        std::string slots = UnderlinePattern(scene);
        Expect(slots == kNewYork || slots == kParis, "a custom game shows the slots %s",
               slots.c_str());
        seen.insert(slots);
        PostKey(program, VK_F2);
    }
    ExpectEqual(static_cast<long long>(seen.size()), 2, "different phrases in four custom games");
    if (CloseAndRead(program, file))
        ExpectEqual(GetU32(file, WordSource), kCommandCustomWords, "WordSource");
}

void CustomWordListIsEdited() {
    std::vector<WordEntryText> words = {{"NEWARK", ""},
                                        {"NEW YORK", "Big Apple"},
                                        {"BOSTON", ""},
                                        {"ALBANY", kLongInformation},
                                        {"DENVER", ""}};
    Bytes prefs = CustomWordPreferences(words, 6, 0);
    Program program;
    if (!Launch(program, &prefs)) return;
    HWND dialog = OpenCustomWords(program);
    if (dialog == nullptr) return KillProgram(program);
    ExpectText(AllLines(dialog), ExpectedLines(words), "lines when the dialog opens");
    ExpectEqual(SelectedLine(dialog), 4, "selected line when the dialog opens");

    // "Sorting..." shows while the list is sorted; a space sorts before
    // every letter; the last line is selected after.
    HWND status = GetDlgItem(dialog, kSortStatus);
    RECT statusArea;
    GetWindowRect(status, &statusArea);
    PressButton(dialog, kSortList);
    bool statusShown = false;
    for (DWORD start = GetTickCount(); !statusShown && GetTickCount() - start < 2000; Sleep(5)) {
        Image picture;
        statusShown =
            GrabScreen(statusArea, picture) && CountDarkPixels(picture, {0, 0, 40, 8}) > 20;
    }
    Expect(statusShown, "\"Sorting...\" was not seen while sorting");
    Settle(program);
    ExpectText(
        AllLines(dialog),
        std::string("ALBANY: ") + kLongInformation + "|BOSTON|DENVER|NEW YORK: Big Apple|NEWARK",
        "sorted list");
    ExpectEqual(SelectedLine(dialog), 4, "selected line after sorting");
    ExpectText(ItemText(dialog, kSortStatus), "", "status after sorting");
    SaveDialogScreenshot(program, dialog, "custom-words-sorted");

    // Deleting the last of five selects the new last line.
    Press(program, dialog, kDeleteWord);
    ExpectText(AllLines(dialog),
               std::string("ALBANY: ") + kLongInformation + "|BOSTON|DENVER|NEW YORK: Big Apple",
               "after deleting the last");
    ExpectEqual(SelectedLine(dialog), 3, "selected line after deleting the last");
    ExpectText(ItemText(dialog, kCount), "4", "count after deleting one");

    // Delete all asks; No keeps the list, Yes empties it.
    Press(program, dialog, kDeleteAll);
    AnswerBox(program, kProductTitle, "Delete all words?", IDNO);
    ExpectEqual(LineCount(dialog, kCustomList), 4, "lines after No to Delete all");
    Press(program, dialog, kDeleteAll);
    AnswerBox(program, kProductTitle, "Delete all words?", IDYES);
    ExpectEqual(LineCount(dialog, kCustomList), 0, "lines after Yes to Delete all");

    // Deleting the only entry greys the four buttons that need one.
    AddEntry(program, dialog, "rome", "");
    Press(program, dialog, kDeleteWord);
    ExpectEqual(LineCount(dialog, kCustomList), 0, "lines after deleting the only entry");
    ExpectEqual(SelectedLine(dialog), LB_ERR, "selection of an empty list");
    ExpectText(ButtonStates(dialog), "110000", "buttons after deleting the only entry");
    ExpectText(ItemText(dialog, kCount), "0", "count after deleting the only entry");

    // Done with an empty list while Custom Words is the source: Enter Word
    // takes over, the caption stays until the next game.
    Press(program, dialog, kDone);
    WaitForDialogGone(dialog, 3000);
    Settle(program);
    Expect(IsGreyed(program, kCommandUseCustomWords),
           "Use Custom Words is not greyed after emptying the list");
    Expect(IsChecked(program, kCommandEnteredWord),
           "Enter Word is not checked after emptying the list");
    Expect(!IsChecked(program, kCommandUseCustomWords), "Use Custom Words is still checked");
    ExpectText(Caption(program), "Wordloft - Category: Custom Words",
               "caption after emptying the list");
    Bytes file;
    if (Expect(ReadPreferenceFile(file), "no preference file after Done")) {
        ExpectEqual(GetI16(file, CustomWordCount), 0, "CustomWordCount after emptying the list");
        ExpectEqual(GetU32(file, WordSource), kCommandEnteredWord,
                    "WordSource after emptying the list");
    }
    CloseProgram(program);
}

void FullCustomWordList() {
    std::vector<WordEntryText> words = NumberedWords("TOWN", 200);
    Bytes prefs = CustomWordPreferences(words, 6, 0);
    PutU32(prefs, WordSource, kCommandAuthors);
    Program program;
    if (!Launch(program, &prefs)) return;
    HWND dialog = OpenCustomWords(program);
    if (dialog == nullptr) return KillProgram(program);
    ExpectText(ItemText(dialog, kCount), "200", "count of a full list");
    ExpectText(ButtonStates(dialog), "001111", "buttons of a full list");
    SaveDialogScreenshot(program, dialog, "custom-words-full");

    // Enter in the phrase field adds nothing.
    SetItemText(dialog, kPhrase, "extra");
    PressEnterIn(program, dialog, kPhrase);
    ExpectEqual(LineCount(dialog, kCustomList), 200, "lines after Enter on a full list");
    ExpectText(ItemText(dialog, kPhrase), "extra", "phrase field after Enter on a full list");

    // At 199 entries both come back; Enter adds the 200th entry.
    Press(program, dialog, kDeleteWord);
    ExpectText(ButtonStates(dialog), "111111", "buttons of 199 entries");
    PressEnterIn(program, dialog, kPhrase);
    ExpectText(Line(dialog, kCustomList, 199), "EXTRA", "the entry that fills the list");
    ExpectText(ButtonStates(dialog), "001111", "buttons of a list filled again");

    // Cancel puts back the list as it was.
    Press(program, dialog, IDCANCEL);
    WaitForDialogGone(dialog, 3000);
    Bytes file;
    if (CloseAndRead(program, file)) {
        ExpectEqual(GetI16(file, CustomWordCount), 200, "CustomWordCount after Cancel");
        ExpectEntry(file, CustomWords, 199, words[199].Phrase, words[199].Information,
                    "after Cancel");
    }
}

void CustomWordListFiles() {
    std::vector<WordEntryText> hundred = NumberedWords("CITY", 100);
    std::vector<WordEntryText> more = NumberedWords("PORT", 150);
    const std::string folder = kListFolder;
    CreateDirectoryA(folder.c_str(), nullptr);
    DeleteFileA((folder + "\\hundred.WLT").c_str());
    Bytes shortFile = WordListFile(more);
    shortFile.pop_back();
    if (!Expect(WriteFileBytes(folder + "\\more.wlt", WordListFile(more)) &&
                    WriteFileBytes(folder + "\\short.wlt", shortFile),
                "cannot write the word-list files in %s", kListFolder))
        return;

    Bytes prefs = CustomWordPreferences(hundred, 6, 0);
    Program program;
    if (!Launch(program, &prefs)) return;
    HWND dialog = OpenCustomWords(program);
    if (dialog == nullptr) return KillProgram(program);

    // Saved under a name without extension: the default one is added.
    Press(program, dialog, kSaveList);
    ChooseFile(program, kSaveCaption, folder + "\\hundred");
    Bytes saved;
    if (Expect(ReadFileBytes(folder + "\\hundred.WLT", saved), "no file hundred.WLT was saved") &&
        ExpectEqual(static_cast<long long>(saved.size()), 26004, "size of the saved file")) {
        ExpectEqual(GetU16(saved, 0), 10101, "version of the saved file");
        ExpectEqual(GetI16(saved, 2), 100, "count of the saved file");
        ExpectEntry(saved, 4, 0, hundred[0].Phrase, hundred[0].Information, "saved file");
        ExpectEntry(saved, 4, 99, hundred[99].Phrase, hundred[99].Information, "saved file");
    }

    // Emptied, then opened from the file: the same entries come back.
    Press(program, dialog, kDeleteAll);
    AnswerBox(program, kProductTitle, "Delete all words?", IDYES);
    Press(program, dialog, kOpenList);
    ChooseFile(program, kOpenCaption, folder + "\\hundred.wlt");
    ExpectText(AllLines(dialog), ExpectedLines(hundred), "list opened from the saved file");

    // 150 entries appended to 100: the first 100 of them fit, and the
    // others are named.
    Press(program, dialog, kAppendList);
    ChooseFile(program, kOpenCaption, folder + "\\more.wlt");
    AnswerBox(program, kProductTitle,
              "100 entries were added from more.wlt. These entries were left out or will look odd in play:\n\n"
              "entries 101 to 150: the list was full (200 entries)",
              IDOK);
    ExpectEqual(LineCount(dialog, kCustomList), 200, "lines after appending 150 to 100");
    ExpectText(Line(dialog, kCustomList, 100), ExpectedLine(more[0]), "line 100 after appending");
    ExpectText(Line(dialog, kCustomList, 199), ExpectedLine(more[99]), "line 199 after appending");
    ExpectText(ItemText(dialog, kCount), "200", "count after appending");

    // No to the question, or a cancelled file dialog, changes nothing and
    // says nothing.
    Press(program, dialog, kOpenList);
    AnswerBox(program, kProductTitle, "Overwrite existing words?", IDNO);
    Expect(WaitForDialog(program.Process.dwProcessId, kOpenCaption, 500) == nullptr,
           "a file dialog opened after No");
    Press(program, dialog, kOpenList);
    AnswerBox(program, kProductTitle, "Overwrite existing words?", IDYES);
    if (HWND fileDialog = ExpectDialog(program, kOpenCaption, 10000)) {
        PressButton(fileDialog, IDCANCEL);
        WaitForDialogGone(fileDialog, 5000);
        Settle(program);
        Expect(WaitForDialog(program.Process.dwProcessId, kErrorCaption, 500) == nullptr,
               "a message followed the cancelled file dialog");
    }
    ExpectEqual(LineCount(dialog, kCustomList), 200, "lines after No and a cancelled file dialog");

    // A file one byte short is refused and changes nothing.
    Press(program, dialog, kOpenList);
    AnswerBox(program, kProductTitle, "Overwrite existing words?", IDYES);
    ChooseFile(program, kOpenCaption, folder + "\\short.wlt");
    AnswerBox(program, kProductTitle, "Error: Wordloft Word File Size Error.", IDOK);
    ExpectEqual(LineCount(dialog, kCustomList), 200, "lines after a file of 26,003 bytes");

    // Cancel undoes the files loaded.
    Press(program, dialog, IDCANCEL);
    WaitForDialogGone(dialog, 3000);
    Bytes file;
    if (CloseAndRead(program, file)) {
        ExpectEqual(GetI16(file, CustomWordCount), 100, "CustomWordCount after Cancel");
        ExpectEntry(file, CustomWords, 99, hundred[99].Phrase, hundred[99].Information,
                    "after Cancel");
    }
}

void RandomCategoriesAreChosen() {
    Bytes prefs = SilentDefaults();
    Program program;
    if (!Launch(program, &prefs)) return;
    PostCommand(program, kCommandEditRandomCategories);
    HWND dialog = ExpectDialog(program, kRandomCategoriesCaption, 5000);
    if (dialog == nullptr) return KillProgram(program);
    ExpectText(Controls(dialog),
               "close box|1 OK|2 Cancel|1001 |-1 Word Category List:|-1 Select the desired categories "
               "from which a random word will be chosen (use CTRL and SHIFT keys as required)...|"
               "1012 &Help",
               "controls of the Random Categories dialog");
    ExpectEqual(LineCount(dialog, kCategoryList), 51, "category lines");
    ExpectEqual(Ask(dialog, kCategoryList, LB_GETSELCOUNT), 51, "categories selected by default");
    std::string order;
    for (int k : {0, 4, 42, 43, 46, 47, 50}) order += Line(dialog, kCategoryList, k) + "|";
    ExpectText(order, "Anatomy|Authors|State Capitals|States|Tools|Trees|Weather|",
               "lines in command order");
    SaveDialogScreenshot(program, dialog, "random-categories-all");

    // Nothing selected: refused, the dialog stays.
    Ask(dialog, kCategoryList, LB_SETSEL, FALSE, -1);
    Press(program, dialog, IDOK);
    AnswerBox(program, kErrorCaption, "Error: At least one category must be selected.", IDOK);
    Expect(IsWindowVisible(dialog) != FALSE, "the dialog closed with nothing selected");

    // Authors and Weather only.
    Ask(dialog, kCategoryList, LB_SETSEL, TRUE, 4);
    Ask(dialog, kCategoryList, LB_SETSEL, TRUE, 50);
    SaveDialogScreenshot(program, dialog, "random-categories-two");
    Press(program, dialog, IDOK);
    if (!Expect(WaitForDialogGone(dialog, 3000), "OK did not close the dialog"))
        return KillProgram(program);
    Settle(program);
    Bytes file;
    if (Expect(ReadPreferenceFile(file), "no preference file after OK")) {
        ExpectEqual(GetI16(file, SelectedCategoryCount), 2, "SelectedCategoryCount");
        std::string flags;
        for (int k = 0; k < 100; ++k)
            flags += GetU16(file, CategorySelected + 2 * k) == 1 ? "1" : "0";
        ExpectText(flags,
                   std::string(4, '0') + "1" + std::string(45, '0') + "1" + std::string(49, '0'),
                   "category flags");
    }
    Expect(!IsGreyed(program, kCommandUseRandomWords), "Use Random Words is greyed");

    // Cancel leaves the selection as it is.
    PostCommand(program, kCommandEditRandomCategories);
    if ((dialog = ExpectDialog(program, kRandomCategoriesCaption, 5000)) != nullptr) {
        ExpectEqual(Ask(dialog, kCategoryList, LB_GETSELCOUNT), 2,
                    "categories selected on reopening");
        Ask(dialog, kCategoryList, LB_SETSEL, TRUE, -1);
        Press(program, dialog, IDCANCEL);
        WaitForDialogGone(dialog, 3000);
    }
    if (CloseAndRead(program, file))
        ExpectEqual(GetI16(file, SelectedCategoryCount), 2, "count after Cancel");
}

namespace {

// A spelling list as Notepad writes it in UTF-8 with its mark: accents, a
// sharp s, tabs before the information, a hyphen, a 38-character line, an
// empty line, a duplicate and a letter outside Windows-1252.
constexpr char kSpellingList[] =
    "\xEF\xBB\xBF"
    "Cr\xC3\xA8me br\xC3\xBBl\xC3\xA9" "e\tA French dessert\r\n"
    "Stra\xC3\x9F" "e\tA street, in German\r\n"
    "x-ray\tA picture of the bones\r\n"
    "\r\n"
    "The quick brown fox jumps over the dog\r\n"
    "se\xC3\xB1or\tMister, in Spanish\r\n"
    "stra\xC3\x9F" "e\r\n"
    "\xC5\x81\xC3\xB3" "d\xC5\xBA\tA city in Poland\r\n"
    "Zo\xC3\xAB\r\n";
// The report it gives, UTF-8, and the list it makes (Windows-1252).
constexpr char kSpellingReport[] =
    "4 entries were added from spelling.txt. These lines were left out or changed:\n\n"
    "line 3, \"x-ray\": a hyphen is not a letter\n"
    "line 5: 38 characters, at most 26\n"
    "line 7, \"stra\xC3\x9F" "e\": already in the list\n"
    "line 8, \"\xC5\x81\xC3\xB3" "d\xC5\xBA\": \"\xC5\x81\" is a character the game cannot show";
const std::vector<WordEntryText> kSpellingWords = {{"CR\xC8ME BR\xDBL\xC9" "E", "A French dessert"},
                                                   {"STRA\xDF" "E", "A street, in German"},
                                                   {"SE\xD1OR", "Mister, in Spanish"},
                                                   {"ZO\xCB", ""}};
// The same list saved as CSV: UTF-8 with its mark, CR LF, quoted fields.
constexpr char kSpellingCsv[] =
    "\xEF\xBB\xBF"
    "CR\xC3\x88ME BR\xC3\x9BL\xC3\x89" "E,A French dessert\r\n"
    "STRA\xC3\x9F" "E,\"A street, in German\"\r\n"
    "SE\xC3\x91OR,\"Mister, in Spanish\"\r\n"
    "ZO\xC3\x8B\r\n";
constexpr char kListQuestionCaption[] = "Wordloft Word List";
constexpr int kListQuestionText = 1020;
constexpr int kReplaceList = 1021;
constexpr int kAddToList = 1022;
constexpr int kFileTypeBox = 0x470;

std::string Utf8(const wchar_t* wide) {
    char text[2048] = "";
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, text, sizeof text, nullptr, nullptr);
    return text;
}

// A window's text read as UTF-16, given as UTF-8: the texts that quote a
// list's lines may hold any character.
std::string WideWindowText(HWND window) {
    wchar_t text[2048] = L"";
    DWORD_PTR length = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, 2048, reinterpret_cast<LPARAM>(text), SMTO_NORMAL, 3000, &length);
    return Utf8(text);
}

// A message box with a UTF-8 text (its Static child's), answered with OK.
void AnswerWideBox(const Program& program, const char* caption, const std::string& text, const char* what,
                   const char* screenshot = nullptr) {
    HWND box = ExpectDialog(program, caption, 5000);
    if (box == nullptr) return;
    std::string shown;
    for (HWND child = FindWindowExA(box, nullptr, "Static", nullptr); child != nullptr && shown.empty();
         child = FindWindowExA(box, child, "Static", nullptr))
        shown = WideWindowText(child);
    ExpectText(shown, text, what);
    if (screenshot != nullptr) SaveDialogScreenshot(program, box, screenshot);
    PressButton(box, IDOK);
    Expect(WaitForDialogGone(box, 3000), "%s did not close", what);
    Settle(program);
}

// The file types a file dialog offers, as "type|type|...".
std::string FileTypes(HWND fileDialog) {
    HWND box = GetDlgItem(fileDialog, kFileTypeBox);
    DWORD_PTR count = 0;
    SendMessageTimeoutW(box, CB_GETCOUNT, 0, 0, SMTO_NORMAL, 3000, &count);
    std::string types;
    for (DWORD_PTR i = 0; i < count && i < 10; ++i) {
        wchar_t type[256] = L"";
        DWORD_PTR length = 0;
        SendMessageTimeoutW(box, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(type), SMTO_NORMAL, 3000, &length);
        types += (i ? "|" : "") + Utf8(type);
    }
    return types;
}

// Chooses a file type of a file dialog as a click in its list would: the
// selection, then the notifications of a changed and a confirmed choice.
void ChooseFileType(HWND fileDialog, int index) {
    HWND box = GetDlgItem(fileDialog, kFileTypeBox);
    DWORD_PTR result = 0;
    SendMessageTimeoutW(box, CB_SETCURSEL, index, 0, SMTO_NORMAL, 3000, &result);
    for (WORD notification : {CBN_SELCHANGE, CBN_SELENDOK})
        SendMessageTimeoutW(fileDialog, WM_COMMAND, MAKEWPARAM(kFileTypeBox, notification),
                            reinterpret_cast<LPARAM>(box), SMTO_NORMAL, 3000, &result);
}

// The Replace / Add question of a list that is not full: its text, then
// the button given.
void AnswerListQuestion(const Program& program, const std::string& text, int button, const char* what) {
    HWND question = ExpectDialog(program, kListQuestionCaption, 5000);
    if (question == nullptr) return;
    ExpectText(WideWindowText(GetDlgItem(question, kListQuestionText)), text, what);
    Expect(IsWindowEnabled(GetDlgItem(question, kAddToList)) != FALSE, "%s: \"Add to list\" is greyed", what);
    SaveDialogScreenshot(program, question, "list-question");
    PressButton(question, button);
    Expect(WaitForDialogGone(question, 3000), "%s did not close", what);
    Settle(program);
}

// After a list came in: Custom Words is the source, the record holds the
// list, and the game shows one of its phrases.
void ExpectPlayingList(const Program& program, const std::vector<WordEntryText>& words, const char* what) {
    ExpectText(Caption(program), "Wordloft - Category: Custom Words", what);
    Expect(IsChecked(program, kCommandUseCustomWords), "%s: Use Custom Words is not checked", what);
    Image scene;
    if (CaptureClient(program, scene)) {
        const std::string slots = UnderlinePattern(scene);
        bool known = false;
        for (const WordEntryText& word : words) {
            std::string pattern(26, '.');
            for (size_t i = 0; i < word.Phrase.size(); ++i) pattern[i] = word.Phrase[i] == ' ' ? '.' : '_';
            known = known || slots == pattern;
        }
        Expect(known, "%s: the game shows the slots %s", what, slots.c_str());
    }
    Bytes file;
    if (!Expect(ReadPreferenceFile(file), "%s: no preference file", what)) return;
    ExpectEqual(GetU32(file, WordSource), kCommandCustomWords, what);
    ExpectEqual(GetI16(file, CustomWordCount), static_cast<long long>(words.size()), what);
    for (size_t i = 0; i < words.size(); ++i)
        ExpectEntry(file, CustomWords, static_cast<int>(i), words[i].Phrase, words[i].Information, what);
}

// A file written under a name of any language (UTF-8).
bool WriteWideFile(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileW(Widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                    written == bytes.size();
    return CloseHandle(file) && ok;
}

// A copy of the program that must hand its list over (or bring the game
// to the front) and end at once with exit code 0, leaving one game window.
void ExpectHandedOver(PROCESS_INFORMATION& process, const char* what) {
    DWORD code = 1;
    if (Expect(WaitForSingleObject(process.hProcess, 10000) == WAIT_OBJECT_0, "%s did not end", what))
        GetExitCodeProcess(process.hProcess, &code);
    else
        TerminateProcess(process.hProcess, 1);
    ExpectEqual(code, 0, what);
    Expect(FindWindowA("WLT", nullptr) != nullptr && FindWindowExA(nullptr, FindWindowA("WLT", nullptr), "WLT",
                                                                   nullptr) == nullptr,
           "%s left a window of its own", what);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

void StartSecondCopy(const std::string& arguments) {
    PROCESS_INFORMATION process;
    if (StartProcess(process, arguments)) ExpectHandedOver(process, "the second copy");
}

// Files dropped on the window as Explorer drops them: WM_DROPFILES with a
// DROPFILES block, which the driver writes into the program's memory (a
// handle of this process would mean nothing there).
bool DropFiles(const Program& program, const std::vector<std::string>& paths) {
    std::wstring names;
    for (const std::string& path : paths) names += Widen(path) + L'\0';
    std::vector<uint8_t> block(sizeof(DROPFILES) + (names.size() + 1) * sizeof(wchar_t), 0);
    DROPFILES* drop = reinterpret_cast<DROPFILES*>(block.data());
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    std::memcpy(block.data() + sizeof(DROPFILES), names.data(), names.size() * sizeof(wchar_t));
    void* remote = VirtualAllocEx(program.Process.hProcess, nullptr, block.size(), MEM_COMMIT | MEM_RESERVE,
                                  PAGE_READWRITE);
    SIZE_T written = 0;
    return remote != nullptr &&
           WriteProcessMemory(program.Process.hProcess, remote, block.data(), block.size(), &written) &&
           written == block.size() &&
           PostMessageA(program.Window, WM_DROPFILES, reinterpret_cast<WPARAM>(remote), 0);
}

bool DropFile(const Program& program, const std::string& path) { return DropFiles(program, {path}); }

// The Enter key on the control that has the focus in the program, as the
// keyboard gives it.
void PressEnterOnFocus(const Program& program) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!Expect(GetGUIThreadInfo(program.ThreadId, &info) && info.hwndFocus != nullptr, "nothing has the focus"))
        return;
    const UINT scan = MapVirtualKeyA(VK_RETURN, MAPVK_VK_TO_VSC);
    PostMessageA(info.hwndFocus, WM_KEYDOWN, VK_RETURN, 1 | (scan << 16));
    PostMessageA(info.hwndFocus, WM_KEYUP, VK_RETURN, 1 | (scan << 16) | (3u << 30));
}

// A window of another program in front of the game: the driver's own.
HWND ShowOtherProgram() {
    static const char* const kClass = [] {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "WordloftDriverFront";
        RegisterClassA(&windowClass);
        return windowClass.lpszClassName;
    }();
    HWND window = CreateWindowExA(0, kClass, "Another program", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 200,
                                  nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    SetForegroundWindow(window);
    return window;
}

// The blocks the guess meter shows at 6 guesses: each is framed in black
// on both sides (the meter's blocks, 41 pixels apart from y = 113).
int MeterBlocks(const Image& scene) {
    int blocks = 0;
    for (int k = 0; k < 6; ++k) {
        const int y = 113 + 41 * k + 18;
        blocks += scene.At(567, y) == 0 && scene.At(588, y) == 0 ? 1 : 0;
    }
    return blocks;
}

// A spreadsheet's list with a heading, a cell of two lines and a quote
// left open; the report it gives and the list it makes.
constexpr char kBrokenCsv[] =
    "Word,Clue\r\nParis,\"Capital\r\nof France\"\r\nRome,\"Eternal city\r\nBerlin,Capital of Germany\r\n"
    "Madrid,Capital of Spain\r\n";
constexpr char kBrokenReport[] =
    "3 entries were added from broken.csv. These lines were left out or changed:\n\n"
    "line 1, \"Word\": a column heading, not a phrase\nline 4, \"Rome\": a quote is not closed";
const std::vector<WordEntryText> kBrokenWords = {
    {"PARIS", "Capital of France"}, {"BERLIN", "Capital of Germany"}, {"MADRID", "Capital of Spain"}};
const std::vector<WordEntryText> kCityWords = {{"ROME", "Italy"}, {"OSLO", "Norway"}};

}  // namespace

void TextListOpenedEveryWay() {
    const std::string folder = kListFolder;
    const std::string list = folder + "\\spelling.txt";
    const std::string saved = folder + "\\saved.csv";
    // The same list in a folder named in Russian, for the command line.
    const std::string russianFolder = folder + "\\\xD0\xA1\xD0\xBF\xD0\xB8\xD1\x81\xD0\xBA\xD0\xB8";
    const std::string russianList = russianFolder + "\\spelling.txt";
    const std::string cities = folder + "\\cities.csv";
    const std::string capitals = folder + "\\capitals.txt";
    const std::string broken = folder + "\\broken.csv";
    CreateDirectoryA(folder.c_str(), nullptr);
    CreateDirectoryW(Widen(russianFolder).c_str(), nullptr);
    DeleteFileA(saved.c_str());
    const std::string text(kSpellingList, sizeof kSpellingList - 1);
    if (!Expect(WriteFileBytes(list, Bytes(text.begin(), text.end())) && WriteWideFile(russianList, text) &&
                    WriteWideFile(cities, "Rome,Italy\r\nOslo,Norway\r\n") &&
                    WriteWideFile(capitals, "Lima\tPeru\r\n") && WriteWideFile(broken, kBrokenCsv),
                "cannot write the lists in %s", folder.c_str()))
        return;
    const std::vector<WordEntryText> old = {{"OLD ONE", ""}, {"OLD TWO", "second"}};
    const Bytes prefs = CustomWordPreferences(old, 6, 0);

    // 1. The Custom Words dialog opens the text file among its file types,
    // reports the lines it left out and saves the list as CSV.
    Program program;
    if (!Launch(program, &prefs)) return;
    HWND dialog = OpenCustomWords(program);
    if (dialog == nullptr) return KillProgram(program);
    Press(program, dialog, kOpenList);
    AnswerBox(program, kProductTitle, "Overwrite existing words?", IDYES);
    if (HWND fileDialog = ExpectDialog(program, kOpenCaption, 10000))
        ExpectText(FileTypes(fileDialog), "Wordloft Files (*.WLT)|Text files (*.txt)|CSV files (*.csv)",
                   "file types of the Open dialog");
    ChooseFile(program, kOpenCaption, list);
    AnswerWideBox(program, kProductTitle, kSpellingReport, "report of the Open button", "list-report");
    ExpectText(AllLines(dialog), ExpectedLines(kSpellingWords), "list opened from the text file");
    Press(program, dialog, kSaveList);
    if (HWND fileDialog = ExpectDialog(program, kSaveCaption, 10000)) ChooseFileType(fileDialog, 2);
    ChooseFile(program, kSaveCaption, folder + "\\saved");
    Bytes csv;
    if (Expect(ReadFileBytes(saved, csv), "the CSV type chose no saved.csv"))
        ExpectText(std::string(csv.begin(), csv.end()), kSpellingCsv, "the list saved as CSV");
    Press(program, dialog, kDone);
    WaitForDialogGone(dialog, 3000);
    Bytes file;
    if (CloseAndRead(program, file)) {
        ExpectEqual(GetI16(file, CustomWordCount), 4, "CustomWordCount after the Open button");
        ExpectEntry(file, CustomWords, 0, kSpellingWords[0].Phrase, kSpellingWords[0].Information, "after Done");
    }

    // 2. On the command line, as Explorer starts the game, from a folder
    // named in Russian: the list is not empty, so the game asks; Add puts
    // the four entries after the two.
    if (!Launch(program, &prefs, "\"" + russianList + "\"")) return;
    Expect((GetWindowLongA(program.Window, GWL_EXSTYLE) & WS_EX_ACCEPTFILES) != 0,
           "the window does not accept dropped files");
    AnswerListQuestion(program,
                       "spelling.txt holds 4 entries that can be played.\n\nYour Custom Words list holds 2 "
                       "entries. Replace it with the file's entries, or add them to it?",
                       kAddToList, "the question for the command line's list");
    AnswerWideBox(program, kProductTitle, kSpellingReport, "report of the command line's list");
    std::vector<WordEntryText> both = old;
    both.insert(both.end(), kSpellingWords.begin(), kSpellingWords.end());
    ExpectPlayingList(program, both, "the command line's list");

    // 3. While a game is under way a second copy hands the list to this
    // one, and two more files are dropped on the window: they wait for the
    // game's end, each told once, then open one after the other in the
    // order they came.
    TypeCharacter(program, 'F');
    StartSecondCopy("\"" + russianList + "\"");
    AnswerWideBox(program, kProductTitle, "The word list spelling.txt will open when this game is over.",
                  "the note of a list that waits");
    Expect(DropFiles(program, {cities, capitals}), "cannot drop two files on the window");
    AnswerWideBox(program, kProductTitle,
                  "The word lists cities.csv, capitals.txt will open one after the other when this game is over.",
                  "the note of the lists dropped");
    ExpectNoDialog(program, 600, "while the game goes on");
    TypeLetters(program, "GHIJK");
    AnswerListQuestion(program,
                       "spelling.txt holds 4 entries that can be played.\n\nYour Custom Words list holds 6 "
                       "entries. Replace it with the file's entries, or add them to it?",
                       kReplaceList, "the question for the second copy's list");
    AnswerWideBox(program, kProductTitle, kSpellingReport, "report of the second copy's list");
    AnswerListQuestion(program,
                       "cities.csv holds 2 entries that can be played.\n\nYour Custom Words list holds 4 "
                       "entries. Replace it with the file's entries, or add them to it?",
                       kAddToList, "the question for the first list dropped");
    AnswerListQuestion(program,
                       "capitals.txt holds 1 entry that can be played.\n\nYour Custom Words list holds 6 "
                       "entries. Replace it with the file's entries, or add them to it?",
                       kAddToList, "the question for the second list dropped");
    std::vector<WordEntryText> all = kSpellingWords;
    all.insert(all.end(), kCityWords.begin(), kCityWords.end());
    all.push_back({"LIMA", "Peru"});
    ExpectPlayingList(program, all, "the lists that waited");

    // 4. A path handed over that names no list is refused. The CSV file
    // dropped on the window reads back the same list, with nothing to report.
    wchar_t notAList[] = L"C:\\windows\\win.ini";
    COPYDATASTRUCT data = {0x574C5354, sizeof notAList, notAList};
    DWORD_PTR taken = TRUE;
    SendMessageTimeoutW(program.Window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_NORMAL, 3000, &taken);
    ExpectEqual(static_cast<long long>(taken), FALSE, "WM_COPYDATA naming no list file");
    // A pipe named as a list is never read (a read would wait for ever).
    HANDLE pipe = CreateNamedPipeA("\\\\.\\pipe\\wordloft.csv", PIPE_ACCESS_DUPLEX, PIPE_TYPE_BYTE, 4, 512, 512, 0,
                                   nullptr);
    if (Expect(pipe != INVALID_HANDLE_VALUE && DropFile(program, "\\\\.\\pipe\\wordloft.csv"), "cannot drop a pipe"))
        AnswerWideBox(program, kProductTitle,
                      "wordloft.csv is not a file on a disk but a device or a pipe, so it is not read.",
                      "the note of a pipe dropped");
    if (pipe != INVALID_HANDLE_VALUE) CloseHandle(pipe);
    if (Expect(DropFile(program, saved), "cannot drop a file on the window")) {
        AnswerListQuestion(program,
                           "saved.csv holds 4 entries that can be played.\n\nYour Custom Words list holds 7 "
                           "entries. Replace it with the file's entries, or add them to it?",
                           kReplaceList, "the question for the dropped list");
        ExpectNoDialog(program, 600, "after the dropped list, which has nothing to report");
        ExpectPlayingList(program, kSpellingWords, "the dropped list");
    }

    // 5. The spreadsheet's list dropped while another program is in front:
    // its question and report keep the game disabled, and letters that
    // reach the window meanwhile start no game: the list's game starts
    // fresh.
    Image fresh;
    CaptureClient(program, fresh);
    HWND front = ShowOtherProgram();
    Expect(DropFile(program, broken), "cannot drop broken.csv");
    if (HWND question = ExpectDialog(program, kListQuestionCaption, 5000)) {
        Expect(!IsWindowEnabled(program.Window), "the game can be played behind the question");
        PressButton(question, kReplaceList);
    }
    if (ExpectDialog(program, kProductTitle, 5000) != nullptr) {
        Expect(!IsWindowEnabled(program.Window), "the game can be played behind the report");
        PostCharacter(program, 'Q');
        PostCharacter(program, 'Z');
        Settle(program);
    }
    AnswerWideBox(program, kProductTitle, kBrokenReport, "report of the spreadsheet's list", "broken-csv-report");
    Image after;
    if (CaptureClient(program, after) && !fresh.Empty()) {
        if (!ExpectEqual(CountDifferences(fresh, after, kLetterPanel), 0, "letters used in the list's new game"))
            SaveMismatch(fresh, after, "list-new-game");
        ExpectEqual(MeterBlocks(after), 6, "guesses left in the list's new game");
    }
    Expect(!IsPopupGreyed(program, kWordsMenu), "the Words menu is greyed in the list's new game");
    ExpectPlayingList(program, kBrokenWords, "the spreadsheet's list");
    DestroyWindow(front);

    // 6. Enter on the question keeps the list: it adds the file's entries.
    Expect(DropFile(program, cities), "cannot drop cities.csv");
    if (ExpectDialog(program, kListQuestionCaption, 5000) != nullptr) {
        PressEnterOnFocus(program);
        Settle(program);
    }
    std::vector<WordEntryText> kept = kBrokenWords;
    kept.insert(kept.end(), kCityWords.begin(), kCityWords.end());
    ExpectPlayingList(program, kept, "the list after Enter on the question");
    CloseProgram(program);
}

void TwoCopiesStartedAtOnceGiveOneGame() {
    const std::string folder = kListFolder;
    const std::string lists[2] = {folder + "\\alpha.txt", folder + "\\bravo.txt"};
    const std::vector<WordEntryText> words[2] = {{{"ALPHA", "first"}}, {{"BRAVO", "second"}}};
    CreateDirectoryA(folder.c_str(), nullptr);
    const Bytes prefs = SilentDefaults();
    if (!Expect(WriteWideFile(lists[0], "Alpha\tfirst\r\n") && WriteWideFile(lists[1], "Bravo\tsecond\r\n") &&
                    WritePreferenceFile(prefs),
                "cannot write the lists and the record"))
        return;
    // Both as Explorer starts them for two files opened together: the one
    // that does not run the game hands its list over and ends.
    PROCESS_INFORMATION copies[2];
    if (!StartProcess(copies[0], "\"" + lists[0] + "\"")) return;
    if (!StartProcess(copies[1], "\"" + lists[1] + "\"")) {
        TerminateProcess(copies[0].hProcess, 1);
        return;
    }
    const HANDLE processes[2] = {copies[0].hProcess, copies[1].hProcess};
    const DWORD ended = WaitForMultipleObjects(2, processes, FALSE, 15000);
    const int game = ended == WAIT_OBJECT_0 ? 1 : 0;
    if (!Expect(ended == WAIT_OBJECT_0 || ended == WAIT_OBJECT_0 + 1, "neither copy ended: two games run")) {
        for (PROCESS_INFORMATION& copy : copies) TerminateProcess(copy.hProcess, 1);
        return;
    }
    ExpectHandedOver(copies[1 - game], "the copy started beside the game");
    Program program;
    if (!WatchProgram(program, copies[game])) return;
    // The game's own list came first, into the empty list; the other is
    // offered after it.
    AnswerListQuestion(program,
                       lists[1 - game].substr(folder.size() + 1) + " holds 1 entry that can be played.\n\nYour Custom Words list "
                       "holds 1 entry. Replace it with the file's entries, or add them to it?",
                       kAddToList, "the question for the other copy's list");
    ExpectPlayingList(program, {words[game][0], words[1 - game][0]}, "the lists of two copies started at once");
    CloseProgram(program);
}
