#include "app/commandline.h"
#include "engine/renderdevice.h"

#include <gtest/gtest.h>

namespace {

CommandLine Parse(std::vector<std::string> arguments) { return ParseCommandLine(arguments); }

struct WindowSizeTest : ::testing::Test {
    void SetUp() override { g_windowWidth = 1280, g_windowHeight = 720; }
    void TearDown() override { g_windowWidth = 1280, g_windowHeight = 720; }
};

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

TEST_F(WindowSizeTest, HeightIsWidthTimesNineSixteenthsTruncated)
{
    ApplyWindowSize(1920);
    EXPECT_EQ(g_windowWidth, 1920);
    EXPECT_EQ(g_windowHeight, 1080);
    ApplyWindowSize(1366);
    EXPECT_EQ(g_windowHeight, 768);
    ApplyWindowSize(1000);
    EXPECT_EQ(g_windowHeight, 562);
}

TEST_F(WindowSizeTest, WidthsThatGiveNoWindowKeepTheDefault)
{
    for (int width : {0, 1, -1, -1920}) {
        ApplyWindowSize(width);
        EXPECT_EQ(g_windowWidth, 1280) << width;
        EXPECT_EQ(g_windowHeight, 720) << width;
    }
    ApplyWindowSize(2);
    EXPECT_EQ(g_windowWidth, 2);
    EXPECT_EQ(g_windowHeight, 1);
}

TEST(WindowToVirtual, ScalesWindowPixelsToTheVirtualScreen)
{
    g_windowWidth = 1920;
    g_windowHeight = 1080;
    vector2 out;
    WindowToVirtual(out, vector2(960, 540));
    EXPECT_FLOAT_EQ(out.x, 640.0f);
    EXPECT_FLOAT_EQ(out.y, 360.0f);
    g_windowWidth = 1280;
    g_windowHeight = 720;
    WindowToVirtual(out, vector2(100.5f, 719));
    EXPECT_FLOAT_EQ(out.x, 100.5f);
    EXPECT_FLOAT_EQ(out.y, 719.0f);
}

TEST(VirtualToClip, MapsCornersToClipSpace)
{
    EXPECT_EQ(VirtualToClip(vector2(0, 0)), vector2(-1, 1));
    EXPECT_EQ(VirtualToClip(vector2(1280, 720)), vector2(1, -1));
    EXPECT_EQ(VirtualToClip(vector2(640, 360)), vector2(0, 0));
}
