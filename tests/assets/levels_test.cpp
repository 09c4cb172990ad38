// The hand-written levels: levels.xml names only files that exist, and every level file holds
// one length of 20 to 90 seconds and events of the five known types within that length.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string ReadText(const std::string& name)
{
    std::ifstream file(name);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

struct LevelFile {
    std::vector<long> lengths;
    std::vector<std::pair<long, long>> events; // time, type
    std::vector<std::string> strayLines;
};

LevelFile ReadLevel(const std::string& name)
{
    LevelFile level;
    std::ifstream file(name);
    std::string line;
    const std::regex lengthLine(R"(\s*(\d+)\s*)");
    const std::regex eventLine(R"(\s*(\d+)\s*,\s*(\d+)\s*)");
    std::smatch match;
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.find_first_not_of(" \t") == std::string::npos)
            continue;
        if (std::regex_match(line, match, lengthLine))
            level.lengths.push_back(std::stol(match[1]));
        else if (std::regex_match(line, match, eventLine))
            level.events.push_back({std::stol(match[1]), std::stol(match[2])});
        else
            level.strayLines.push_back(line);
    }
    return level;
}

std::vector<std::string> ListedLevelFiles()
{
    const std::string list = ReadText("data/levels.xml");
    std::vector<std::string> files;
    const std::regex level(R"re(<Level\s+position="(\d+)"\s+filename="([^"]+)"[^>]*>\s*</Level>)re");
    for (auto it = std::sregex_iterator(list.begin(), list.end(), level); it != std::sregex_iterator(); ++it)
        files.push_back((*it)[2]);
    return files;
}

} // namespace

TEST(Levels, ListNamesAtLeastEightLevelsWithExplicitEndTags)
{
    const std::string list = ReadText("data/levels.xml");
    ASSERT_FALSE(list.empty());
    EXPECT_EQ(list.find("/>"), std::string::npos) << "the level list's reader needs explicit end tags";
    EXPECT_EQ(list.find("<?xml"), std::string::npos);
    EXPECT_NE(list.find("<LevelList>"), std::string::npos);
    EXPECT_NE(list.find("</LevelList>"), std::string::npos);
    EXPECT_GE(ListedLevelFiles().size(), 8u);
}

TEST(Levels, EveryListedLevelIsWellFormed)
{
    for (const std::string& name : ListedLevelFiles()) {
        EXPECT_EQ(name.rfind("data/levels/", 0), 0u) << name;
        const LevelFile level = ReadLevel(name);
        EXPECT_TRUE(level.strayLines.empty()) << name << ": " << (level.strayLines.empty() ? "" : level.strayLines[0]);
        ASSERT_EQ(level.lengths.size(), 1u) << name << " needs exactly one length";
        const long length = level.lengths[0];
        EXPECT_GE(length, 20000) << name;
        EXPECT_LE(length, 90000) << name;
        ASSERT_FALSE(level.events.empty()) << name;
        long previous = 0;
        for (const auto& event : level.events) {
            EXPECT_GE(event.second, 1) << name;
            EXPECT_LE(event.second, 5) << name;
            EXPECT_LT(event.first, length) << name;
            EXPECT_GE(event.first, previous) << name << ": events spawn in file order, so keep them in time order";
            previous = event.first;
        }
    }
}

TEST(Levels, DifficultyRisesThroughTheList)
{
    const std::vector<std::string> names = ListedLevelFiles();
    ASSERT_GE(names.size(), 8u);
    auto count = [](const LevelFile& level, long type) {
        long n = 0;
        for (const auto& event : level.events)
            n += event.second == type ? 1 : 0;
        return n;
    };
    const LevelFile first = ReadLevel(names.front());
    const LevelFile last = ReadLevel(names.back());
    EXPECT_EQ(count(first, 1) + count(first, 2) + count(first, 4) + count(first, 5), 0)
        << "the first level teaches with small_moving robots only";
    EXPECT_GT(count(last, 1), 0) << "big_bad robots come at the end";
    EXPECT_GT(last.lengths[0], first.lengths[0]);
}

TEST(Levels, EveryLevelOfTheSecondNotebookIsWellFormedAndBringsALaterKind)
{
    for (int position = 1; position <= 20; ++position) {
        const std::string name = std::string("data/packs/second-notebook/level-") + (position < 10 ? "0" : "") +
                                 std::to_string(position) + ".txt";
        const LevelFile level = ReadLevel(name);
        EXPECT_TRUE(level.strayLines.empty()) << name;
        ASSERT_EQ(level.lengths.size(), 1u) << name;
        long previous = 0;
        bool later = false;
        for (const auto& event : level.events) {
            EXPECT_GE(event.second, 1) << name;
            EXPECT_LE(event.second, 10) << name;
            EXPECT_LT(event.first, level.lengths[0]) << name;
            EXPECT_GE(event.first, previous) << name;
            previous = event.first;
            later = later || event.second >= 6;
        }
        EXPECT_TRUE(later) << name << " holds no later robot kind";
    }
}
