// Progress and records kept between runs, in the player's state directory.
#include "app/play/clearnote.h"
#include "app/play/hudoverlay.h"
#include "app/play/levelflow.h"
#include "app/profile/progresskeeper.h"
#include "utils/levellist/clevellist.h"

#include "support/testsupport.h"
#include "support/worldfixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct ProgressTest : ::testing::Test {
    testsupport::TempDir dir;
    ProgressFile file{dir.File("state/tobrakka/progress")};

    // What loading the file says on standard error.
    std::string LoadMessages(const ProgressFile& from, int lastPosition, Progress& progress)
    {
        testing::internal::CaptureStderr();
        progress = from.Load(lastPosition);
        return testing::internal::GetCapturedStderr();
    }
};

Progress Cleared(int position, int loops, uint32_t milliseconds)
{
    Progress progress;
    progress.cleared = position;
    progress.records[position] = LevelRecord{loops, milliseconds};
    return progress;
}

} // namespace

TEST_F(ProgressTest, ClearsAndRecordsAreWrittenAndEachBestIsKeptOnItsOwn)
{
    EXPECT_EQ(file.LastCleared(), 0) << "no file, no progress";
    Progress first = Cleared(1, 3, 5000);
    EXPECT_TRUE(file.Save(first));
    EXPECT_EQ(testsupport::ReadFile(file.Path()), "cleared 1\nrecord 1 3 5000\n");

    Progress second = Cleared(2, 1, 900);
    second.records[1] = LevelRecord{2, 6000}; // fewer loops, but slower
    EXPECT_TRUE(file.Save(second));
    Progress replay = Cleared(1, 4, 4000); // an earlier level again: only faster
    EXPECT_TRUE(file.Save(replay));
    EXPECT_EQ(testsupport::ReadFile(file.Path()), "cleared 2\nrecord 1 2 4000\nrecord 2 1 900\n");
    EXPECT_EQ(replay.cleared, 2) << "a save hands back what the file holds";
    EXPECT_EQ(replay.RecordOf(1), (LevelRecord{2, 4000}));

    std::set<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(dir.File("state/tobrakka")))
        files.insert(entry.path().filename());
    EXPECT_EQ(files, (std::set<std::string>{"progress", "progress.lock"})) << "no temporary file is left behind";
}

// A record of full speed replaces an assisted one it equals or beats; an assisted clear never
// replaces one of full speed, however good; each figure's mark is its own and survives the file.
TEST_F(ProgressTest, AssistedClearsAreMarkedAndNeverReplaceARecordOfFullSpeed)
{
    const LevelRecord full{3, 5000};
    const LevelRecord assisted{2, 4000, true, true};
    LevelRecord record = full;
    record.Merge(assisted);
    EXPECT_EQ(record, full) << "an assisted clear, however good, leaves full speed's record";
    record = assisted;
    record.Merge(LevelRecord{2, 4500});
    EXPECT_EQ(record, (LevelRecord{2, 4000, false, true})) << "as few loops at full speed replace the assisted";
    record.Merge(LevelRecord{1, 3000, true, true});
    EXPECT_EQ(record, (LevelRecord{2, 3000, false, true})) << "assisted beats assisted";

    Progress marked = Cleared(1, 2, 3000);
    marked.records[1] = record;
    ASSERT_TRUE(file.Save(marked));
    EXPECT_EQ(testsupport::ReadFile(file.Path()), "cleared 1\nrecord 1 2 3000 assisted=time\n");
    EXPECT_EQ(file.Load().RecordOf(1), record);
    dir.Write("state/tobrakka/progress", "cleared 1\nrecord 1 2 3000 assisted=speed\n");
    Progress read;
    EXPECT_NE(LoadMessages(file, 10, read).find("progress:2: \"record 1 2 3000 assisted=speed\" is not"), std::string::npos);
}

TEST_F(ProgressTest, AFileOfTodaysOneLineReadsAsBefore)
{
    for (const char* today : {"cleared 3\n", "cleared 3", "cleared 3\r\n", "  cleared\t3  \n"}) {
        dir.Write("today", today);
        Progress progress;
        EXPECT_EQ(LoadMessages(ProgressFile(dir.File("today")), 10, progress), "") << today;
        EXPECT_EQ(progress.cleared, 3) << today;
        EXPECT_TRUE(progress.records.empty()) << today;
    }
}

TEST_F(ProgressTest, EmptyCorruptFolderBinaryAndHugeFilesMeanNoProgress)
{
    dir.Write("empty", "");
    EXPECT_EQ(ProgressFile(dir.File("empty")).LastCleared(), 0);
    int n = 0;
    for (const char* corrupt : {"cleared", "cleared x", "cleared -3", "cleared 2 3", "\x01\xff", "level 4", "cleared 10000"}) {
        const std::string name = "corrupt" + std::to_string(++n);
        dir.Write(name, corrupt);
        Progress progress;
        const std::string said = LoadMessages(ProgressFile(dir.File(name)), 10, progress);
        EXPECT_EQ(progress.cleared, 0) << corrupt;
        EXPECT_NE(said.find(dir.File(name) + ":1: "), std::string::npos) << said;
        EXPECT_NE(said.find("is not \"cleared N\""), std::string::npos) << said;
    }
    dir.MakeDir("folder");
    dir.Write("binary", std::string("cleared 2\n\0\0", 12));
    dir.Write("huge", "cleared 2\n" + std::string(70000, '\n'));
    for (const char* unusable : {"folder", "binary", "huge"}) {
        Progress progress;
        const std::string said = LoadMessages(ProgressFile(dir.File(unusable)), 10, progress);
        EXPECT_EQ(progress.cleared, 0) << unusable;
        EXPECT_NE(said.find("the progress file " + dir.File(unusable) + " "), std::string::npos) << said;
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    }
}

TEST_F(ProgressTest, RecordsThatCannotBeAreNamedOnceWithFileAndLineAndTheRestIsKept)
{
    dir.Write("progress", "cleared 4\n"
                          "record 1 2 15360\n"
                          "record 2 -1 900\n"   // negative loops
                          "record 3 0 900\n"    // no loop at all
                          "record 11 1 900\n"   // past the list of 10
                          "record 0 1 900\n"    // before its start
                          "record 4 1 -16\n"    // a negative time
                          "record 4 1\n"        // malformed
                          "best 4 1 16\n"
                          "\n"
                          "record 4 1 40016\n");
    const ProgressFile bad(dir.File("progress"));
    Progress progress;
    const std::string said = LoadMessages(bad, 10, progress);
    EXPECT_EQ(progress.cleared, 4);
    EXPECT_EQ(progress.records.size(), 2u);
    EXPECT_EQ(progress.RecordOf(1), (LevelRecord{2, 15360}));
    EXPECT_EQ(progress.RecordOf(4), (LevelRecord{1, 40016}));
    for (int line = 3; line <= 9; ++line)
        EXPECT_NE(said.find("tobrakka: " + bad.Path() + ":" + std::to_string(line) + ": "), std::string::npos)
            << line << "\n" << said;
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 7) << said;
    EXPECT_EQ(LoadMessages(bad, 10, progress), "") << "each is named once a run";
}

TEST_F(ProgressTest, RecordsOfLevelsPastThisRunsListSurviveItsSave)
{
    dir.MakeDir("state");
    dir.MakeDir("state/tobrakka");
    dir.Write("state/tobrakka/progress", "cleared 12\nrecord 12 1 800\n");
    Progress progress;
    LoadMessages(file, 5, progress); // a run with a shorter list
    EXPECT_TRUE(progress.records.empty());
    Progress clear = Cleared(2, 1, 500);
    EXPECT_TRUE(file.Save(clear));
    EXPECT_EQ(testsupport::ReadFile(file.Path()), "cleared 12\nrecord 2 1 500\nrecord 12 1 800\n");
}

TEST_F(ProgressTest, AFolderThatCannotBeWrittenIsReportedOnceAndPlayGoesOn)
{
    dir.Write("blocker", ""); // a file where the state directory should be
    std::vector<std::string> unwritable{dir.File("blocker/tobrakka/progress")};
    dir.MakeDir("locked");
    chmod(dir.File("locked").c_str(), 0500);
    if (geteuid() != 0) // root writes into read-only directories
        unwritable.push_back(dir.File("locked/tobrakka/progress"));
    for (const std::string& path : unwritable) {
        const ProgressFile file(path);
        Progress progress = Cleared(3, 1, 100);
        testing::internal::CaptureStderr();
        EXPECT_FALSE(file.Save(progress)) << path;
        EXPECT_FALSE(file.Save(progress)) << path;
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_NE(said.find("cannot save progress to " + path + ": "), std::string::npos) << said;
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << "once a run: " << said;
        EXPECT_EQ(progress.cleared, 3) << "what is in memory stays";
        EXPECT_EQ(file.LastCleared(), 0);
    }
    chmod(dir.File("locked").c_str(), 0700);
}

TEST_F(ProgressTest, TwoGamesSavingAtOnceLoseNoRecord)
{
    // Two processes save one clear after another at the same time, each its own levels.
    constexpr int kEach = 40;
    pid_t games[2];
    for (int game = 0; game < 2; ++game) {
        games[game] = fork();
        if (games[game] == 0) {
            for (int level = 1; level <= kEach; ++level) {
                Progress clear = Cleared(2 * level - game, 1, 1000 + game);
                file.Save(clear);
            }
            _exit(0);
        }
    }
    for (pid_t game : games) {
        int status = 0;
        ASSERT_EQ(waitpid(game, &status, 0), game);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    const Progress progress = file.Load();
    EXPECT_EQ(progress.cleared, 2 * kEach);
    EXPECT_EQ(progress.records.size(), 2u * kEach) << testsupport::ReadFile(file.Path());
}

TEST(ProgressPath, TheStateDirectoryComesFromXdgStateHomeOrHome)
{
    {
        testsupport::ScopedEnvironment state("XDG_STATE_HOME", "/s");
        EXPECT_EQ(ProgressFile::DefaultPath(), "/s/tobrakka/progress");
    }
    testsupport::ScopedEnvironment relative("XDG_STATE_HOME", "s");
    testsupport::ScopedEnvironment home("HOME", "/h");
    EXPECT_EQ(ProgressFile::DefaultPath(), "/h/.local/state/tobrakka/progress");
}

namespace {

struct ProgressKeeperTest : testsupport::WorldTest {
    uint32_t phaseTime = 0;

    void Steps(ProgressKeeper& keeper, int n)
    {
        for (int i = 0; i < n; ++i) {
            gameplay.Update(16);
            keeper.AfterStep(gameplay, phaseTime);
            phaseTime += 16;
        }
    }
    // Loops of the given numbers of steps (F5 after each), then steps until the level is cleared.
    void PlayToTheClear(ProgressKeeper& keeper, const std::vector<int>& loops)
    {
        for (int steps : loops) {
            Steps(keeper, steps);
            Loop();
        }
        while (!gameplay.IsLevelCleared())
            Steps(keeper, 1);
    }
    // A level list of two positions, both short.txt.
    void WriteTwoShortLevels()
    {
        dir.MakeDir("data");
        dir.Write("data/levels.xml", "<LevelList>\n<Level position=\"1\" filename=\"short.txt\"></Level>\n"
                                     "<Level position=\"2\" filename=\"short.txt\"></Level>\n</LevelList>\n");
    }
    // In the child process: the test's folder current, the list's first level loaded.
    kolm::CLevelList& StartTheList()
    {
        testsupport::ChangeDirectory(dir.Path());
        kolm::CLevelList& list = levels;
        gameplay.LoadLevel(list.NextLevelFile());
        return list;
    }
    static std::string Said(const ClearReport* clear)
    {
        if (!clear)
            return "none";
        return std::to_string(clear->position) + ": " + std::to_string(clear->loops) + " loops " +
               std::to_string(clear->milliseconds) + " ms, before " + std::to_string(clear->before.loops) + " " +
               std::to_string(clear->before.milliseconds) + ", best " + std::to_string(clear->best.loops) + " " +
               std::to_string(clear->best.milliseconds) + (clear->NewFewestLoops() ? ", fewest loops" : "") +
               (clear->NewBestTime() ? ", best time" : "");
    }
};

} // namespace

TEST_F(ProgressKeeperTest, EachClearOfAListLevelNotesItsLoopsAndGameTimeAndSavesTheBests)
{
    // The level list is one per process: play it in a child process, which says what it saw.
    dir.Write("short.txt", "48\n"); // cleared on the fourth step of a loop: 64 ms
    WriteTwoShortLevels();
    EXPECT_EXIT(
        {
            kolm::CLevelList& list = StartTheList();
            ProgressKeeper keeper(ProgressFile(dir.File("progress")), levels);
            std::string said = "[" + Said(keeper.LastClear());
            PlayToTheClear(keeper, {1, 1}); // three loops: 16 + 16 + 64 ms
            said += "] [" + Said(keeper.LastClear());
            HudOverlay overlay(&gameplay);
            HandleContinue(&gameplay, &overlay, levels);
            Steps(keeper, 1);
            said += "] [" + Said(keeper.LastClear());
            PlayToTheClear(keeper, {});
            said += "] [" + Said(keeper.LastClear());
            list.StartAfter(0); // level 1 again, in two loops: 48 + 64 ms
            gameplay.LoadLevel(list.NextLevelFile());
            PlayToTheClear(keeper, {3});
            said += "] [" + Said(keeper.LastClear());
            list.StartAfter(2); // past the list: the empty level
            gameplay.LoadLevel(list.NextLevelFile());
            Steps(keeper, 2);
            said += "] [" + Said(keeper.LastClear()) + "] " + testsupport::ReadFile(dir.File("progress"));
            std::fprintf(stderr, "%s", said.c_str());
            std::exit(0);
        },
        ::testing::ExitedWithCode(0),
        "\\[none\\] \\[1: 3 loops 96 ms, before 0 0, best 3 96, fewest loops, best time\\] \\[none\\] "
        "\\[2: 1 loops 64 ms, before 0 0, best 1 64, fewest loops, best time\\] "
        "\\[1: 2 loops 112 ms, before 3 96, best 2 96, fewest loops\\] \\[none\\] "
        "cleared 2\nrecord 1 2 96\nrecord 2 1 64\n$");
}

TEST_F(ProgressKeeperTest, AClearAtOrUnderParEarnsItsMedalOnceAndTheBannerNamesTheLevel)
{
    dir.Write("short.txt", "48\n");
    dir.MakeDir("data");
    dir.Write("data/levels.xml", "<LevelList>\n<Level position=\"1\" filename=\"short.txt\" name=\"Crossfire\" "
                                 "par_loops=\"2\" par_time=\"100\"></Level>\n</LevelList>\n");
    EXPECT_EXIT(
        {
            kolm::CLevelList& list = StartTheList();
            ProgressKeeper keeper(ProgressFile(dir.File("progress")), levels);
            const auto note = [&keeper] {
                std::string lines;
                for (const ClearNote::Line& line : ClearNote::Lines(*keeper.LastClear()))
                    lines += line.text + (line.newRecord ? "*" : "") + "|";
                return lines;
            };
            PlayToTheClear(keeper, {1, 1}); // three loops in 96 ms: under the time's par only
            std::string said = note() + "/";
            list.StartAfter(0);
            gameplay.LoadLevel(list.NextLevelFile());
            PlayToTheClear(keeper, {3}); // two loops in 112 ms: the loops' par, the time medal held already
            said += note();
            std::fprintf(stderr, "%s", said.c_str());
            std::exit(0);
        },
        ::testing::ExitedWithCode(0),
        "level 1 [^|]* Crossfire\\|3 loops[^|]*\\*\\|time[^|]*\\*\\|time medal [^|]* par 0:00.10\\*\\|/"
        "level 1 [^|]* Crossfire\\|2 loops[^|]*\\*\\|time[^|]*[0-9]\\|loops medal [^|]* par 2\\*\\|$");
}

TEST_F(ProgressTest, AnUnreadableFileIsNamedOnceAndMeansNoProgress)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root reads files without read permission";
    dir.Write("unreadable", "cleared 2\n");
    chmod(dir.File("unreadable").c_str(), 0);
    Progress progress;
    const std::string said = LoadMessages(ProgressFile(dir.File("unreadable")), 10, progress);
    EXPECT_EQ(progress.cleared, 0);
    EXPECT_NE(said.find("the progress file " + dir.File("unreadable") + " "), std::string::npos) << said;
    chmod(dir.File("unreadable").c_str(), 0600);
}

TEST_F(ProgressKeeperTest, AClearThatCannotBeSavedIsKeptInMemoryAndSaidSoUntilASaveSucceeds)
{
    dir.Write("short.txt", "48\n");
    dir.Write("blocker", ""); // a file where the state directory should be
    WriteTwoShortLevels();
    EXPECT_EXIT(
        {
            kolm::CLevelList& list = StartTheList();
            ProgressKeeper keeper(ProgressFile(dir.File("blocker/tobrakka/progress")), levels);
            PlayToTheClear(keeper, {});
            if (!keeper.SaveFailed() || keeper.Known().cleared != 1)
                std::exit(1);
            std::remove(dir.File("blocker").c_str()); // the folder can be made now
            gameplay.LoadLevel(list.NextLevelFile());
            PlayToTheClear(keeper, {});
            std::exit(keeper.SaveFailed() ? 2 : 0);
        },
        ::testing::ExitedWithCode(0), "cannot save progress to .*blocker/tobrakka/progress");
}

TEST_F(ProgressTest, RecordsOfOtherLevelsAreKeptByHashBesideThoseOfTheGamesOwnAndBadOnesAreNamed)
{
    dir.MakeDir("state");
    dir.MakeDir("state/tobrakka");
    dir.Write("state/tobrakka/progress", "cleared 0\nlevel 00000000000000ff 2 900 assisted=time\n"
                                         "level ff 1 100\nlevel 00000000000000ff 0 100\n");
    Progress read;
    const std::string said = LoadMessages(file, 10, read);
    EXPECT_EQ(read.cleared, 0);
    EXPECT_EQ(read.RecordOfHash(0xff), (LevelRecord{2, 900, false, true}));
    EXPECT_NE(said.find(":3: \"level ff 1 100\" is not"), std::string::npos) << said;
    EXPECT_NE(said.find(":4: a record of 0 loops cannot be"), std::string::npos) << said;

    Progress own = Cleared(3, 1, 5000);
    EXPECT_TRUE(file.Save(own));
    EXPECT_EQ(testsupport::ReadFile(file.Path()),
              "cleared 3\nrecord 3 1 5000\nlevel 00000000000000ff 2 900 assisted=time\n");
}
