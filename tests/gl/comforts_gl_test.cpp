// The player's comforts in the real game: progress kept between runs with "-continue" and
// "-level N", and the level label, which "-classic" leaves out of the picture.
#include "engine/render/texturecache.h"

#include "support/gamerun.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include <string>
#include <vector>

namespace {

struct ComfortsTest : testsupport::GameRunFixture {
    ComfortsTest() { MakeData("2000\n", "60000\n"); }

    // The pixels of a saved shot that differ between two shots, within a region.
    int Differences(const std::string& a, const std::string& b, int left, int top)
    {
        int width = 0;
        int height = 0;
        std::vector<uint8_t> first;
        std::vector<uint8_t> second;
        if (!DecodeImageFile(dir.File(a), width, height, first) || !DecodeImageFile(dir.File(b), width, height, second))
            return -1;
        // A level or two apart is the rasteriser rounding a picture that lies elsewhere on the
        // atlas pages (the game's own title letters more pictures than the classic one).
        const auto apart = [](uint8_t p, uint8_t q) { return std::abs(static_cast<int>(p) - static_cast<int>(q)) > 2; };
        int differing = 0;
        for (int y = top; y < height; ++y) {
            for (int x = left; x < width; ++x) {
                const std::size_t at = (static_cast<std::size_t>(y) * width + x) * 4;
                differing += apart(first[at], second[at]) || apart(first[at + 1], second[at + 1]) || apart(first[at + 2], second[at + 2]);
            }
        }
        return differing;
    }
};

} // namespace

TEST_F(ComfortsTest, AClearedLevelIsRememberedAndContinueStartsAfterIt)
{
    const testsupport::ProcessResult cleared = Play("title down 32\n2300 digest\n2400 down 27\n", "");
    ASSERT_EQ(cleared.exitStatus, 0) << cleared.output;
    ASSERT_NE(cleared.output.find("cleared=1"), std::string::npos) << cleared.output;
    EXPECT_EQ(testsupport::ReadFile(dir.File(".state/tobrakka/progress")), "cleared 1\nrecord 1 1 2016\n")
        << "the level of 2000 ms cleared in one loop, on its 126th step";

    const testsupport::ProcessResult continued = Play("title down 32\n100 down 27\n", "-continue -digest");
    ASSERT_EQ(continued.exitStatus, 0) << continued.output;
    EXPECT_NE(continued.output.find("digest level=data/levels/second.txt"), std::string::npos) << continued.output;

    const testsupport::ProcessResult chosen = Play("title down 32\n100 down 27\n", "-level 2 -digest");
    EXPECT_NE(chosen.output.find("digest level=data/levels/second.txt"), std::string::npos) << chosen.output;
    const testsupport::ProcessResult both = Play("title down 32\n100 down 27\n", "-continue -level 1 -digest");
    EXPECT_NE(both.output.find("digest level=data/levels/first.txt"), std::string::npos) << "-level wins: " << both.output;
}

TEST_F(ComfortsTest, TheLevelLabelShowsInTheBottomRightCornerExceptWithClassic)
{
    const testsupport::ProcessResult labelled = Play("title down 32\n500 screenshot label.png\n600 down 27\n", "-seed 1");
    const testsupport::ProcessResult classic =
        Play("title down 32\n500 screenshot classic.png\n600 down 27\n", "-classic -seed 1");
    ASSERT_EQ(labelled.exitStatus, 0) << labelled.output;
    ASSERT_EQ(classic.exitStatus, 0) << classic.output;
    EXPECT_GT(Differences("label.png", "classic.png", 900, 660), 200) << "the label's ink in the corner";
    // The time bar along the top fades while the hero arrives under it, which the classic game
    // never does; below it, nothing but the label differs.
    EXPECT_EQ(Differences("label.png", "classic.png", 0, 60), Differences("label.png", "classic.png", 900, 660))
        << "nothing else in the picture changes";
}

TEST_F(ComfortsTest, WhenProgressCannotBeSavedANoteUnderTheTimeBarSaysSo)
{
    const testsupport::ProcessResult saved = Play("title down 32\n4500 screenshot saved.png\n4600 down 27\n", "-seed 1");
    dir.Write("blocker", ""); // a file where the state folder should be
    dir.Write("play.script", "title down 32\n4500 screenshot unsaved.png\n4600 down 27\n");
    const testsupport::ProcessResult unsaved = testsupport::RunProcess(
        dir.Path(), {"SDL_AUDIODRIVER=dummy", "TOBRAKKA_DATA=" + dir.Path(), "XDG_STATE_HOME=" + dir.File("blocker")},
        testsupport::OnItsOwnDisplay(std::string(TOBRAKKA_GAME_BINARY) + " -script play.script -seed 1"), 120);
    ASSERT_EQ(saved.exitStatus, 0) << saved.output;
    ASSERT_EQ(unsaved.exitStatus, 0) << unsaved.output;
    EXPECT_NE(unsaved.output.find("cannot save progress to " + dir.File("blocker/tobrakka/progress")), std::string::npos)
        << unsaved.output;
    EXPECT_GT(Differences("saved.png", "unsaved.png", 0, 0), 200) << "the note's ink";
    EXPECT_EQ(Differences("saved.png", "unsaved.png", 0, 110), 0) << "under the time bar, and nothing else changes";
}
