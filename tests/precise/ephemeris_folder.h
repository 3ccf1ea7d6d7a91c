// Test support for anything that asks Swiss Ephemeris: a folder without
// ephemeris files (the library then falls back to Moshier), and a fixture
// that leaves the library reading the installed files after every test.
#pragma once

#include "precise/precise_moon.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace nyra::test {

// A fresh empty folder, removed afterwards; path() is empty if it could not
// be made.
class EmptyFolder {
public:
    EmptyFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "nyra-ephe-XXXXXX").string();
        if (::mkdtemp(pattern.data())) path_ = pattern;
    }
    ~EmptyFolder() {
        std::error_code ignored;
        if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
    }
    EmptyFolder(const EmptyFolder&) = delete;
    EmptyFolder& operator=(const EmptyFolder&) = delete;

    const std::string& path() const { return path_; }

    // Links every installed ephemeris file here except `missing`.
    void LinkInstalledFilesBut(std::string_view missing) {
        for (const auto& entry : std::filesystem::directory_iterator(std::string(kDefaultEphemerisFolder))) {
            if (entry.path().filename() != missing)
                std::filesystem::create_symlink(entry.path(), std::filesystem::path(path_) / entry.path().filename());
        }
    }

private:
    std::string path_;
};

// Every ayanamsa offered, for parameterised tests.
inline std::vector<Ayanamsa> EveryAyanamsa() {
    std::vector<Ayanamsa> all;
    for (const AyanamsaInfo& info : Ayanamsas()) all.push_back(info.id);
    return all;
}

// A test name for an ayanamsa: its key without the dashes ("truechitra").
inline std::string AyanamsaTestName(const ::testing::TestParamInfo<Ayanamsa>& info) {
    std::string name;
    for (const char c : InfoOf(info.param).key)
        if (c != '-') name += c;
    return name;
}

class InstalledEphemerisAfterEachTest : public ::testing::Test {
protected:
    void TearDown() override { SetEphemerisFolder(kDefaultEphemerisFolder); }
};

}  // namespace nyra::test
