// The program in the player's language: run in a locale of its own (see
// scenario_list.h), the program must speak the language Windows' user
// interface speaks, if it is English, German, French or Spanish, and
// English otherwise. What it shows is compared with its own resources in
// that language: caption, menu, dialogs (each text fitting its control),
// a message, what a screen reader hears, the help that F1 opens, and a game
// drawn from that language's categories; the language of the words is then
// changed and must survive a restart.
#include <oleacc.h>

#include <string>

#include "browser_stand_in.h"
#include "check.h"
#include "dialogs.h"
#include "program_resources.h"
#include "scenario_support.h"
#include "scenarios.h"
#include "../../../resources/resource.h"

using namespace PrefOffset;

namespace {

// COUNTRIES: every line of every language's text carries information.
constexpr int kCountries = 21;
constexpr int kCommandCountries = 32797 + kCountries;
const char* const kLanguageNames[] = {"English", "German", "French", "Spanish"};

std::string Ansi(const std::wstring& text) {
    char ansi[1024] = "";
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, ansi, sizeof ansi, nullptr, nullptr);
    return ansi;
}

// The language the program must speak: the driver's own user interface
// language, which the locale of this run set.
LANGID ExpectedLanguage() { return ResourceLanguageOfPrimary(PRIMARYLANGID(GetUserDefaultUILanguage())); }

int LanguageIndex(LANGID language) {
    switch (PRIMARYLANGID(language)) {
        case LANG_GERMAN: return 1;
        case LANG_FRENCH: return 2;
        case LANG_SPANISH: return 3;
        default: return 0;
    }
}

std::wstring CategoryName(LANGID program, int words, int k) {
    return ResourceString(program, IDS_CATEGORY_NAME_FIRST + IDS_CATEGORY_NAMES_PER_LANGUAGE * words + k);
}

void ExpectMenuInLanguage(const Program& program, LANGID language) {
    for (int command : {IDM_NEW, IDM_HIGH_SCORES, IDM_SOUND, IDM_ENTER_WORD, IDM_GUESSES_4, IDM_HELP_INDEX,
                        IDM_WORD_LANGUAGE_FIRST, kCommandCountries}) {
        const std::wstring shown = MenuText(program, command);
        const std::wstring own = command == kCommandCountries ? CategoryName(language, LanguageIndex(language), kCountries)
                                                                : ResourceMenuText(language, command);
        Expect(!own.empty() && shown == own, "menu item %d shows \"%s\", not \"%s\"", command, Narrow(shown).c_str(),
               Narrow(own).c_str());
    }
    if (language != kResourcesInEnglish)
        Expect(MenuText(program, IDM_NEW) != ResourceMenuText(kResourcesInEnglish, IDM_NEW),
               "the menu shows English");
}

// A dialog the command opens, in the language, every text fitting; it is
// photographed and left with its button.
void ExpectDialogInLanguage(const Program& program, int command, int dialogId, int closeButton, const char* name) {
    const LANGID language = ExpectedLanguage();
    PostCommand(program, command);
    HWND dialog = ExpectDialog(program, Ansi(ResourceDialogCaption(language, dialogId)).c_str(), 10000);
    if (dialog == nullptr) return;
    std::wstring first;
    const int unfit = TextsThatDoNotFit(program, dialog, first);
    Expect(unfit == 0, "%s: %d texts do not fit their controls, the first \"%s\"", name, unfit, Narrow(first).c_str());
    Image picture;
    if (CaptureWindowOf(program, dialog, picture))
        SaveScreenshot(picture, std::string("language-") + kLanguageNames[LanguageIndex(language)] + "-" + name);
    PressButton(dialog, closeButton);
    WaitForDialogGone(dialog, 3000);
    Settle(program);
}

void ExpectMessageInLanguage(const Program& program, LANGID language) {
    PostCommand(program, IDM_RESET_CURRENT);
    HWND box = ExpectDialog(program, kProductTitle, 5000);
    if (box == nullptr) return;
    ExpectText(MessageBoxText(box), Ansi(ResourceString(language, IDS_CONFIRM_RESET_CURRENT)),
               "the question before the statistics are reset");
    PressButton(box, IDNO);
    WaitForDialogGone(box, 3000);
}

void ExpectSpokenInLanguage(const Program& program, LANGID language) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IAccessible* game = nullptr;
    if (SUCCEEDED(AccessibleObjectFromWindow(program.Window, OBJID_CLIENT, __uuidof(IAccessible),
                                             reinterpret_cast<void**>(&game))) &&
        game) {
        VARIANT child;
        VariantInit(&child);
        child.vt = VT_I4;
        child.lVal = 1;
        BSTR name = nullptr;
        game->get_accName(child, &name);
        const std::wstring heard = name ? name : L"";
        ExpectText(Narrow(heard), Narrow(ResourceString(language, IDS_SAY_PHRASE)), "the phrase's name a screen reader hears");
        SysFreeString(name);
        game->Release();
    } else {
        Fail("the game's accessible object was not reached");
    }
    CoUninitialize();
}

// Loses games from the Countries category until one has ended: its
// information line then holds one of that language's information texts.
void ExpectWordsInLanguage(const Program& program, LANGID language, int words) {
    const std::string text = ResourceCategoryText(ResourceLanguageOfPrimary(
                                                      words == 1 ? LANG_GERMAN : words == 2 ? LANG_FRENCH
                                                                 : words == 3 ? LANG_SPANISH : LANG_ENGLISH),
                                                  "COUNTRIES");
    const std::string thanks = Ansi(ResourceString(language, IDS_THANKS_FOR_PLAYING));
    PostCommand(program, kCommandCountries);
    for (const char* letter = "QXZJKVWYFBGHMPDCLUONTSRIEA"; *letter; ++letter) {
        TypeCharacter(program, *letter);
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        IAccessible* game = nullptr;
        std::string information;
        if (SUCCEEDED(AccessibleObjectFromWindow(program.Window, OBJID_CLIENT, __uuidof(IAccessible),
                                                 reinterpret_cast<void**>(&game))) && game) {
            VARIANT child;
            VariantInit(&child);
            child.vt = VT_I4;
            child.lVal = 5;  // the information line
            BSTR value = nullptr;
            game->get_accValue(child, &value);
            information = Ansi(value ? value : L"");
            SysFreeString(value);
            game->Release();
        }
        CoUninitialize();
        if (information.empty() || information == thanks) continue;
        Expect(text.find(":" + information + "\r\n") != std::string::npos,
               "the game's information \"%s\" is none of the %s countries'", information.c_str(),
               kLanguageNames[words]);
        return;
    }
    Fail("no game of the Countries category ended");
}

}  // namespace

void ProgramSpeaksTheUsersLanguage() {
    const LANGID language = ExpectedLanguage();
    const int index = LanguageIndex(language);
    PageRecorder browser;
    RemoveWordLanguageFile();
    Bytes prefs = CustomWordPreferences({{"SPRACHE", ""}}, 6, 0);
    PutU32(prefs, WordSource, kCommandCountries);
    Program program;
    if (!Launch(program, &prefs)) return;
    const std::wstring caption =
        ResourceText(language, IDS_CAPTION_WITH_SOURCE, {L"Wordloft", CategoryName(language, index, kCountries)});
    ExpectText(Caption(program), Ansi(caption), "caption");
    ExpectMenuInLanguage(program, language);
    Image scene;
    if (CaptureClient(program, scene)) {
        SaveScreenshot(scene, std::string("language-") + kLanguageNames[index] + "-game");
        // The statistics panel's picture, labels and all, is the language's
        // own: it sits 1 pixel in from the panel's corner, inside the
        // panel's frame; its first label ends before x 67.
        Image panel;
        if (Expect(ResourcePicture(language, "CURRENT", panel), "the program has no statistics panel in its language")) {
            long differing = 0;
            for (int y = 2; y + 2 < panel.Height && y + 1 < scene.Height; ++y) {
                for (int x = 2; x < 67 && x + 1 < scene.Width; ++x) differing += panel.At(x, y) != scene.At(x + 1, y + 1);
            }
            Expect(differing == 0, "the first statistics label differs from the language's picture in %ld pixels",
                   differing);
        }
    }
    ExpectDialogInLanguage(program, IDM_ENTER_WORD, IDD_ENTER_WORD, IDCANCEL, "enter-word");
    ExpectDialogInLanguage(program, IDM_HIGH_SCORES, IDD_SCOREBOARD, IDOK, "scoreboard");
    ExpectDialogInLanguage(program, IDM_EDIT_CUSTOM_WORDS, IDD_CUSTOM_WORDS, IDCANCEL, "custom-words");
    ExpectDialogInLanguage(program, IDM_EDIT_RANDOM_CATEGORIES, IDD_RANDOM_CATEGORIES, IDCANCEL, "random-categories");
    ExpectMessageInLanguage(program, language);
    ExpectSpokenInLanguage(program, language);
    PostKey(program, VK_F1);
    const std::string page = browser.NextPage(10000);
    const std::string helpFile = Narrow(ResourceString(language, IDS_WEB_HELP_FILE));
    Expect(page.size() >= helpFile.size() && lstrcmpiA(page.substr(page.size() - helpFile.size()).c_str(),
                                                       helpFile.c_str()) == 0,
           "F1 opened \"%s\", not the help %s", page.c_str(), helpFile.c_str());
    // The words are the program's language's until the player chooses.
    ExpectWordsInLanguage(program, language, index);
    const int other = index == 0 ? 1 : 0;
    PostCommand(program, IDM_WORD_LANGUAGE_FIRST + other);
    Settle(program);
    ExpectText(Narrow(MenuText(program, kCommandCountries)), Narrow(CategoryName(language, other, kCountries)),
               "the Countries place after the words' language changed");
    Bytes file;
    CloseAndRead(program, file);
    if (!Launch(program, &file)) return;
    Expect(IsChecked(program, IDM_WORD_LANGUAGE_FIRST + other), "the words' language did not survive a restart");
    ExpectWordsInLanguage(program, language, other);
    CloseProgram(program);
    RemoveWordLanguageFile();
}
