// The real game as a person new to it meets it, played by a script that drives the menus: from
// the title, "New game" offers the lesson; the lesson is played through to its chain, and the
// continue key after it starts level 1. Nothing of the lesson is kept as progress.
#include "support/gamerun.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

// The lesson's script counts from the lesson's start: the menus' thirteen polls of 16 ms before
// the lesson (Enter on "New game" at 100, on "Learn to play first" at 200) put that at 208.
constexpr unsigned kLessonStarts = 208;

// The script's lines a time on, and a quit two seconds after its last.
std::string ShiftedThenQuit(const std::string& script, unsigned by)
{
    std::istringstream lines(script);
    std::string shifted, line;
    unsigned last = 0;
    while (std::getline(lines, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        const std::size_t space = line.find(' ');
        last = static_cast<unsigned>(std::stoul(line.substr(0, space))) + by;
        shifted += std::to_string(last) + line.substr(space) + "\n";
    }
    return shifted + std::to_string(last + 2000) + " quit\n";
}

struct LessonGameTest : testsupport::GameRunFixture {
    LessonGameTest()
    {
        MakeData("60000\n", "60000\n");
        EXPECT_EQ(symlink((build + "/data/lesson").c_str(), dir.File("data/lesson").c_str()), 0);
    }
};

} // namespace

TEST_F(LessonGameTest, ANewcomerIsLedFromTheTitleThroughTheLessonsChainIntoLevelOne)
{
    const std::string lesson = testsupport::ReadFile(std::string(TOBRAKKA_SOURCE_DIR) + "/tests/data/lesson.script");
    const std::string script = "title down 13\n100 down 13\n200 down 13\n" + ShiftedThenQuit(lesson, kLessonStarts);
    dir.Write("play.script", script);
    // The lesson plays some forty seconds of game time in as many of the clock's; the guard only
    // ends a game that hangs, generous for a display shared with other tests that slow it.
    const testsupport::ProcessResult run =
        testsupport::RunProcess(dir.Path(), {"SDL_AUDIODRIVER=dummy", "TOBRAKKA_DATA=" + dir.Path()},
                                testsupport::OnItsOwnDisplay(std::string(TOBRAKKA_GAME_BINARY) +
                                                             " -script play.script -menus -seed 5 -digest"),
                                600);
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    const std::size_t lessonEnd = run.output.find("digest level=data/lesson/chain.txt");
    const std::size_t levelOne = run.output.find("digest level=data/levels/first.txt");
    ASSERT_NE(lessonEnd, std::string::npos) << run.output;
    EXPECT_NE(run.output.find("loop=2 ", lessonEnd), std::string::npos) << "the chain came in the second loop: " << run.output;
    ASSERT_NE(levelOne, std::string::npos) << "level 1 follows the lesson: " << run.output;
    EXPECT_LT(lessonEnd, levelOne);
    EXPECT_EQ(testsupport::ReadFile(dir.File(".state/tobrakka/progress")), "") << "the lesson keeps no progress";
}
