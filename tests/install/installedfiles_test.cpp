// `cmake --install` into a temporary prefix lays out the game as Debian lays out games, and the
// menu entry, the AppStream metadata and the manual pages pass the checkers a distribution runs.
#include "engine/render/texturecache.h"

#include "support/processrunner.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

struct InstalledFilesTest : ::testing::Test {
    testsupport::TempDir prefix;

    void SetUp() override
    {
        const testsupport::ProcessResult install = testsupport::RunProcess(
            testsupport::CurrentDirectory(), {"DESTDIR="}, "cmake --install . --prefix '" + prefix.Path() + "'", 120);
        ASSERT_EQ(install.exitStatus, 0) << install.output;
    }

    // A checker's exit status and everything it printed.
    testsupport::ProcessResult Check(const std::string& command) const
    {
        return testsupport::RunProcess(prefix.Path(), {"MANWIDTH=80"}, command, 60);
    }
};

} // namespace

TEST_F(InstalledFilesTest, EverythingLandsInTheGamesLayout)
{
    for (const char* file : {"games/tobrakka", "games/tobrakka-sim", "share/games/tobrakka/data/levels.xml",
                             "share/games/tobrakka/data/levels/level10.txt", "share/games/tobrakka/data/gfx/line.png",
                             "share/games/tobrakka/data/gfx/title_screen.jpg",
                             "share/games/tobrakka/data/sfx/tandrel_-_entering_evil_base.ogg",
                             "share/applications/tobrakka.desktop", "share/metainfo/tobrakka.metainfo.xml",
                             "share/man/man6/tobrakka.6.gz", "share/man/man6/tobrakka-sim.6.gz",
                             "share/doc/tobrakka/copyright", "share/doc/tobrakka/changelog.gz"})
        EXPECT_TRUE(std::filesystem::is_regular_file(prefix.File(file))) << file;

    for (int size : {48, 128, 256}) {
        const std::string px = std::to_string(size);
        int width = 0;
        int height = 0;
        std::vector<uint8_t> rgba;
        ASSERT_TRUE(DecodeImageFile(prefix.File("share/icons/hicolor/" + px + "x" + px + "/apps/tobrakka.png"), width,
                                    height, rgba));
        EXPECT_EQ(width, size);
        EXPECT_EQ(height, size);
    }

    // The menu starts the game by its installed path, which need not be on the PATH.
    EXPECT_NE(testsupport::ReadFile(prefix.File("share/applications/tobrakka.desktop"))
                  .find("\nExec=" + prefix.File("games/tobrakka") + "\n"),
              std::string::npos);
    // Nothing of the tests, benchmarks or tools beyond the two programs.
    for (const auto& entry : std::filesystem::directory_iterator(prefix.File("games")))
        EXPECT_TRUE(entry.path().filename() == "tobrakka" || entry.path().filename() == "tobrakka-sim") << entry.path();
}

TEST_F(InstalledFilesTest, TheMenuEntryMetadataAndManualPagesPassTheirCheckers)
{
    const testsupport::ProcessResult desktop = Check("desktop-file-validate share/applications/tobrakka.desktop");
    EXPECT_EQ(desktop.exitStatus, 0) << desktop.output;
    EXPECT_EQ(desktop.output, "");

    const testsupport::ProcessResult metainfo =
        Check("appstreamcli validate --no-net --pedantic share/metainfo/tobrakka.metainfo.xml");
    EXPECT_EQ(metainfo.exitStatus, 0) << metainfo.output;

    for (const char* page : {"tobrakka.6.gz", "tobrakka-sim.6.gz"}) {
        // Warnings go to standard error; the page itself is thrown away.
        const testsupport::ProcessResult warnings =
            Check(std::string("sh -c 'man --warnings -l share/man/man6/") + page + " 2>&1 >/dev/null'");
        EXPECT_EQ(warnings.exitStatus, 0) << page;
        EXPECT_EQ(warnings.output, "") << page;
        const testsupport::ProcessResult text = Check(std::string("man -l share/man/man6/") + page);
        EXPECT_NE(text.output.find("TOBRAKKA_DATA"), std::string::npos) << page;
    }
}
