#include "harness/tooloptions.h"

#include <gtest/gtest.h>

TEST(ToolOptions, ReadsTheToolsOptionsBesideThePlayersOnes)
{
    ToolOptions options;
    std::string error;
    ASSERT_TRUE(ParseToolOptions({"-r", "1920", "-seed", "42", "-script", "a.txt", "-digest", "-demo", "30", "-shots",
                                  "out", "-record", "r.txt", "-fps"},
                                 options, error))
        << error;
    EXPECT_TRUE(options.seeded);
    EXPECT_EQ(options.seed, 42u);
    EXPECT_EQ(options.script, "a.txt");
    EXPECT_TRUE(options.digest);
    EXPECT_EQ(options.demoSeconds, 30u);
    EXPECT_EQ(options.shotsFolder, "out");
    EXPECT_EQ(options.record, "r.txt");

    ToolOptions none;
    ASSERT_TRUE(ParseToolOptions({"-full", "whatever"}, none, error));
    EXPECT_FALSE(none.seeded);
    EXPECT_TRUE(none.script.empty());
}

TEST(ToolOptions, RejectsMissingAndBadValues)
{
    for (const std::vector<std::string>& bad : std::vector<std::vector<std::string>>{
             {"-seed"}, {"-seed", "abc"}, {"-seed", "-3"}, {"-seed", "99999999999"}, {"-demo", "0"}, {"-demo", "x"},
             {"-script"}}) {
        ToolOptions options;
        std::string error;
        EXPECT_FALSE(ParseToolOptions(bad, options, error)) << bad[0];
        EXPECT_FALSE(error.empty());
    }
}
