// Installing packs from zip files on disk, as "-install" and the game's screens do: a good pack
// lands whole in packs/ID, and every zip that is no pack, or would climb out of its folder, burst
// in size or take another pack's place, is refused in one line that names the problem, with
// nothing written and nothing the player had lost.
#include "app/levels/packinstaller.h"

#include "app/levels/packarchive.h"
#include "packzips.h"

#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

namespace fs = std::filesystem;
using packzips::Zip;

namespace {

const std::string kLevel = "60000\n1000,3\n";

class PackInstallerTest : public testing::Test {
protected:
    PackInstallerTest()
    {
        places.installed = dir.File("data/tobrakka/packs");
        places.own = dir.File("own");
        dir.MakeDir("own");
        dir.MakeDir("own/notebook-2");
    }

    PackInstall Install(const std::string& zip)
    {
        dir.Write("pack.zip", zip);
        return InstallPack(dir.File("pack.zip"), places);
    }

    // Every file below the test's folder with its bytes.
    std::map<std::string, std::string> Files() const
    {
        std::map<std::string, std::string> files;
        for (const auto& entry : fs::recursive_directory_iterator(dir.Path()))
            files[fs::relative(entry.path(), dir.Path()).string()] = entry.is_regular_file() ? testsupport::ReadFile(entry.path().string()) : "/";
        return files;
    }

    // Installing the zip is refused with a line holding problem, and changes no file.
    void ExpectRefused(const std::string& zip, const std::string& problem)
    {
        dir.Write("pack.zip", zip);
        const auto before = Files();
        const PackInstall result = InstallPack(dir.File("pack.zip"), places);
        EXPECT_FALSE(result.installed);
        EXPECT_EQ(result.line.rfind("cannot install " + dir.File("pack.zip") + ": ", 0), 0u) << result.line;
        EXPECT_NE(result.line.find(problem), std::string::npos) << result.line;
        EXPECT_EQ(result.line.find('\n'), std::string::npos) << result.line;
        EXPECT_EQ(Files(), before) << problem;
    }

    testsupport::TempDir dir;
    PackPlaces places;
};

} // namespace

TEST_F(PackInstallerTest, AGoodPackLandsWholeInItsFolderAndNothingElseIsWritten)
{
    const PackContents pack = packzips::Pack("paper-cuts", "1.2", "Ann", {kLevel, "30000\n"});
    const PackInstall result = Install(ZipPack(pack));
    ASSERT_TRUE(result.installed) << result.line;
    EXPECT_EQ(result.line, "installed the pack \"The paper-cuts\" (paper-cuts, version 1.2, 2 levels) in " + places.installed +
                               "/paper-cuts");
    for (const PackFile& file : pack.files)
        EXPECT_EQ(testsupport::ReadFile(places.installed + "/paper-cuts/" + file.path), file.bytes) << file.path;
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(places.installed))
        names.push_back(entry.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string>{"paper-cuts"}) << "no temporary folder is left";
}

TEST_F(PackInstallerTest, AZipWithPackXmlAtItsTopInstallsAndEntriesNotListedAreLeftOut)
{
    const PackContents pack = packzips::Pack("flat", "1", "", {kLevel});
    const std::string zip = Zip({pack.files[0], pack.files[1], {"README.txt", "hello"}, {"extra/", ""}});
    ASSERT_TRUE(Install(zip).installed);
    EXPECT_TRUE(fs::exists(places.installed + "/flat/level-1.txt"));
    EXPECT_FALSE(fs::exists(places.installed + "/flat/README.txt"));
}

TEST_F(PackInstallerTest, AZipThatIsNoPackIsRefused)
{
    const PackContents pack = packzips::Pack("p", "1", "", {kLevel});
    ExpectRefused("just text", "it is not a zip file, or a broken one");
    ExpectRefused(Zip({{"level-1.txt", kLevel}}), "it holds no pack.xml: it is not a level pack");
    ExpectRefused(Zip({{"pack.xml", "<LevelList version=\"1\"><Level position=\"1\" filename=\"a.txt\"/></LevelList>"},
                       {"a.txt", kLevel}}),
                  "its pack.xml is no pack's list: it gives no pack id");
    ExpectRefused(Zip({{"pack.xml", "<LevelList id=\"My Pack\" version=\"1\"></LevelList>"}}), "its id \"My Pack\" is not an id");
    ExpectRefused(Zip({pack.files[0]}), "its pack.xml lists \"level-1.txt\", which it does not hold");
    ExpectRefused(Zip({{"a/pack.xml", pack.files[0].bytes}, {"b/pack.xml", pack.files[0].bytes}}), "it holds more than one pack.xml");
}

TEST_F(PackInstallerTest, NamesThatClimbOutOfTheFolderAreRefusedWhereverTheyAre)
{
    const PackContents pack = packzips::Pack("p", "1", "", {kLevel});
    const std::vector<PackFile> good = {pack.files[0], pack.files[1]};
    const auto with = [&](const std::string& name) {
        std::vector<PackFile> entries = good;
        entries.push_back({name, "x"});
        return Zip(entries);
    };
    ExpectRefused(with("../evil.txt"), "its entry \"../evil.txt\" climbs out of its folder");
    ExpectRefused(with("p/../../evil.txt"), "climbs out of its folder");
    ExpectRefused(packzips::Renamed(with("Xtmp/evil.txt"), "Xtmp/", "/tmp/"), "its entry \"/tmp/evil.txt\" is an absolute path");
    ExpectRefused(with("sub\\evil.txt"), "holds a backslash");
    ExpectRefused(packzips::MarkedAsLink(with("link.txt"), "link.txt"), "its entry \"link.txt\" is a link");
    ExpectRefused(packzips::MarkedAsLink(Zip(good), "level-1.txt"), "its entry \"level-1.txt\" is a link");
    ExpectRefused(Zip({pack.files[0], pack.files[1], pack.files[1]}), "it holds \"level-1.txt\" twice");
}

TEST_F(PackInstallerTest, ZipBombsAndFloodsAreRefusedBeforeAnythingIsUnpacked)
{
    const PackContents pack = packzips::Pack("p", "1", "", {kLevel});
    ExpectRefused(Zip({pack.files[0], {"level-1.txt", std::string(kLargestPack + 1, '\0')}}),
                  "its entry \"level-1.txt\" is larger than 10 MB");
    std::vector<PackFile> halves = {pack.files[0], pack.files[1]};
    for (int i = 0; i < 3; ++i)
        halves.push_back({"zeros-" + std::to_string(i), std::string(kLargestPack / 3, '\0')});
    ExpectRefused(Zip(halves), "it unpacks to more than 10 MB");
    std::vector<PackFile> many = {pack.files[0], pack.files[1]};
    for (std::size_t i = 0; i < kMostPackEntries; ++i)
        many.push_back({"e" + std::to_string(i), ""});
    ExpectRefused(Zip(many), "it holds more than 1000 entries");
    ExpectRefused(packzips::WithStatedSize(Zip({pack.files[0], pack.files[1]}), "level-1.txt", 4), "its entry \"level-1.txt\" is broken");
    dir.Write("huge.zip", "");
    fs::resize_file(dir.File("huge.zip"), kLargestPackZip + 1);
    EXPECT_EQ(InstallPack(dir.File("huge.zip"), places).line, "cannot install " + dir.File("huge.zip") + ": the file is larger than 16 MB");
}

TEST_F(PackInstallerTest, AnIdIsOnePacksAndOnlyANewerVersionOfItTakesItsPlace)
{
    ASSERT_TRUE(Install(ZipPack(packzips::Pack("cuts", "1.2", "Ann", {kLevel, kLevel}))).installed);
    ExpectRefused(ZipPack(packzips::Pack("cuts", "2", "Bob", {kLevel})), "another pack, \"The cuts\" by \"Ann\", is installed as cuts");
    ExpectRefused(ZipPack(packzips::Pack("cuts", "1.2.0", "Ann", {kLevel})), "version 1.2 of cuts is installed already (the zip holds version 1.2.0)");
    ExpectRefused(ZipPack(packzips::Pack("cuts", "1.1", "Ann", {kLevel})), "version 1.2 of cuts is installed already");
    ExpectRefused(ZipPack(packzips::Pack("notebook-2", "1", "Ann", {kLevel})), "its id notebook-2 is the id of one of the game's own notebooks");

    const PackInstall update = Install(ZipPack(packzips::Pack("cuts", "1.10", "Ann", {"10000\n"})));
    ASSERT_TRUE(update.installed) << update.line;
    EXPECT_EQ(update.line, "updated the pack \"The cuts\" (cuts) from version 1.2 to 1.10, 1 level, in " + places.installed + "/cuts");
    EXPECT_EQ(testsupport::ReadFile(places.installed + "/cuts/level-1.txt"), "10000\n");
    EXPECT_FALSE(fs::exists(places.installed + "/cuts/level-2.txt")) << "the old version went whole";
    EXPECT_EQ(std::distance(fs::directory_iterator(places.installed), fs::directory_iterator()), 1);
}

TEST_F(PackInstallerTest, AFolderInTheWayThatHoldsNoPackIsLeftAsItIs)
{
    dir.MakeDir("data");
    dir.MakeDir("data/tobrakka");
    dir.MakeDir("data/tobrakka/packs");
    dir.MakeDir("data/tobrakka/packs/cuts");
    dir.Write("data/tobrakka/packs/cuts/notes.txt", "mine");
    ExpectRefused(ZipPack(packzips::Pack("cuts", "1", "Ann", {kLevel})), "/cuts is in the way and holds no pack that reads");
}
