// assetgen is deterministic: two runs into two fresh directories write the same bytes.
#include "assets/assetfiles.h"
#include "support/processrunner.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

namespace {

// Every file below the directory, by its path relative to it.
std::map<std::string, std::string> ReadTree(const std::string& root)
{
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        if (!entry.is_regular_file())
            continue;
        std::ifstream file(entry.path(), std::ios::binary);
        files[std::filesystem::relative(entry.path(), root).string()] =
            std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }
    return files;
}

// assetgen into the directory, with the catalogues it reads there as the build compiles them.
testsupport::ProcessResult RunAssetgen(const std::string& outdir)
{
    std::filesystem::create_directories(outdir + "/data");
    std::filesystem::copy("data/lang", outdir + "/data/lang", std::filesystem::copy_options::recursive);
    return testsupport::RunProcess(testsupport::CurrentDirectory(), {}, "tools/assetgen/assetgen '" + outdir + "'", 300);
}

} // namespace

TEST(Assetgen, TwoRunsWriteIdenticalFiles)
{
    testsupport::TempDir first, second;
    const testsupport::ProcessResult a = RunAssetgen(first.Path());
    ASSERT_EQ(a.exitStatus, 0) << a.output;
    const testsupport::ProcessResult b = RunAssetgen(second.Path());
    ASSERT_EQ(b.exitStatus, 0) << b.output;

    const auto one = ReadTree(first.Path());
    const auto two = ReadTree(second.Path());
    ASSERT_EQ(one.size(), two.size());
    for (const auto& file : one) {
        const auto other = two.find(file.first);
        ASSERT_NE(other, two.end()) << file.first;
        EXPECT_TRUE(file.second == other->second) << file.first << " differs between runs";
    }
    // It writes every file the game loads, and the contact sheet.
    for (const std::string& name : assettest::AllPictures())
        EXPECT_EQ(one.count(name), 1u) << name;
    for (const std::string& name : assettest::AllSounds())
        EXPECT_EQ(one.count(name), 1u) << name;
    EXPECT_EQ(one.count("contact_sheet.png"), 1u);
}

TEST(Assetgen, RefusesAMissingOutputDirectoryArgument)
{
    const testsupport::ProcessResult result =
        testsupport::RunProcess(testsupport::CurrentDirectory(), {}, "tools/assetgen/assetgen", 30);
    EXPECT_NE(result.exitStatus, 0);
    EXPECT_NE(result.output.find("usage"), std::string::npos);
}
