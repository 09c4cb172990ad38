#include "utils/directorylisting.h"

#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <algorithm>

using kolm::DirectoryListing;
using kolm::WildcardMatch;

TEST(WildcardMatch, PiecesAndAnchors)
{
    EXPECT_TRUE(WildcardMatch("big_bad_shot.wav", "*.wav"));
    EXPECT_FALSE(WildcardMatch("big_bad_shot.ogg", "*.wav"));
    EXPECT_FALSE(WildcardMatch("BIG.WAV", "*.wav")) << "case-sensitive";
    EXPECT_TRUE(WildcardMatch("anything", "*"));
    EXPECT_TRUE(WildcardMatch("", "**"));
    EXPECT_TRUE(WildcardMatch("anything", "")) << "an empty mask has no pieces, so every name matches";
    EXPECT_TRUE(WildcardMatch("", ""));
    EXPECT_TRUE(WildcardMatch("a.b", "*.*"));
    EXPECT_FALSE(WildcardMatch("noext", "*.*"));
    EXPECT_TRUE(WildcardMatch("level1.txt", "level*.txt"));
    EXPECT_FALSE(WildcardMatch("xlevel1.txt", "level*.txt")) << "no leading * anchors at the start";
    EXPECT_TRUE(WildcardMatch("exact", "exact"));
    EXPECT_FALSE(WildcardMatch("exactly", "exact"));
}

TEST(WildcardMatch, LastPieceIsTestedAtItsFirstOccurrence)
{
    EXPECT_FALSE(WildcardMatch("a.wav.wav", "*.wav"));
    EXPECT_TRUE(WildcardMatch("a.wav.wav", "*.wav*"));
}

TEST(DirectoryListing, ListsMatchingSubdirectoriesFirstThenFiles)
{
    testsupport::TempDir dir;
    dir.MakeDir("sfx");
    dir.Write("sfx/big_bad_shot.wav", "x");
    dir.Write("sfx/small_explosion.wav", "x");
    dir.Write("sfx/music.ogg", "x");
    dir.Write("sfx/LOUD.WAV", "x");
    dir.MakeDir("sfx/folder.wav");
    dir.MakeDir("sfx/plain");

    DirectoryListing listing;
    listing.Read(dir.Path() + "/sfx/*.wav");
    std::vector<std::string> files;
    while (!listing.AtEnd())
        files.push_back(listing.Next());
    EXPECT_EQ(listing.Next(), "");
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (std::vector<std::string>{"big_bad_shot.wav", "small_explosion.wav"}))
        << "a directory's name gets a '.' appended before matching, so folder.wav is not listed";

    listing.Read(dir.Path() + "\\sfx\\");
    std::vector<std::string> all = listing.Names();
    ASSERT_EQ(all.size(), 6u) << "with no mask, every sub-directory and every file with a dot";
    std::sort(all.begin(), all.begin() + 2);
    EXPECT_EQ(all[0], "folder.wav");
    EXPECT_EQ(all[1], "plain") << "sub-directories come first";
}

TEST(DirectoryListing, MissingDirectoryGivesAnEmptyList)
{
    DirectoryListing listing;
    listing.Read("/nonexistent-tobrakka-dir/*.wav");
    EXPECT_TRUE(listing.AtEnd());
    EXPECT_EQ(listing.Next(), "");
}
