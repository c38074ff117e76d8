// Saving the preference file and word-list files while the file system
// fails at every stage: the old file stays byte for byte, no temporary file
// is left, and the one message of the failure is shown once.
#include <gtest/gtest.h>

#include <dirent.h>

#include <cstring>
#include <set>

#include "records/preferences.h"
#include "tests/unit/fake_requests.h"
#include "tests/unit/file_fixture.h"
#include "wordlists/wordlist_file.h"

namespace {

struct FaultCase {
    FileFault Fault;
    size_t DiskFullAfter;
};

std::vector<FaultCase> EveryFault(size_t fileSize) {
    std::vector<FaultCase> cases = {{FileFault::Create, 0}, {FileFault::Flush, 0}, {FileFault::Close, 0},
                                    {FileFault::Replace, 0}};
    for (size_t k : {size_t{0}, size_t{1}, size_t{511}, size_t{4096}, fileSize / 2, fileSize - 130, fileSize - 1})
        cases.push_back({FileFault::DiskFull, k});
    return cases;
}

class SaveFaultTest : public ScratchDirectoryTest {
protected:
    std::set<std::string> FilesInDirectory() {
        std::set<std::string> names;
        DIR* dir = opendir(Directory.c_str());
        for (dirent* e = dir ? readdir(dir) : nullptr; e != nullptr; e = readdir(dir)) {
            const std::string name = e->d_name;
            if (name != "." && name != "..") names.insert(name);
        }
        if (dir) closedir(dir);
        return names;
    }

    // Runs save under every fault; before is the file it must leave alone.
    template <typename Save>
    void ExpectEveryFaultHarmless(const std::string& path, size_t fileSize, Save save, const char* createError,
                                  const char* writeError) {
        const auto before = ReadFile(path);
        const auto files = FilesInDirectory();
        ASSERT_EQ(before.size(), fileSize);
        for (const FaultCase& c : EveryFault(fileSize)) {
            SCOPED_TRACE(testing::Message() << "fault " << static_cast<int>(c.Fault) << " after " << c.DiskFullAfter);
            Fake.Calls.clear();
            Fake.Fault = c.Fault;
            Fake.DiskFullAfter = c.DiskFullAfter;
            EXPECT_EQ(save(), 0);
            EXPECT_EQ(ReadFile(path), before);
            EXPECT_EQ(FilesInDirectory(), files) << "no temporary file is left";
            const std::string message = c.Fault == FileFault::Create ? createError : writeError;
            EXPECT_EQ(Fake.Calls, std::vector<std::string>{"Error:" + message});
        }
        Fake.Fault = FileFault::None;
        Fake.Calls.clear();
        EXPECT_EQ(save(), 1);
        EXPECT_NE(ReadFile(path), before) << "without a fault the new content arrives";
        EXPECT_EQ(FilesInDirectory(), files);
        EXPECT_TRUE(Fake.Calls.empty());
    }
};

}  // namespace

TEST_F(SaveFaultTest, PreferenceFileSurvivesEveryFailedSave) {
    Preferences.TotalWins = 41;
    ASSERT_EQ(SavePreferences(), 1);
    Preferences.TotalWins = 42;
    ExpectEveryFaultHarmless(PreferencePath, kPreferencesSize, [] { return SavePreferences(); },
                             "Error creating Preference file.", "Error writing Preference file.");
}

TEST_F(SaveFaultTest, WordListFileSurvivesEveryFailedSave) {
    const std::string path = Directory + "/list.wlt";
    Preferences.CustomWordCount = 1;
    std::strcpy(Preferences.CustomWords[0].Phrase, "OLD WORD");
    ASSERT_EQ(WriteWordListFile(path.c_str()), 1);
    std::strcpy(Preferences.CustomWords[0].Phrase, "NEW WORD");
    ExpectEveryFaultHarmless(path, kWordListFileSize, [&] { return WriteWordListFile(path.c_str()); },
                             "Error creating file.", "Error writing Wordloft Word File.");
}

// A file another program holds for a moment (a scanner that opened the
// new file) is waited for by a save that reports its failures, for up to
// two seconds; the quiet saves neither wait nor show anything.
TEST_F(SaveFaultTest, HeldFileIsWaitedForOnlyBySavesThatReport) {
    Preferences.TotalWins = 1;
    ASSERT_EQ(SavePreferences(), 1);
    const auto before = ReadFile(PreferencePath);
    const auto files = FilesInDirectory();
    Preferences.TotalWins = 2;
    struct HeldCase {
        const char* What;
        int HeldAttempts;  // 0: held for good
        int16_t (*Save)();
        int16_t Result;
        size_t Waits;
        std::vector<std::string> Messages;
    };
    const HeldCase cases[] = {
        {"held for good", 0, SavePreferences, 0, 20, {"Error:Error writing Preference file."}},
        {"quiet at the session's end", 3, SavePreferencesQuietly, 0, 0, {}},
        {"quiet at a game's end", 3, SaveFinishedGame, 0, 0, {}},
        {"held for three tries", 3, SavePreferences, 1, 3, {}},
    };
    for (const HeldCase& c : cases) {
        SCOPED_TRACE(c.What);
        Fake.Calls.clear();
        Fake.Fault = FileFault::Held;
        Fake.HeldAttempts = c.HeldAttempts;
        EXPECT_EQ(c.Save(), c.Result);
        EXPECT_EQ(CallsStartingWith("Delay(100)").size(), c.Waits);
        EXPECT_EQ(CallsStartingWith("Error"), c.Messages);
        EXPECT_EQ(FilesInDirectory(), files) << "no temporary file is left";
        if (c.Result == 0) EXPECT_EQ(ReadFile(PreferencePath), before);
    }
    EXPECT_NE(ReadFile(PreferencePath), before);
}
