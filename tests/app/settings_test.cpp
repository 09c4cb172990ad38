// The player's options: the settings file, the command line on top for one run, and the choices
// of the options menu kept for the next runs.
#include "app/profile/commandline.h"
#include "app/profile/settings.h"
#include "app/profile/settingsfile.h"
#include "app/profile/settingskeeper.h"

#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct SettingsFileTest : ::testing::Test {
    testsupport::TempDir dir;
    SettingsFile file{dir.File("config/tobrakka/settings")};

    // Loads the named file of the test's folder; what loading said on standard error in said.
    Settings Load(const std::string& name, std::string& said)
    {
        testing::internal::CaptureStderr();
        const Settings settings = SettingsFile(dir.File(name)).Load();
        said = testing::internal::GetCapturedStderr();
        return settings;
    }
};

Settings Customised()
{
    Settings settings;
    settings.musicVolume = 3;
    settings.effectsVolume = 0;
    settings.fullScreen = true;
    settings.windowSize = WindowSize::Fit();
    settings.paperMotion = false;
    settings.showFps = true;
    settings.pauseOnFocusLoss = false;
    settings.rumble = 2;
    settings.gameSpeed = 60;
    settings.softFlashes = true;
    settings.language = "pl";
    return settings;
}

int Lines(const std::string& text) { return static_cast<int>(std::count(text.begin(), text.end(), '\n')); }

} // namespace

TEST_F(SettingsFileTest, EveryOptionIsWrittenInItsOrderAndReadsBack)
{
    std::string said;
    EXPECT_EQ(Load("config/tobrakka/settings", said), Settings::Defaults()) << "no file: the defaults";
    EXPECT_EQ(said, "");
    EXPECT_TRUE(file.Save(Customised()));
    const std::string text = testsupport::ReadFile(file.Path());
    const std::string expected = "music_volume = 3\neffects_volume = 0\nfull_screen = on\n"
                                 "window_size = fit\npaper_motion = off\nshow_fps = on\n"
                                 "pause_on_focus_loss = off\nrumble = 2\ngame_speed = 60\nflashes = soft\n"
                                 "language = pl\n";
    EXPECT_EQ(text.substr(text.find('\n') + 1, expected.size()), expected);
    EXPECT_NE(text.find("\nbind_up = W, Up\n"), std::string::npos) << "then the controls: " << text;
    EXPECT_EQ(text[0], '#') << "a first line says what the file is";
    EXPECT_EQ(file.Load(), Customised());
    for (const WindowSize& size : WindowSize::Choices()) {
        Settings settings;
        settings.windowSize = size;
        file.Save(settings);
        EXPECT_EQ(file.Load().windowSize, size) << size.Name();
    }
}

TEST_F(SettingsFileTest, AHandWrittenFileReadsAsMeant)
{
    dir.Write("settings", "\xEF\xBB\xBF# mine\r\n"
                          "\r\n"
                          "  music_volume=4  \r\n"
                          "\teffects_volume =\t7\r\n"
                          "   # paper_motion = off\r\n"
                          "full_screen = ON\r\n"
                          "window_size = 1600X900\r\n"
                          "language = PT_br\r\n"
                          "music_volume = 5\r\n"); // the last line of a key counts
    std::string said;
    Settings expected;
    expected.musicVolume = 5;
    expected.effectsVolume = 7;
    expected.fullScreen = true;
    expected.windowSize = WindowSize::Fixed(1600, 900);
    expected.language = "pt_BR";
    EXPECT_EQ(Load("settings", said), expected);
    EXPECT_EQ(said, "");
}

TEST_F(SettingsFileTest, BadLinesAreNamedOnceWithFileAndLineAndTheRestIsKept)
{
    dir.Write("settings", "music_volume = 11\n"     // out of range
                          "effects_volume = loud\n" // the wrong form
                          "effects_volume = -1\n"
                          "show_fps on\n"           // no "="
                          "volume = 3\n"            // an unknown key
                          "window_size = 800x600\n" // not one of the sizes
                          "full_screen = yes\n"
                          "= on\n"
                          "paper_motion = off\n"
                          "pause_on_focus_loss = \x01\xff\n"
                          "language = klingon\n");
    std::string said;
    Settings expected;
    expected.paperMotion = false;
    EXPECT_EQ(Load("settings", said), expected) << "each bad line's key keeps its default";
    for (int line : {1, 2, 3, 4, 5, 6, 7, 8, 10, 11})
        EXPECT_NE(said.find("tobrakka: " + dir.File("settings") + ":" + std::to_string(line) + ": "), std::string::npos)
            << line << "\n" << said;
    EXPECT_EQ(Lines(said), 10) << said;
    EXPECT_NE(said.find("language takes auto, en, fr, de, es, pt_BR, pl, ja, not \"klingon\""), std::string::npos)
        << "an unknown language: named, and the system's spoken";
    EXPECT_NE(said.find("music_volume takes a whole number from 0 to 10, not \"11\"; line ignored"), std::string::npos);
    EXPECT_NE(said.find("unknown setting \"volume\""), std::string::npos);
    EXPECT_NE(said.find("window_size takes 1280x720, 1600x900, 1920x1080 or fit, not \"800x600\""), std::string::npos);
    EXPECT_NE(said.find("\"\\x01\\xFF\""), std::string::npos) << "unprintable bytes are shown as such";
    Load("settings", said);
    EXPECT_EQ(said, "") << "each is named once a run";
}

TEST_F(SettingsFileTest, AGameSpeedThatIsNotOfferedIsNamedAndTheNearestOfferedOnePlays)
{
    const std::pair<const char*, int> values[] = {{"0", 50}, {"5000", 100}, {"-20", 50}, {"fast", 100}, {"73", 70}, {"85", 90}};
    for (const auto& [value, speed] : values) {
        dir.Write("settings", std::string("game_speed = ") + value + "\n");
        std::string said;
        const Settings read = Load("settings", said);
        EXPECT_EQ(read.gameSpeed, speed) << value;
        EXPECT_NE(said.find(":1: game_speed takes 100, 90, 80, 70, 60 or 50 (per cent), not \"" + std::string(value) + "\""),
                  std::string::npos)
            << said;
    }
    dir.Write("settings", "flashes = bright\n");
    std::string said;
    EXPECT_FALSE(Load("settings", said).softFlashes);
    EXPECT_NE(said.find(":1: flashes takes full or soft, not \"bright\"; line ignored"), std::string::npos) << said;
}

TEST_F(SettingsFileTest, AFolderAPipeABinaryAHugeOrAnUnreadableFileGivesTheDefaults)
{
    dir.MakeDir("folder");
    ASSERT_EQ(mkfifo(dir.File("pipe").c_str(), 0600), 0);
    dir.Write("binary", std::string("music_volume = 2\n\0", 18));
    dir.Write("huge", "music_volume = 2\n" + std::string(65536, '#'));
    dir.Write("unreadable", "music_volume = 2\n");
    chmod(dir.File("unreadable").c_str(), 0);
    for (const char* name : {"folder", "pipe", "binary", "huge", "unreadable"}) {
        if (std::string(name) == "unreadable" && geteuid() == 0)
            continue; // root reads it all the same
        std::string said;
        EXPECT_EQ(Load(name, said), Settings::Defaults()) << name;
        EXPECT_NE(said.find("tobrakka: the settings file " + dir.File(name) + " "), std::string::npos) << said;
        EXPECT_NE(said.find("; using the default settings"), std::string::npos) << said;
        EXPECT_EQ(Lines(said), 1) << said;
    }
    dir.Write("limit", "music_volume = 2\n" + std::string(65536 - 17, '#'));
    std::string said;
    EXPECT_EQ(Load("limit", said).musicVolume, 2) << "64 KiB itself is read";
}

TEST_F(SettingsFileTest, AFolderThatCannotBeWrittenIsReportedOnceAndPlayGoesOn)
{
    dir.Write("config", ""); // a file where the config folder should be
    testing::internal::CaptureStderr();
    EXPECT_FALSE(file.Save(Customised()));
    EXPECT_FALSE(file.Save(Settings::Defaults()));
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("tobrakka: cannot save the settings to " + file.Path() + ": "), std::string::npos) << said;
    EXPECT_EQ(Lines(said), 1) << "once a run: " << said;

    SettingsFile folder(dir.File("folder")); // a folder in the file's place: named, then not written
    dir.MakeDir("folder");
    testing::internal::CaptureStderr();
    EXPECT_EQ(folder.Load(), Settings::Defaults());
    EXPECT_FALSE(folder.Save(Customised()));
    EXPECT_EQ(Lines(testing::internal::GetCapturedStderr()), 2);
}

TEST_F(SettingsFileTest, TheCommandLineOverridesOneRunAndAChoiceInTheMenuIsKept)
{
    Settings saved;
    saved.musicVolume = 4;
    file.Save(saved);
    const CommandLine commandLine = ParseCommandLine({"-full", "-r", "1000", "-no_grid", "-fps"});
    SettingsKeeper run(file, commandLine);
    Settings overridden = saved;
    overridden.fullScreen = true;
    overridden.windowSize = WindowSize::Fixed(1000, 562);
    overridden.paperMotion = false;
    overridden.showFps = true;
    EXPECT_EQ(run.InForce(), overridden);
    EXPECT_EQ(file.Load(), saved) << "the command line changes nothing in the file";

    Settings chosen = run.InForce(); // the options menu turns the music up and leaves full screen
    chosen.musicVolume = 7;
    chosen.showFps = false;
    EXPECT_TRUE(run.Choose(chosen));
    EXPECT_EQ(run.InForce(), chosen);
    Settings kept = saved;
    kept.musicVolume = 7;
    EXPECT_EQ(file.Load(), kept) << "only what the player changed is kept";
    EXPECT_EQ(run.Kept(), kept);

    EXPECT_EQ(SettingsKeeper(file, CommandLine()).InForce(), kept) << "in force at the next start";
    EXPECT_EQ(SettingsKeeper(file, ParseCommandLine({"-r", "wide"})).InForce(), kept) << "a -r that gives no window";

    EXPECT_TRUE(run.BackToDefaults());
    EXPECT_EQ(run.InForce(), Settings::Defaults());
    EXPECT_EQ(file.Load(), Settings::Defaults());
}

TEST_F(SettingsFileTest, ASaverKilledInTheMiddleOfItsSavesLeavesAWholeFile)
{
    // The game saves settings only from its options menu: a process of the test saves through
    // the same code, in a loop, and is killed while a save is under way.
    const std::string temporary = file.Path() + ".new";
    const auto waitFor = [&temporary](bool present) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while ((access(temporary.c_str(), F_OK) == 0) != present)
            if (std::chrono::steady_clock::now() > deadline)
                return false;
        return true;
    };
    int killedMidSave = 0;
    for (int round = 0; round < 8; ++round) {
        const pid_t saver = fork();
        if (saver == 0) {
            for (int save = 0; save < 1000000; ++save)
                file.Save(save % 2 ? Customised() : Settings::Defaults());
            _exit(0);
        }
        // A save under way: the temporary file appears, after one a killed save left has gone.
        bool underWay = true;
        for (int save = 0; save <= round; ++save)
            underWay = underWay && waitFor(false) && waitFor(true);
        kill(saver, SIGKILL);
        waitpid(saver, nullptr, 0);
        ASSERT_TRUE(underWay) << "the saver never saved";
        killedMidSave += access(temporary.c_str(), F_OK) == 0;
        std::string said;
        const Settings read = Load("config/tobrakka/settings", said);
        EXPECT_EQ(said, "") << round;
        EXPECT_TRUE(read == Customised() || read == Settings::Defaults()) << testsupport::ReadFile(file.Path());
    }
    EXPECT_GT(killedMidSave, 0) << "no kill came between the temporary file's making and its rename";
    std::printf("%d of 8 kills came in the middle of a save\n", killedMidSave);
}

TEST(SettingsPath, TheConfigDirectoryComesFromAnAbsoluteXdgConfigHomeOrHome)
{
    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const std::string previous = config ? config : "";
    setenv("XDG_CONFIG_HOME", "/c", 1);
    setenv("HOME", "/h", 1);
    EXPECT_EQ(SettingsFile::DefaultPath(), "/c/tobrakka/settings");
    setenv("XDG_CONFIG_HOME", "c", 1);
    EXPECT_EQ(SettingsFile::DefaultPath(), "/h/.config/tobrakka/settings");
    unsetenv("XDG_CONFIG_HOME");
    unsetenv("HOME");
    EXPECT_EQ(SettingsFile::DefaultPath(), "") << "nothing is read or written";
    EXPECT_EQ(SettingsFile("").Load(), Settings::Defaults());
    EXPECT_TRUE(SettingsFile("").Save(Settings::Defaults()));
    config ? setenv("XDG_CONFIG_HOME", previous.c_str(), 1) : unsetenv("XDG_CONFIG_HOME");
    setenv("HOME", home.c_str(), 1);
}

TEST(Settings, VolumeLevelsGiveTheGamesOwnMixerVolumesAtTen)
{
    EXPECT_EQ(MusicMixerVolume(10), 83);
    EXPECT_EQ(EffectsMixerVolume(10), 128);
    EXPECT_EQ(MusicMixerVolume(0), 0);
    EXPECT_EQ(MusicMixerVolume(5), 42); // 41.5 rounds up
    EXPECT_EQ(MusicMixerVolume(1), 8);
    EXPECT_EQ(EffectsMixerVolume(3), 38);
    EXPECT_EQ(EffectsMixerVolume(11), 128);
    EXPECT_EQ(EffectsMixerVolume(-1), 0);
}

TEST(Settings, AFitWindowIsTheLargestSixteenByNineThatTheDesktopHolds)
{
    EXPECT_EQ(WindowSize::Fit().OnDesktop(1920, 1080), WindowSize::Fixed(1920, 1080));
    EXPECT_EQ(WindowSize::Fit().OnDesktop(1366, 768), WindowSize::Fixed(1360, 765));
    EXPECT_EQ(WindowSize::Fit().OnDesktop(1280, 1024), WindowSize::Fixed(1280, 720));
    EXPECT_EQ(WindowSize::Fit().OnDesktop(0, 0), WindowSize::Fixed(1280, 720)) << "a desktop of unknown size";
    EXPECT_EQ(WindowSize::Fixed(1600, 900).OnDesktop(1280, 720), WindowSize::Fixed(1600, 900));
}
