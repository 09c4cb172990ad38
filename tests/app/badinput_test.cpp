// Bad input of every kind: broken pictures, level lists and level files. The game reports what
// it has a message for and carries on; nothing crashes, hangs or grows without bound.
#include "harness/botplayer.h"
#include "harness/headlessgame.h"
#include "world/worlddigest.h"
#include "engine/render/texturecache.h"
#include "utils/levellist/clevellist.h"
#include "world/leveltimeline.h"

#include "support/testsupport.h"
#include "support/worldfixture.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct BrokenPictureTest : ::testing::Test {
    testsupport::ScopedCapture capture;
    testsupport::TempDir dir;

    void TearDown() override { ReleaseAllTextures(); }

    // A picture that loads reports nothing and keeps its size; one that does not is reported
    // once with the game's message and draws nothing: a file whose header cannot be read like
    // a missing picture, one whose header reads but whose pixels do not decode like a picture
    // the device refused.
    void ExpectReportedOrWhole(const std::string& file, int width, int height, bool headerReads)
    {
        testing::internal::CaptureStdout();
        TextureEntry* entry = GetTexture(file);
        GetTexture(file);
        const std::string printed = testing::internal::GetCapturedStdout();
        if (entry) {
            EXPECT_EQ(entry->width, width);
            EXPECT_EQ(entry->height, height);
            EXPECT_EQ(printed, "");
        } else if (headerReads) {
            EXPECT_EQ(printed, "Couldn't load texture: " + file);
        } else {
            EXPECT_EQ(printed, "Couldn't load image: " + file + "\n");
        }
    }
};

} // namespace

TEST_F(BrokenPictureTest, TruncatedAndRandomPngsAndJpgs)
{
    testsupport::WriteWholePictures(dir);
    const std::string png = testsupport::ReadFile(dir.File("whole.png"));
    const std::string jpg = testsupport::ReadFile(dir.File("whole.jpg"));
    ASSERT_GT(png.size(), 100u);
    ASSERT_GT(jpg.size(), 100u);

    // The PNG header (signature and IHDR) is 33 bytes long; the JPG's size comes after its
    // quantisation tables.
    for (std::size_t keep : {std::size_t{0}, std::size_t{8}, std::size_t{40}, png.size() / 2, png.size() - 1}) {
        const std::string name = "cut" + std::to_string(keep) + ".png";
        dir.Write(name, png.substr(0, keep));
        ExpectReportedOrWhole(dir.File(name), 64, 48, keep >= 33);
    }
    for (std::size_t keep : {std::size_t{2}, std::size_t{20}, jpg.size() / 2, jpg.size() - 2}) {
        const std::string name = "cut" + std::to_string(keep) + ".jpg";
        dir.Write(name, jpg.substr(0, keep));
        ExpectReportedOrWhole(dir.File(name), 64, 48, keep > 20);
    }
    for (unsigned seed = 1; seed <= 5; ++seed) {
        dir.Write("noise" + std::to_string(seed) + ".png", testsupport::RandomBytes(3000, seed));
        dir.Write("noise" + std::to_string(seed) + ".jpg", "\xFF\xD8\xFF" + testsupport::RandomBytes(3000, seed + 100));
        testing::internal::CaptureStdout();
        EXPECT_EQ(GetTexture(dir.File("noise" + std::to_string(seed) + ".png")), nullptr);
        EXPECT_EQ(GetTexture(dir.File("noise" + std::to_string(seed) + ".jpg")), nullptr);
        testing::internal::GetCapturedStdout();
    }
}

TEST(BrokenLevelList, BinaryEmptyUnbalancedAndHugeFilesGiveAListWithoutCrashing)
{
    testsupport::TempDir dir;
    dir.Write("binary.xml", testsupport::RandomBytes(20000, 7));
    dir.Write("empty.xml", "");
    dir.Write("unbalanced.xml", "<LevelList>\n<Level position=\"1\" filename=\"a.txt\">\n<Level position=\"2\" "
                                "filename=\"b.txt\"></Level>\n</Level></Level></Level>\n<Level position=\"3\" "
                                "filename=\"c.txt\"></Level>\n");
    std::string huge = "<LevelList>\n";
    for (int i = 1; i <= 20000; ++i)
        huge += "<Level position=\"" + std::to_string(i) + "\" filename=\"level" + std::to_string(i) + ".txt\"></Level>\n";
    huge += std::string(200000, '<') + "</LevelList>\n";
    dir.Write("huge.xml", huge);

    testing::internal::CaptureStdout();
    kolm::CLevelList binary(dir.File("binary.xml"));
    kolm::CLevelList empty(dir.File("empty.xml"));
    kolm::CLevelList unbalanced(dir.File("unbalanced.xml"));
    kolm::CLevelList hugeList(dir.File("huge.xml"));
    testing::internal::GetCapturedStdout();

    EXPECT_EQ(empty.Count(), 0);
    EXPECT_EQ(empty.NextLevelFile(), "");
    // The unclosed first level swallows the second as its child; the surplus end tags leave no
    // element open, so the third, arriving after them, is ignored.
    EXPECT_EQ(unbalanced.Count(), 2);
    EXPECT_EQ(unbalanced.NextLevelFile(), "a.txt");
    EXPECT_EQ(unbalanced.NextLevelFile(), "");
    EXPECT_EQ(hugeList.Count(), 10000) << "positions beyond 9999 are ignored";
    EXPECT_EQ(hugeList.FileNameAt(9999), "level9999.txt");
    for (int i = 0; i < 20; ++i)
        binary.NextLevelFile();
}

namespace {

// Plays a level file headless with the bot for a while and returns the last digest.
std::string PlayBriefly(const std::string& file, int steps)
{
    BotPlayer::Options options;
    BotPlayer bot(options);
    testing::internal::CaptureStdout();
    HeadlessGame game(file, 3, &bot);
    for (int i = 0; i < steps; ++i)
        game.Step();
    const std::string digest = DigestOf(game.Game()).ToString();
    testing::internal::GetCapturedStdout();
    return digest;
}

} // namespace

TEST(BrokenLevelFile, AHundredThousandEventsOddTimesLongLinesAndNoLength)
{
    testsupport::TempDir dir;
    std::string many = "60000\n";
    for (int i = 0; i < 100000; ++i)
        many += std::to_string(i % 500) + "," + std::to_string(1 + i % 3) + "\n";
    dir.Write("many.txt", many);
    const LevelFile manyLevel = ReadLevelFile(dir.File("many.txt"));
    EXPECT_EQ(manyLevel.events.size(), 100000u);
    const std::string manyDigest = PlayBriefly(dir.File("many.txt"), 120);
    EXPECT_NE(manyDigest.find("robots="), std::string::npos);
    EXPECT_NE(manyDigest.find("robots=0/120 "), std::string::npos) << "one event a step, however many are due: " << manyDigest;

    dir.Write("odd.txt", "60000\n-500,3\n99999999999999,2\n100,3\n");
    const LevelFile odd = ReadLevelFile(dir.File("odd.txt"));
    ASSERT_EQ(odd.events.size(), 3u);
    EXPECT_EQ(odd.events[1].time, 2147483647) << "an enormous time reads as the largest one";
    EXPECT_NE(PlayBriefly(dir.File("odd.txt"), 60).find("robots=0/0"), std::string::npos)
        << "a negative time is never reached and holds back the events after it";

    dir.Write("long.txt", "60000\n" + std::string(1000000, '7') + "," + std::string(500000, ' ') + "3\n" +
                              std::string(2000000, ',') + "\n");
    const LevelFile longLines = ReadLevelFile(dir.File("long.txt"));
    EXPECT_EQ(longLines.length, 60000);
    ASSERT_EQ(longLines.events.size(), 1u);
    EXPECT_EQ(longLines.events[0].time, 2147483647);

    dir.Write("nolength.txt", "100,3\n200,2\n");
    const std::string noLength = PlayBriefly(dir.File("nolength.txt"), 3);
    EXPECT_NE(noLength.find("cleared=1"), std::string::npos) << "a level without a length is over at once: " << noLength;
}
