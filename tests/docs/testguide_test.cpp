// The test guide (docs/testing.md) names tests by suite and name, and a name it gives is one a
// maintainer can run: every `Suite.Name` it shows is a test of the sources today.
#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>
#include <string>

namespace {

// "Suite.Name" of every TEST and TEST_F under tests/, and "Suite.*" for each suite.
std::set<std::string> TestsInTheSources()
{
    std::set<std::string> tests;
    const std::regex test(R"(TEST(?:_F)?\(\s*(\w+)\s*,\s*(\w+)\s*\))");
    for (const auto& entry : std::filesystem::recursive_directory_iterator(std::string(TOBRAKKA_SOURCE_DIR) + "/tests")) {
        if (entry.path().extension() != ".cpp")
            continue;
        const std::string text = testsupport::ReadFile(entry.path().string());
        for (auto it = std::sregex_iterator(text.begin(), text.end(), test); it != std::sregex_iterator(); ++it) {
            tests.insert((*it)[1].str() + "." + (*it)[2].str());
            tests.insert((*it)[1].str() + ".*");
        }
    }
    return tests;
}

} // namespace

TEST(TestGuide, EveryTestItNamesIsATestOfTheSources)
{
    const std::set<std::string> tests = TestsInTheSources();
    const std::string guide = testsupport::ReadFile(std::string(TOBRAKKA_SOURCE_DIR) + "/docs/testing.md");
    const std::regex named(R"(`([A-Z]\w*)\.([A-Z]\w*|\*)`)");
    int names = 0;
    for (auto it = std::sregex_iterator(guide.begin(), guide.end(), named); it != std::sregex_iterator(); ++it, ++names)
        EXPECT_TRUE(tests.count((*it)[1].str() + "." + (*it)[2].str())) << (*it)[0].str() << " is no test of tests/";
    EXPECT_GT(names, 30) << "the guide names the tests that show each bad input";
}
