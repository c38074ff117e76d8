// The preference file: defaults byte by byte, loading damaged files, and
// saving.
#include <gtest/gtest.h>

#include <cstring>

#include "game/engine.h"
#include "game/game_state.h"
#include "records/preferences.h"
#include "tests/unit/fake_requests.h"
#include "tests/unit/file_fixture.h"

namespace {

void Put16(std::vector<unsigned char>& image, size_t offset, unsigned value) {
    image[offset] = value & 0xFF;
    image[offset + 1] = (value >> 8) & 0xFF;
}

// The default record, built from the documented layout alone.
std::vector<unsigned char> ExpectedDefaults() {
    std::vector<unsigned char> image(34056, 0);
    Put16(image, 0, 0x2F5A);
    Put16(image, 12, 1);      // SoundOn
    Put16(image, 14, 6);      // MaxGuesses
    Put16(image, 16, 32801);  // WordSource: Authors
    for (int i = 0; i < 6; ++i) Put16(image, 128 + 2 * i, 1);
    Put16(image, 26142, 51);
    for (int k = 0; k < 51; ++k) Put16(image, 26144 + 2 * k, 1);
    Put16(image, 31548, 1);  // UpperCaseLetters
    Put16(image, 34052, 5);  // FlashCount
    return image;
}

class PreferenceFileTest : public ScratchDirectoryTest {
protected:
    // The board and tables the game uses once start-up has taken the
    // loaded MaxGuesses (the record's loader leaves GameState alone).
    uint16_t IndexTheGameTakes() {
        const std::vector<std::string> calls = Fake.Calls;
        SetMaxGuesses(Preferences.MaxGuesses);
        Fake.Calls = calls;
        return GameState.MaxGuessesIndex;
    }
};

}  // namespace

TEST_F(PreferenceFileTest, DefaultsAreWrittenByteForByte) {
    std::memset(&Preferences, 0, sizeof Preferences);
    SetDefaultPreferences();
    EXPECT_EQ(IndexTheGameTakes(), 1);
    EXPECT_EQ(LoadPreferences(), 0);
    EXPECT_TRUE(Fake.Calls.empty()) << "a missing file is no error";
    ASSERT_EQ(SavePreferences(), 1);
    EXPECT_EQ(ReadFile(PreferencePath), ExpectedDefaults());
    EXPECT_TRUE(ReadFile(Fake.WindowsDirectory + "\\WWLT.TMP").empty()) << "no temporary file left";
}

TEST_F(PreferenceFileTest, ShortLongAndForeignFiles) {
    const std::string kept = Fake.WindowsDirectory + "\\WWLT.BAD";
    WriteFile(kept, {1, 2, 3});
    std::vector<unsigned char> image = ExpectedDefaults();
    Put16(image, 14, 10);
    Put16(image, 34052, 9);
    image.resize(34055);
    WriteFile(PreferencePath, image);
    EXPECT_EQ(LoadPreferences(), 0);
    EXPECT_EQ(Fake.Calls, std::vector<std::string>{"Error:Error reading Preference file."});
    EXPECT_EQ(Preferences.MaxGuesses, 6);
    EXPECT_EQ(ReadFile(kept), image) << "the unreadable record is kept, replacing an older one";

    image.resize(40000, 0xEE);  // excess bytes are ignored
    WriteFile(PreferencePath, image);
    Fake.Calls.clear();
    EXPECT_EQ(LoadPreferences(), 1);
    EXPECT_TRUE(Fake.Calls.empty());
    EXPECT_EQ(Preferences.MaxGuesses, 10);
    EXPECT_EQ(IndexTheGameTakes(), 3);
    EXPECT_EQ(Preferences.FlashCount, 5);

    image.resize(34056);
    Put16(image, 0, 0x2F5B);
    WriteFile(PreferencePath, image);
    EXPECT_EQ(LoadPreferences(), 0);
    EXPECT_TRUE(Fake.Calls.empty()) << "a wrong magic is replaced without a message";
    EXPECT_EQ(Preferences.MaxGuesses, 6);
    EXPECT_EQ(IndexTheGameTakes(), 1);
    EXPECT_EQ(ReadFile(kept), image);

    // A record another program holds at start is waited for as a save
    // waits; one held longer is neither read nor written over.
    Put16(image, 0, 0x2F5A);
    WriteFile(PreferencePath, image);
    Fake.HeldQueries = 3;
    EXPECT_EQ(LoadPreferences(), 1);
    EXPECT_EQ(CallsStartingWith("Delay(100)").size(), 3u);
    Fake.HeldQueries = 1000;
    Fake.Calls.clear();
    EXPECT_EQ(LoadPreferences(), kPreferenceFileOutOfReach);
    EXPECT_EQ(CallsStartingWith("Delay(100)").size(), 20u);
    EXPECT_EQ(CallsStartingWith("Error"), std::vector<std::string>{"Error:Error reading Preference file."});
    EXPECT_EQ(ReadFile(PreferencePath), image);
}

TEST_F(PreferenceFileTest, OutOfRangeFieldsAreBroughtIntoRange) {
    std::vector<unsigned char> image = ExpectedDefaults();
    Put16(image, 14, 7);      // MaxGuesses
    Put16(image, 140, 500);   // CustomWordCount
    Put16(image, 26142, 40);  // SelectedCategoryCount disagrees with the flags
    Put16(image, 26144 + 2 * 3, 0);
    Put16(image, 26144 + 2 * 60, 1);  // flags past the 51 categories do not count
    std::memset(&image[142], 'A', 130);       // entry 0 without terminators
    std::memset(&image[31650], 'N', 16);      // a name without terminator
    std::memset(&image[32450 + 32], 'C', 32);  // a category without terminator
    WriteFile(PreferencePath, image);
    ASSERT_EQ(LoadPreferences(), 1);
    EXPECT_EQ(Preferences.MaxGuesses, 6);
    EXPECT_EQ(IndexTheGameTakes(), 1);
    EXPECT_EQ(Preferences.CustomWordCount, 200);
    EXPECT_EQ(Preferences.SelectedCategoryCount, 50);
    EXPECT_EQ(std::strlen(Preferences.CustomWords[0].Phrase), 27u);
    EXPECT_EQ(std::strlen(Preferences.CustomWords[0].Information), 101u);
    EXPECT_EQ(std::strlen(Preferences.ScoreboardNames[0][0]), 15u);
    EXPECT_EQ(std::strlen(Preferences.ScoreboardCategories[0][1]), 31u);

    Put16(image, 140, 0xFFFF);  // a negative count
    WriteFile(PreferencePath, image);
    ASSERT_EQ(LoadPreferences(), 1);
    EXPECT_EQ(Preferences.CustomWordCount, 0);
}

TEST_F(PreferenceFileTest, PathJoinsExactlyOneBackslash) {
    char path[kPathBufferSize];
    Fake.WindowsDirectory = "C:\\WINDOWS";
    ASSERT_EQ(PreferenceFilePath(path), 1);
    EXPECT_STREQ(path, "C:\\WINDOWS\\WWLT.DAT");
    Fake.WindowsDirectory = "C:\\";
    ASSERT_EQ(PreferenceFilePath(path), 1);
    EXPECT_STREQ(path, "C:\\WWLT.DAT");
    // Too long for the buffer, or no directory at all: refused with a message.
    Fake.WindowsDirectory = "C:\\" + std::string(kPathBufferSize - 10, 'd');
    EXPECT_EQ(PreferenceFilePath(path), 0);
    Fake.WindowsDirectory = "";
    EXPECT_EQ(PreferenceFilePath(path), 0);
    EXPECT_EQ(CallsStartingWith("Error:Error getting Windows directory.").size(), 2u);
}

TEST_F(PreferenceFileTest, FailedSaveLeavesTheOldFileWhole) {
    Preferences.TotalWins = 41;
    ASSERT_EQ(SavePreferences(), 1);
    const auto before = ReadFile(PreferencePath);
    // The temporary name is taken by a directory: the save must fail and
    // the file on disk must stay as it was.
    ASSERT_EQ(std::system(("mkdir '" + Fake.WindowsDirectory + "\\WWLT.TMP'").c_str()), 0);
    Preferences.TotalWins = 42;
    EXPECT_EQ(SavePreferences(), 0);
    EXPECT_EQ(CallsStartingWith("Error:Error creating Preference file.").size(), 1u);
    EXPECT_EQ(ReadFile(PreferencePath), before);
    ASSERT_EQ(LoadPreferences(), 1);
    EXPECT_EQ(Preferences.TotalWins, 41);
}

// Where the Windows directory cannot be written, the record lives in the
// user's folder; a record a former run left in the Windows directory is
// read until the user's folder has one of its own.
TEST_F(PreferenceFileTest, UserFolderRecordStartsFromTheWindowsDirectoryOne) {
    Preferences.TotalWins = 17;
    ASSERT_EQ(SavePreferences(), 1);
    const auto windowsFile = ReadFile(PreferencePath);
    Fake.PreferenceDirectory = Directory + "/user";
    const std::string userPath = Fake.PreferenceDirectory + "\\WWLT.DAT";
    ASSERT_EQ(LoadPreferences(), 1);
    EXPECT_EQ(Preferences.TotalWins, 17);
    Preferences.TotalWins = 18;
    ASSERT_EQ(SavePreferences(), 1);
    EXPECT_EQ(ReadFile(PreferencePath), windowsFile) << "the Windows directory's file is left alone";
    EXPECT_EQ(ReadFile(userPath).size(), 34056u);
    ASSERT_EQ(LoadPreferences(), 1);
    EXPECT_EQ(Preferences.TotalWins, 18) << "the user's own file comes first";
    EXPECT_TRUE(Fake.Calls.empty());

    // The copy Windows kept in the player's VirtualStore is the one an
    // earlier version showed this player: it comes before the Windows
    // directory's own, and only while the user's folder has none.
    Fake.PreferenceDirectory = Directory + "/other-user";
    Fake.VirtualStoreDirectory = Directory + "/store";
    auto stored = windowsFile;
    stored[104] = 99;  // TotalWins
    WriteFile(Fake.VirtualStoreDirectory + "\\WWLT.DAT", stored);
    ASSERT_EQ(LoadPreferences(), 1);
    EXPECT_EQ(Preferences.TotalWins, 99);
    Fake.PreferenceDirectory = Directory + "/user";
    ASSERT_EQ(LoadPreferences(), 1);
    EXPECT_EQ(Preferences.TotalWins, 18);
    // Where the record lives in the Windows directory it is never consulted.
    Fake.PreferenceDirectory.clear();
    ASSERT_EQ(LoadPreferences(), 1);
    EXPECT_EQ(Preferences.TotalWins, 17);
    EXPECT_TRUE(Fake.Calls.empty());
}
