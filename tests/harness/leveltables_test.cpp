// The level guide's tables (docs/levels.md) are what the level check prints today, for the first
// notebook and the second: a change to a level, the bot or the game that moves a figure fails here,
// with the table to put into the guide. Every level's par is the practised bot's figures in its
// table. Also the check's seed list as a person types it.
#include "support/processrunner.h"
#include "support/testsupport.h"
#include "utils/levellist/clevellist.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

// The table printed right after the guide's line that shows the command in backticks.
std::string GuideTableAfter(const std::string& command)
{
    std::istringstream guide(testsupport::ReadFile(std::string(TOBRAKKA_SOURCE_DIR) + "/docs/levels.md"));
    const std::string shown = "`build/tobrakka-sim " + command + "`";
    std::string line;
    while (std::getline(guide, line) && line.find(shown) == std::string::npos) {
    }
    std::string table;
    while (std::getline(guide, line) && (line.empty() || line[0] == '|')) {
        if (!line.empty())
            table += line + "\n";
        else if (!table.empty())
            break;
    }
    return table;
}

void ExpectGuideTableIsCurrent(const std::string& command)
{
    const testsupport::ProcessResult run =
        testsupport::RunProcess(".", {}, "sh -c '" + std::string(TOBRAKKA_SIM_BINARY) + " " + command + " 2>/dev/null'", 900);
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    const std::string guide = GuideTableAfter(command);
    ASSERT_FALSE(guide.empty()) << "docs/levels.md shows no table after `build/tobrakka-sim " << command << "`";
    EXPECT_EQ(guide, run.output) << "docs/levels.md's table for `build/tobrakka-sim " << command
                                  << "` is out of date; the program now prints:\n"
                                  << run.output;
}

const char kSecondNotebook[] = "--list data/packs/second-notebook/pack.xml";

// Each level of the list has a name, and its par (loops, and game time in ms) is what the
// practised bot's table shows for it (rows "| 3 | FILE | yes | 2 | 50.4 |").
void ExpectParsFromTheTable(const std::string& listFile, kolm::CLevelList::Names names, const std::string& command)
{
    const kolm::CLevelList list(listFile, names);
    std::istringstream table(GuideTableAfter(command));
    std::string row;
    std::getline(table, row);
    std::getline(table, row);
    int position = 1;
    for (; std::getline(table, row); ++position) {
        std::istringstream cells(row);
        std::string level, file, cleared, loops, seconds;
        for (std::string* cell : {&level, &level, &file, &cleared, &loops, &seconds})
            std::getline(cells >> std::ws, *cell, '|');
        const auto& attributes = list.EntryAt(position).attributes;
        ASSERT_EQ(attributes.count("name"), 1u) << listFile << " level " << position << " has no name";
        EXPECT_FALSE(attributes.at("name").empty());
        EXPECT_EQ(std::stoi(attributes.at("par_loops")), std::stoi(loops)) << listFile << " level " << position;
        EXPECT_EQ(std::stoi(attributes.at("par_time")), static_cast<int>(std::stod(seconds) * 1000 + 0.5))
            << listFile << " level " << position;
    }
    EXPECT_EQ(position, list.Count()) << "a row for every level of " << listFile;
}

// One column of a guide table, a number per row; a row with "no" or a "20+" marks the list not all cleared.
std::vector<double> ColumnOf(const std::string& table, int column, bool& allCleared)
{
    std::istringstream rows(table);
    std::string row;
    std::getline(rows, row);
    std::getline(rows, row);
    std::vector<double> values;
    while (std::getline(rows, row)) {
        std::istringstream cells(row);
        std::string cell;
        for (int i = 0; i <= column + 1; ++i)
            std::getline(cells >> std::ws, cell, '|');
        allCleared = allCleared && row.find('+') == std::string::npos && row.find("| no |") == std::string::npos;
        values.push_back(std::stod(cell));
    }
    return values;
}

// A curve that rises: never a loop less than the level before, give or take one.
void ExpectRisingCurve(const std::vector<double>& loops, const std::string& what)
{
    for (std::size_t i = 1; i < loops.size(); ++i)
        EXPECT_GE(loops[i], loops[i - 1] - 1.0) << what << " falls by more than a loop at level " << i + 1;
}

} // namespace

TEST(LevelTables, TheLevelGuideShowsWhatThePractisedBotDoesToday)
{
    ExpectGuideTableIsCurrent("--check-levels --seed 1");
}

TEST(LevelTables, TheLevelGuideShowsWhatTheNoviceDoesTodayOverThreeSeeds)
{
    ExpectGuideTableIsCurrent("--check-levels --novice --seeds 1-3");
}

TEST(LevelTables, ALevelNotClearedOverSeveralSeedsIsMarkedAndABadSeedListRefused)
{
    const std::string sim = TOBRAKKA_SIM_BINARY;
    const testsupport::ProcessResult cut =
        testsupport::RunProcess(".", {}, sim + " --check-levels --seeds 2,5 --time 2000 --level data/levels/level01.txt", 60);
    EXPECT_EQ(cut.output, "| level | file | loops, seed 2 | loops, seed 5 | average |\n|---|---|---|---|---|\n"
                          "| 1 | data/levels/level01.txt | 0+ | 0+ | 0.0+ |\n");
    for (const char* wrong : {"--check-levels --seeds 3-1", "--check-levels --seeds 1,", "--check-levels --seeds 1-101",
                              "--seeds 1-3"}) {
        const testsupport::ProcessResult run = testsupport::RunProcess(".", {}, sim + " " + wrong, 60);
        EXPECT_EQ(run.exitStatus, 2) << wrong;
        EXPECT_NE(run.output.find("usage: tobrakka-sim"), std::string::npos) << wrong;
    }
}

TEST(LevelTables, TheSecondNotebookInTheGuideIsWhatBothBotsDoToday)
{
    ExpectGuideTableIsCurrent(std::string("--check-levels ") + kSecondNotebook + " --seed 1");
    ExpectGuideTableIsCurrent(std::string("--check-levels ") + kSecondNotebook + " --novice --seeds 1-3");
}

TEST(LevelTables, EveryLevelOfBothNotebooksHasANameAndThePractisedBotsFiguresAsItsPar)
{
    ExpectParsFromTheTable(std::string(TOBRAKKA_SOURCE_DIR) + "/data/levels.xml", kolm::CLevelList::Names::kAsWritten,
                           "--check-levels --seed 1");
    ExpectParsFromTheTable(std::string(TOBRAKKA_SOURCE_DIR) + "/data/packs/second-notebook/pack.xml",
                           kolm::CLevelList::Names::kInListFolder,
                           std::string("--check-levels ") + kSecondNotebook + " --seed 1");
}

TEST(LevelTables, TheSecondNotebooksCurvesRiseAndItsLastLevelAsksForTheLoopHard)
{
    bool cleared = true;
    const std::vector<double> practised =
        ColumnOf(GuideTableAfter(std::string("--check-levels ") + kSecondNotebook + " --seed 1"), 3, cleared);
    bool novicesCleared = true;
    const std::vector<double> novice =
        ColumnOf(GuideTableAfter(std::string("--check-levels ") + kSecondNotebook + " --novice --seeds 1-3"), 5, novicesCleared);
    ASSERT_EQ(practised.size(), 20u);
    ASSERT_EQ(novice.size(), 20u);
    EXPECT_TRUE(cleared) << "the practised bot clears every level";
    EXPECT_TRUE(novicesCleared) << "the novice clears every level on every seed";
    ExpectRisingCurve(practised, "the practised curve");
    ExpectRisingCurve(novice, "the novice's average");
    EXPECT_GE(practised.back(), practised[9] + 2) << "the last level needs clearly more loops than the tenth";
    EXPECT_GT(novice.back(), novice.front());
}
