// A scratch directory per test, standing in for the Windows directory.
#ifndef WORDLOFT_TESTS_FILE_FIXTURE_H
#define WORDLOFT_TESTS_FILE_FIXTURE_H

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/unit/fake_requests.h"

class ScratchDirectoryTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetFake();
        char pattern[] = "/tmp/wordloft-test-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        Directory = pattern;
        // The program joins names with a backslash; on this system that
        // is part of the file name, which is all the tests need.
        Fake.WindowsDirectory = Directory + "/windows";
        PreferencePath = Fake.WindowsDirectory + "\\WWLT.DAT";
    }
    void TearDown() override { std::system(("rm -rf '" + Directory + "'").c_str()); }

    static std::vector<unsigned char> ReadFile(const std::string& path) {
        std::ifstream file(path, std::ios::binary);
        return std::vector<unsigned char>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }
    static void WriteFile(const std::string& path, const std::vector<unsigned char>& bytes) {
        std::ofstream file(path, std::ios::binary);
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }

    std::string Directory;
    std::string PreferencePath;
};

#endif
