#include "app/profile/settingsfile.h"

#include "app/control/controlsfile.h"
#include "utils/log.h"
#include "utils/linereader.h"
#include "utils/stringutils.h"
#include "utils/translation/languages.h"

#include <algorithm>
#include <cstdint>
#include <sstream>

namespace {

const char* const kMusicVolume = "music_volume";
const char* const kEffectsVolume = "effects_volume";
const char* const kFullScreen = "full_screen";
const char* const kWindowSize = "window_size";
const char* const kPaperMotion = "paper_motion";
const char* const kShowFps = "show_fps";
const char* const kPauseOnFocusLoss = "pause_on_focus_loss";
const char* const kRumble = "rumble";
const char* const kGameSpeed = "game_speed";
const char* const kFlashes = "flashes";
const char* const kLanguage = "language";

// What is wrong with a value that leaves its setting alone.
std::string Ignored(const std::string& problem) { return problem + "; line ignored"; }

// Each reader sets its setting from the value and answers empty text, or answers what is wrong
// with the value and what it did about it.
std::string ReadLevel(const std::string& key, const std::string& value, int& volume)
{
    int64_t level = 0;
    if (!kolm::ParseWholeNumber(value, 0, Settings::kMaxVolume, level))
        return Ignored(key + " takes a whole number from 0 to " + std::to_string(Settings::kMaxVolume) + ", not " +
                       kolm::QuotedFromFile(value));
    volume = static_cast<int>(level);
    return std::string();
}

// One of two words ("on" or "off"): chosen says whether it was the first.
std::string ReadEither(const std::string& key, const std::string& value, const char* first, const char* second,
                       bool& chosen)
{
    const std::string word = kolm::LowerCase(value);
    if (word != first && word != second)
        return Ignored(key + " takes " + first + " or " + second + ", not " + kolm::QuotedFromFile(value));
    chosen = word == first;
    return std::string();
}

std::string ReadSwitch(const std::string& key, const std::string& value, bool& on)
{
    return ReadEither(key, value, "on", "off", on);
}

std::string ReadWindowSize(const std::string& key, const std::string& value, WindowSize& size)
{
    std::string names;
    for (const WindowSize& choice : WindowSize::Choices()) {
        if (kolm::LowerCase(value) == choice.Name()) {
            size = choice;
            return std::string();
        }
        names += (names.empty() ? "" : choice.fitsDesktop ? " or " : ", ") + choice.Name();
    }
    return Ignored(key + " takes " + names + ", not " + kolm::QuotedFromFile(value));
}

// A speed between or beyond the offered ones plays at the nearest offered one.
std::string ReadGameSpeed(const std::string& key, const std::string& value, int& speed)
{
    const std::string offered = " takes 100, 90, 80, 70, 60 or 50 (per cent), not " + kolm::QuotedFromFile(value);
    int64_t percent = 0;
    if (!kolm::ParseWholeNumber(value, INT32_MIN, INT32_MAX, percent))
        return Ignored(key + offered);
    speed = GameSpeed::Nearest(percent);
    return speed == percent ? std::string() : key + offered + "; " + std::to_string(speed) + " is used";
}

std::string ReadFlashes(const std::string& key, const std::string& value, bool& soft)
{
    bool full = !soft;
    const std::string said = ReadEither(key, value, "full", "soft", full);
    soft = !full;
    return said;
}

// "auto", or the code of a language the game speaks (in any case: "pt_br" is "pt_BR").
std::string ReadLanguage(const std::string& key, const std::string& value, std::string& language)
{
    std::string codes = Settings::kAutomatic;
    for (const translation::Language& known : translation::kLanguages) {
        codes += std::string(", ") + known.code;
        if (kolm::LowerCase(value) == kolm::LowerCase(known.code)) {
            language = known.code;
            return std::string();
        }
    }
    if (kolm::LowerCase(value) == Settings::kAutomatic) {
        language = Settings::kAutomatic;
        return std::string();
    }
    return Ignored(key + " takes " + codes + ", not " + kolm::QuotedFromFile(value));
}

std::string ReadSetting(const std::string& key, const std::string& value, Settings& settings)
{
    if (key == kMusicVolume)
        return ReadLevel(key, value, settings.musicVolume);
    if (key == kEffectsVolume)
        return ReadLevel(key, value, settings.effectsVolume);
    if (key == kFullScreen)
        return ReadSwitch(key, value, settings.fullScreen);
    if (key == kWindowSize)
        return ReadWindowSize(key, value, settings.windowSize);
    if (key == kPaperMotion)
        return ReadSwitch(key, value, settings.paperMotion);
    if (key == kShowFps)
        return ReadSwitch(key, value, settings.showFps);
    if (key == kPauseOnFocusLoss)
        return ReadSwitch(key, value, settings.pauseOnFocusLoss);
    if (key == kRumble)
        return ReadLevel(key, value, settings.rumble);
    if (key == kGameSpeed)
        return ReadGameSpeed(key, value, settings.gameSpeed);
    if (key == kFlashes)
        return ReadFlashes(key, value, settings.softFlashes);
    if (key == kLanguage)
        return ReadLanguage(key, value, settings.language);
    return Ignored("unknown setting " + kolm::QuotedFromFile(key));
}

std::string Line(const char* key, const std::string& value) { return std::string(key) + " = " + value + "\n"; }

std::string Switch(bool on) { return on ? "on" : "off"; }

} // namespace

Settings ParseSettings(const std::string& text, std::vector<kolm::FileProblem>& problems)
{
    Settings settings;
    ControlsReader controls;
    std::istringstream stream(text);
    kolm::LineReader lines(stream);
    std::string line;
    for (int number = 1; lines.Next(line); ++number) {
        const std::string trimmed = kolm::Trim(line);
        if (trimmed.empty() || trimmed[0] == '#')
            continue;
        const std::size_t equals = trimmed.find('=');
        if (equals == std::string::npos) {
            problems.push_back({number, kolm::QuotedFromFile(trimmed) + " has no \"=\" (a setting is written key = value); line ignored"});
            continue;
        }
        const std::string key = kolm::Trim(trimmed.substr(0, equals));
        const std::string value = kolm::Trim(trimmed.substr(equals + 1));
        if (controls.Read(number, key, value, problems))
            continue;
        const std::string problem = ReadSetting(key, value, settings);
        if (!problem.empty())
            problems.push_back({number, problem});
    }
    settings.controls = controls.Settle(problems);
    std::stable_sort(problems.begin(), problems.end(), [](const kolm::FileProblem& a, const kolm::FileProblem& b) { return a.line < b.line; });
    return settings;
}

std::string FormatSettings(const Settings& settings)
{
    return "# Tobrakka settings, written by the game (key = value; see man 6 tobrakka)\n" +
           Line(kMusicVolume, std::to_string(settings.musicVolume)) +
           Line(kEffectsVolume, std::to_string(settings.effectsVolume)) +
           Line(kFullScreen, Switch(settings.fullScreen)) + Line(kWindowSize, settings.windowSize.Name()) +
           Line(kPaperMotion, Switch(settings.paperMotion)) + Line(kShowFps, Switch(settings.showFps)) +
           Line(kPauseOnFocusLoss, Switch(settings.pauseOnFocusLoss)) + Line(kRumble, std::to_string(settings.rumble)) +
           Line(kGameSpeed, std::to_string(settings.gameSpeed)) + Line(kFlashes, settings.softFlashes ? "soft" : "full") + Line(kLanguage, settings.language) +
           FormatControls(settings.controls);
}

std::string SettingsFile::DefaultPath()
{
    return kolm::PlayerFilePath("XDG_CONFIG_HOME", ".config", "settings");
}

Settings SettingsFile::Load() const
{
    std::vector<std::string> problems;
    return Load(problems);
}

Settings SettingsFile::Load(std::vector<std::string>& said) const
{
    const kolm::PlayerFileText file = kolm::ReadPlayerFile(path_);
    if (file.state == kolm::PlayerFileText::State::kUnusable) {
        const std::string message = "the settings file " + path_ + " " + file.problem + "; using the default settings";
        kolm::WarnOnce(message, message);
        said.push_back("the settings file " + file.problem + ": the default settings are used");
    }
    if (file.state != kolm::PlayerFileText::State::kRead)
        return Settings::Defaults();
    std::vector<kolm::FileProblem> problems;
    const Settings settings = ParseSettings(file.text, problems);
    kolm::ReportFileProblems(path_, problems);
    for (const kolm::FileProblem& problem : problems) // what is wrong, without what was done about it
        said.push_back("settings line " + std::to_string(problem.line) + ": " + problem.what.substr(0, problem.what.find("; ")));
    return settings;
}

bool SettingsFile::Save(const Settings& settings) const
{
    return Write([&settings](const kolm::PlayerFileText&) { return settings; }, nullptr);
}

bool SettingsFile::Change(const Settings& was, const Settings& now, Settings& kept) const
{
    return Write(
        [&was, &now](const kolm::PlayerFileText& present) {
            std::vector<kolm::FileProblem> ignored; // said when the file was read
            const Settings onDisk = present.state == kolm::PlayerFileText::State::kRead
                                        ? ParseSettings(present.text, ignored)
                                        : Settings::Defaults();
            return WithChanges(onDisk, was, now);
        },
        &kept);
}

bool SettingsFile::Write(const std::function<Settings(const kolm::PlayerFileText&)>& settingsFor, Settings* written) const
{
    if (path_.empty())
        return true; // no file: what the game knows is all there is
    std::string error;
    Settings settings;
    const bool saved = kolm::SavePlayerFile(
        path_,
        [&](const kolm::PlayerFileText& present) {
            settings = settingsFor(present);
            return FormatSettings(settings);
        },
        error);
    if (!saved)
        kolm::WarnOnce("saving " + path_, "cannot save the settings to " + path_ + ": " + error + "; play goes on");
    else if (written)
        *written = settings;
    return saved;
}
