#include "app/profile/commandline.h"
#include "engine/render/picturerect.h"
#include "engine/render/renderdevice.h"

#include <gtest/gtest.h>

namespace {

CommandLine Parse(std::vector<std::string> arguments) { return ParseCommandLine(arguments); }

// The window "-r" asks for, or 1280 x 720 for a width that gives none.
std::pair<int, int> WindowOf(int requestedWidth)
{
    int width = 1280;
    int height = 720;
    RequestedWindow(requestedWidth, width, height);
    return {width, height};
}

} // namespace

TEST(CommandLine, NoOptionsGivesDefaults)
{
    const CommandLine options = Parse({});
    EXPECT_EQ(options.requestedWidth, 0);
    EXPECT_FALSE(options.fullScreen);
    EXPECT_FALSE(options.showFps);
    EXPECT_FALSE(options.noGrid);
}

TEST(CommandLine, FlagsInAnyOrderAndUnknownWordsIgnored)
{
    const CommandLine options = Parse({"-fps", "banana", "-no_grid", "-FULL", "-full", "-fps"});
    EXPECT_TRUE(options.fullScreen);
    EXPECT_TRUE(options.showFps);
    EXPECT_TRUE(options.noGrid);
    EXPECT_EQ(options.requestedWidth, 0);
}

TEST(CommandLine, WidthRules)
{
    EXPECT_EQ(Parse({"-r", "1920"}).requestedWidth, 1920);
    EXPECT_EQ(Parse({"-r", "800", "-r", "1366"}).requestedWidth, 1366) << "the last -r wins";
    EXPECT_EQ(Parse({"-r"}).requestedWidth, 0) << "-r as the last argument is ignored";
    EXPECT_EQ(Parse({"-r", " 640px"}).requestedWidth, 640) << "leading blanks skipped, trailing text ignored";
    EXPECT_EQ(Parse({"-r", "wide"}).requestedWidth, 0) << "text that holds no number reads 0";
}

TEST(CommandLine, WordAfterRIsExaminedAgain)
{
    const CommandLine options = Parse({"-r", "-full"});
    EXPECT_TRUE(options.fullScreen);
    EXPECT_EQ(options.requestedWidth, 0);
    EXPECT_TRUE(Parse({"-r", "-fps"}).showFps);
}

TEST(WindowSize, HeightIsWidthTimesNineSixteenthsTruncated)
{
    EXPECT_EQ(WindowOf(1920), std::make_pair(1920, 1080));
    EXPECT_EQ(WindowOf(1366).second, 768);
    EXPECT_EQ(WindowOf(1000).second, 562);
}

TEST(WindowSize, WidthsThatGiveNoWindowKeepTheDefault)
{
    for (int width : {0, 1, -1, -1920})
        EXPECT_EQ(WindowOf(width), std::make_pair(1280, 720)) << width;
    EXPECT_EQ(WindowOf(2), std::make_pair(2, 1));
}

TEST(WindowToPicture, ScalesWindowPixelsToTheVirtualScreen)
{
    vector2 out = PictureRect::Stretched(1920, 1080).WindowToPicture(vector2(960, 540));
    EXPECT_FLOAT_EQ(out.x, 640.0f);
    EXPECT_FLOAT_EQ(out.y, 360.0f);
    out = PictureRect::Stretched(1280, 720).WindowToPicture(vector2(100.5f, 719));
    EXPECT_FLOAT_EQ(out.x, 100.5f);
    EXPECT_FLOAT_EQ(out.y, 719.0f);
}

TEST(VirtualToClip, MapsCornersToClipSpace)
{
    EXPECT_EQ(VirtualToClip(vector2(0, 0)), vector2(-1, 1));
    EXPECT_EQ(VirtualToClip(vector2(1280, 720)), vector2(1, -1));
    EXPECT_EQ(VirtualToClip(vector2(640, 360)), vector2(0, 0));
}

TEST(CommandLine, SpeedTakesTheNearestOfferedSpeedAndRefusesWhatIsNoNumber)
{
    testing::internal::CaptureStderr();
    EXPECT_EQ(Parse({"-speed", "50"}).gameSpeed, 50);
    EXPECT_EQ(Parse({"-speed", "73"}).gameSpeed, 70);
    EXPECT_EQ(Parse({"-speed", "slow"}).gameSpeed, 0) << "not given";
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("tobrakka: -speed plays at 100, 90, 80, 70, 60 or 50 per cent: 70 for \"73\""), std::string::npos) << said;
    EXPECT_NE(said.find("tobrakka: -speed needs a speed in per cent"), std::string::npos) << said;
}
