// The real game killed with SIGKILL while it saves its progress: the file it leaves always reads
// back whole, and no kill ever loses a clear an earlier run had saved.
#include "app/profile/progressfile.h"

#include "support/gamerun.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kLevels = 200;

struct ProgressKillTest : testsupport::GameRunFixture {
    std::string progress = dir.File(".state/tobrakka/progress");

    // Two hundred levels of 16 ms without robots, each cleared on its second step; the script
    // presses space every step, so every other step clears a level and saves.
    ProgressKillTest()
    {
        dir.MakeDir("data");
        dir.MakeDir("data/levels");
        EXPECT_EQ(symlink((build + "/data/gfx").c_str(), dir.File("data/gfx").c_str()), 0);
        EXPECT_EQ(symlink((build + "/data/sfx").c_str(), dir.File("data/sfx").c_str()), 0);
        dir.Write("data/levels/tiny.txt", "16\n");
        std::string list = "<LevelList>\n";
        for (int position = 1; position <= kLevels; ++position)
            list += "<Level position=\"" + std::to_string(position) + "\" filename=\"data/levels/tiny.txt\"></Level>\n";
        dir.Write("data/levels.xml", list + "</LevelList>\n");
        std::string script = "title down 32\n";
        for (int time = 16; time <= 2 * 16 * kLevels; time += 16)
            script += std::to_string(time) + " down 32\n" + std::to_string(time) + " up 32\n";
        dir.Write("play.script", script + std::to_string(2 * 16 * kLevels + 100) + " down 27\n");
    }

    // Starts the game in the test's folder, continuing after what it cleared before. It runs on
    // the test's display, not one of its own, so that the process killed is the game itself; a
    // stray mouse move there changes only the aim, which levels without robots never notice.
    pid_t Start()
    {
        const pid_t game = fork();
        if (game == 0) {
            if (chdir(dir.Path().c_str()) != 0)
                _exit(126);
            setenv("SDL_AUDIODRIVER", "dummy", 1);
            setenv("TOBRAKKA_DATA", dir.Path().c_str(), 1);
            setenv("XDG_STATE_HOME", dir.File(".state").c_str(), 1);
            setenv("XDG_CONFIG_HOME", dir.File(".config").c_str(), 1);
            setenv("XDG_DATA_HOME", dir.File(".data").c_str(), 1);
            const int log = open(dir.File("game.log").c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
            dup2(log, 1);
            dup2(log, 2);
            execl(TOBRAKKA_GAME_BINARY, TOBRAKKA_GAME_BINARY, "-script", "play.script", "-continue", nullptr);
            _exit(127);
        }
        return game;
    }

    // Waits until the temporary file of a save is there or gone; false after ten seconds.
    bool WaitForTemporary(bool present) const
    {
        const std::string temporary = progress + ".new";
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while ((access(temporary.c_str(), F_OK) == 0) != present)
            if (std::chrono::steady_clock::now() > deadline)
                return false;
        return true;
    }

    // The whole file for clears of the levels 1 to cleared, each in one loop of 32 ms.
    static std::string Whole(int cleared)
    {
        std::string text = "cleared " + std::to_string(cleared) + "\n";
        for (int position = 1; position <= cleared; ++position)
            text += "record " + std::to_string(position) + " 1 32\n";
        return text;
    }
};

} // namespace

TEST_F(ProgressKillTest, AGameKilledWhileSavingLeavesAWholeFileAndLosesNoClear)
{
    int cleared = 0;
    int killedMidSave = 0;
    for (int saves : {1, 4, 2, 6, 3}) {
        const pid_t game = Start();
        // Waits for that many saves to get under way, each seen by its temporary file appearing
        // after the last one has gone (the one a killed run left behind goes with this run's
        // first save, which then counts as done), and kills the game in the last.
        bool underWay = true;
        for (int save = 0; save < saves; ++save)
            underWay = underWay && WaitForTemporary(false) && WaitForTemporary(true);
        kill(game, SIGKILL);
        waitpid(game, nullptr, 0);
        ASSERT_TRUE(underWay) << "the game saved no progress:\n" << testsupport::ReadFile(dir.File("game.log"));
        killedMidSave += access((progress + ".new").c_str(), F_OK) == 0;

        testing::internal::CaptureStderr();
        const Progress read = ProgressFile(progress).Load(kLevels);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << "nothing to name after " << saves << " saves";
        EXPECT_EQ(testsupport::ReadFile(progress), read.cleared ? Whole(read.cleared) : "") << "killed in its first save";
        EXPECT_GE(read.cleared, cleared) << "a kill lost a clear";
        cleared = read.cleared;
    }
    EXPECT_GT(cleared, 10);
    EXPECT_EQ(testsupport::ReadFile(dir.File("game.log")).find("progress"), std::string::npos)
        << testsupport::ReadFile(dir.File("game.log"));
    std::printf("%d of 5 kills came in the middle of a save; %d levels cleared\n", killedMidSave, cleared);
}
