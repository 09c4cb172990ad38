#include "utils/stringutils.h"

#include <gtest/gtest.h>

#include <climits>

using namespace kolm;

TEST(Trim, RemovesSpacesAndTabsButNotLineFeeds)
{
    EXPECT_EQ(Trim(" \t word\t  "), "word");
    EXPECT_EQ(Trim("  \t "), "");
    EXPECT_EQ(Trim("a b"), "a b");
    EXPECT_EQ(Trim(" x\n"), "x\n");
}

TEST(Split, DropsEmptyPieces)
{
    EXPECT_EQ(Split(",1000,,2,", ","), (std::vector<std::string>{"1000", "2"}));
    EXPECT_TRUE(Split("", ",").empty());
    EXPECT_TRUE(Split(",,,", ",").empty());
    EXPECT_EQ(Split("a**b*", "*"), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(Split("one", ","), (std::vector<std::string>{"one"}));
}

TEST(ReplaceAll, ReplacesLeftToRightUpToTheLimit)
{
    EXPECT_EQ(ReplaceAll("a\\b\\c", "\\", "/"), "a/b/c");
    EXPECT_EQ(ReplaceAll("xxxx", "x", "y", 2), "yyxx");
    EXPECT_EQ(ReplaceAll("&amp;lt;", "&amp;", "&"), "&lt;");
    EXPECT_EQ(ReplaceAll("&amp;amp;amp;", "&amp;", "&"), "&") << "the search goes on from the replacement";
    EXPECT_EQ(ReplaceAll("abbb", "ab", "a"), "a");
    EXPECT_EQ(ReplaceAll("abbb", "ab", "a", 2), "ab");
    EXPECT_EQ(ReplaceAll("xaaay", "aa", "b"), "xbay");
    EXPECT_EQ(ReplaceAll("abc", "", "z"), "abc");
    EXPECT_EQ(ReplaceAll("", "a", "b"), "");
    EXPECT_EQ(ReplaceAll("a\nb\n", "\n", "\r\n"), "a\r\nb\r\n") << "a replacement holding find must not loop";
}

TEST(ReplaceAll, ReplacesEveryOccurrenceInHugeInput)
{
    std::string many;
    for (int i = 0; i < 200000; ++i)
        many += "&lt;";
    EXPECT_EQ(ReplaceAll(many, "&lt;", "<"), std::string(200000, '<'));
}

TEST(LowerCase, HandlesAsciiAndLeavesOtherBytesIntact)
{
    EXPECT_EQ(LowerCase("Data/SFX/Big.WAV"), "data/sfx/big.wav");
    const std::string nonAscii = "\xC3\x84\xFF";
    EXPECT_EQ(LowerCase(nonAscii), nonAscii);
}

TEST(ToInt, ReadsLikeAStringStream)
{
    EXPECT_EQ(ToInt("1000"), 1000);
    EXPECT_EQ(ToInt("  42 "), 42);
    EXPECT_EQ(ToInt("\t-7abc"), -7);
    EXPECT_EQ(ToInt("+15"), 15);
    EXPECT_EQ(ToInt("abc"), 0);
    EXPECT_EQ(ToInt(""), 0);
    EXPECT_EQ(ToInt("99999999999999999999"), INT_MAX);
    EXPECT_EQ(ToInt("-99999999999"), INT_MIN);
}

TEST(ParseWholeNumber, TakesOnlyAWholeNumberWithinItsRange)
{
    int64_t value = 7;
    EXPECT_TRUE(kolm::ParseWholeNumber("9999", 1, 9999, value));
    EXPECT_EQ(value, 9999);
    EXPECT_TRUE(kolm::ParseWholeNumber("-12", -20, 0, value));
    EXPECT_EQ(value, -12);
    for (const char* bad : {"", "-", "+5", " 5", "5 ", "5x", "0x10", "10000", "0", "99999999999999999999"})
        EXPECT_FALSE(kolm::ParseWholeNumber(bad, 1, 9999, value)) << bad;
    EXPECT_EQ(value, -12) << "a refused text leaves the value alone";
}

TEST(ToBool, OneIsTrueZeroAndNonsenseAreFalse)
{
    EXPECT_TRUE(ToBool("1"));
    EXPECT_FALSE(ToBool("0"));
    EXPECT_FALSE(ToBool("yes"));
    EXPECT_FALSE(ToBool(""));
}

TEST(FindOutsideQuotes, SkipsCharactersInsideQuotePairs)
{
    EXPECT_EQ(FindOutsideQuotes(" ", "\"a b\" c"), 5u);
    EXPECT_EQ(FindOutsideQuotes(" \t", "abc"), std::string::npos);
    EXPECT_EQ(FindOutsideQuotes(" ", "a b c", 2), 3u);
    EXPECT_EQ(FindOutsideQuotes(" ", "\"unclosed b"), std::string::npos);
}
