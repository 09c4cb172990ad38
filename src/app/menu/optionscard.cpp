#include "app/menu/optionscard.h"

#include "app/profile/applysettings.h"
#include "app/profile/settingskeeper.h"
#include "app/text/translate.h"
#include "audio/soundbank.h"
#include "engine/platform/platform.h"
#include "utils/datafiles.h"

namespace {

constexpr uint32_t kRumbleSampleMs = 200;
// The settings file's problems under the card: at most this many lines, this wide.
constexpr std::size_t kProblemLines = 2;
constexpr float kProblemWidth = kVirtualWidth - 16.0f;
constexpr float kFirstProblemBaseline = kVirtualHeight - 88.0f; // between the card and the hint
constexpr float kProblemStep = 27.0f;

Menu::Choice Slider(const std::string& label, int value)
{
    Menu::Choice choice;
    choice.label = label;
    choice.kind = Menu::ValueKind::kSlider;
    choice.value = value;
    return choice;
}

Menu::Choice Switch(const std::string& label, bool on)
{
    Menu::Choice choice;
    choice.label = label;
    choice.kind = Menu::ValueKind::kSwitch;
    choice.value = on ? 1 : 0;
    return choice;
}

Menu::Choice Plain(const std::string& label)
{
    Menu::Choice choice;
    choice.label = label;
    return choice;
}

// The sizes offered, and a size that "-r" asked for this run as one more.
std::vector<WindowSize> SizesOffered(const WindowSize& inForce)
{
    std::vector<WindowSize> sizes(WindowSize::Choices().begin(), WindowSize::Choices().end());
    bool offered = false;
    for (const WindowSize& size : sizes)
        offered = offered || size == inForce;
    if (!offered)
        sizes.push_back(inForce);
    return sizes;
}

Menu::Choice List(const std::string& label, const std::vector<std::string>& items, int value)
{
    Menu::Choice choice;
    choice.label = label;
    choice.kind = Menu::ValueKind::kList;
    choice.items = items;
    choice.value = value;
    return choice;
}

// The speeds as the card offers them: a scale from the slowest to full speed, so that right is
// faster and left slower.
int SpeedAt(std::size_t index) { return GameSpeed::kOffered[GameSpeed::kOffered.size() - 1 - index]; }

Menu::Choice GameSpeedChoice(int speed)
{
    std::vector<std::string> items;
    int value = 0;
    for (std::size_t i = 0; i < GameSpeed::kOffered.size(); ++i) {
        items.push_back(std::to_string(SpeedAt(i)) + "%");
        if (SpeedAt(i) == speed)
            value = static_cast<int>(i);
    }
    Menu::Choice choice = List(Tr("option line", "Game speed"), items, value);
    choice.scale = true;
    return choice;
}

Menu::Choice WindowSizeChoice(const WindowSize& inForce)
{
    std::vector<std::string> items;
    int value = 0;
    const std::vector<WindowSize> sizes = SizesOffered(inForce);
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        items.push_back(sizes[i].fitsDesktop ? Tr("menu value", "fit") : sizes[i].Name());
        if (sizes[i] == inForce)
            value = static_cast<int>(i);
    }
    return List(Tr("option line", "Window"), items, value);
}

// "Auto", then every language by its own name.
Menu::Choice LanguageChoice(const std::string& language)
{
    std::vector<std::string> items{Tr("menu value", "Auto")};
    int value = 0;
    for (const translation::Language& known : translation::kLanguages) {
        if (language == known.code)
            value = static_cast<int>(items.size());
        items.push_back(known.ownName);
    }
    return List(Tr("option line", "Language"), items, value);
}

// The setting of the language at the list's index.
std::string LanguageAt(std::size_t index)
{
    return index == 0 ? Settings::kAutomatic : translation::kLanguages[index - 1].code;
}

std::vector<Menu::Choice> ChoicesFor(const Settings& settings)
{
    return {Slider(Tr("option line", "Music"), settings.musicVolume),
            Slider(Tr("option line", "Effects"), settings.effectsVolume),
            Switch(Tr("option line", "Full screen"), settings.fullScreen),
            WindowSizeChoice(settings.windowSize),
            Switch(Tr("option line", "Paper motion"), settings.paperMotion),
            Switch(Tr("option line", "Show fps"), settings.showFps),
            Switch(Tr("option line", "Pause on focus loss"), settings.pauseOnFocusLoss),
            Slider(Tr("option line", "Rumble"), settings.rumble),
            GameSpeedChoice(settings.gameSpeed),
            List(Tr("option line", "Flashes"), {Tr("menu value", "full"), Tr("menu value", "soft")},
                 settings.softFlashes ? 1 : 0),
            LanguageChoice(settings.language),
            Plain(Tr("menu line", "Controls")),
            Plain(Tr("menu line", "Back to defaults")),
            Plain(Tr("menu line", "Back"))};
}

// The settings in force, with full screen as the window is now: F11 and Alt+Enter switch the
// window without a word to the settings, and the options must show, and switch from, what the
// player sees.
Settings AsTheWindowIs(Settings settings, const Platform* platform)
{
    if (platform)
        settings.fullScreen = platform->IsFullScreen();
    return settings;
}

// What the card says of the settings file's problems, a line each.
std::vector<std::string> ProblemLines(const std::vector<std::string>& problems)
{
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < problems.size() && lines.size() < kProblemLines; ++i) {
        const std::size_t more = problems.size() - i;
        if (lines.size() + 1 == kProblemLines && more > 1)
            lines.push_back(Fill(TrN("card note", "and %d more problem with the settings file",
                                     "and %d more problems with the settings file", more),
                                 {std::to_string(more)}));
        else
            lines.push_back(Lettering::CutToWidth(problems[i], kProblemWidth, datafiles::GlyphSize::kSmall));
    }
    return lines;
}

} // namespace

OptionsCard::OptionsCard(SettingsKeeper& settings, Platform* platform)
    : MenuCard(Tr("menu title", "Options"), ChoicesFor(AsTheWindowIs(settings.InForce(), platform)), &settings.InForce().controls),
      settings_(settings),
      platform_(platform)
{
    SayFileProblems(settings.TakeFileProblems());
}

void OptionsCard::SayFileProblems(const std::vector<std::string>& problems)
{
    fileProblemLines_ = ProblemLines(problems);
    Lettering lettering(said_);
    float baseline = kFirstProblemBaseline;
    for (const std::string& line : fileProblemLines_) {
        lettering.Write(line, vector2(kVirtualWidth * 0.5f, baseline), datafiles::GlyphSize::kSmall, TextAlign::kCentre);
        baseline += kProblemStep;
    }
}

MenuCard::Heard OptionsCard::Hear(const GameEvent& event)
{
    // F11 or Alt+Enter switched the window: the line shows it (the settings followed already).
    if (event.type == GameEvent::Type::kFullScreen) {
        ShowSettings();
        return Heard::kShown;
    }
    if (!controls_)
        return MenuCard::Hear(event);
    const Heard heard = controls_->Hear(event);
    if (controls_->WhatNext().to == Change::To::kBack)
        controls_.reset();
    return heard == Heard::kNothing && !controls_ ? Heard::kShown : heard;
}

void OptionsCard::Draw()
{
    if (controls_) {
        controls_->Draw();
        return;
    }
    MenuCard::Draw();
    said_.Draw();
}

MenuCard::Heard OptionsCard::Take(int line)
{
    if (line == kControls) {
        controls_ = std::make_unique<ControlsCard>(settings_, platform_);
        return Heard::kShown;
    }
    if (line == kDefaults) {
        // The controls have their own "Back to defaults"; the language stays the player's.
        Settings defaults = Settings::Defaults();
        defaults.controls = settings_.InForce().controls;
        defaults.language = settings_.InForce().language;
        const Heard heard = Choose(defaults, true);
        ShowSettings();
        return heard;
    }
    return line == kBack ? Back() : Heard::kShown;
}

MenuCard::Heard OptionsCard::ChangeValue(int line, int value)
{
    Settings chosen = settings_.InForce();
    switch (line) {
    case kMusic:
        chosen.musicVolume = value;
        break;
    case kEffects:
        chosen.effectsVolume = value;
        break;
    case kFullScreen:
        chosen.fullScreen = value != 0;
        break;
    case kWindowSize:
        chosen.windowSize = SizesOffered(chosen.windowSize).at(static_cast<std::size_t>(value));
        break;
    case kPaperMotion:
        chosen.paperMotion = value != 0;
        break;
    case kShowFps:
        chosen.showFps = value != 0;
        break;
    case kFocusPause:
        chosen.pauseOnFocusLoss = value != 0;
        break;
    case kRumble:
        chosen.rumble = value;
        break;
    case kGameSpeed:
        chosen.gameSpeed = SpeedAt(static_cast<std::size_t>(value));
        break;
    case kFlashes:
        chosen.softFlashes = value != 0;
        break;
    case kLanguage:
        chosen.language = LanguageAt(static_cast<std::size_t>(value));
        break;
    default:
        return Heard::kShown;
    }
    const Heard heard = Choose(chosen, line == kFullScreen || line == kWindowSize);
    // The menu's own sound played at the volume before the change: this one is at the new one.
    if (line == kEffects)
        PlaySound(datafiles::kBigBadShotSound);
    // And the pad shakes as hard as it now will.
    if (line == kRumble && platform_)
        platform_->Rumble(RumbleStrength(value), kRumbleSampleMs);
    return heard;
}

MenuCard::Heard OptionsCard::Choose(const Settings& chosen, bool windowChosen)
{
    const Settings before = settings_.InForce();
    const bool kept = settings_.Choose(chosen);
    const Settings& now = settings_.InForce();
    ApplyVolumes(now);
    if (platform_ && windowChosen && (now.fullScreen != platform_->IsFullScreen() || now.windowSize != before.windowSize))
        ApplyWindow(*platform_, now);
    if (now.language != before.language) {
        ApplyLanguage(platform_, now);
        menu_.SetTitle(Tr("menu title", "Options"));
        menu_.SetChoices(ChoicesFor(AsTheWindowIs(now, platform_)));
    }
    Menu::Choice back = menu_.ChoiceAt(kBack);
    back.note = kept ? "" : Tr("menu note", "settings not saved");
    menu_.SetChoice(kBack, back);
    return Heard::kSettingsChanged;
}

// Every line's value as in force now (after "Back to defaults", or a switch that could not be
// made).
void OptionsCard::ShowSettings()
{
    const std::vector<Menu::Choice> choices = ChoicesFor(AsTheWindowIs(settings_.InForce(), platform_));
    for (int line = kMusic; line < kDefaults; ++line)
        menu_.SetChoice(line, choices[static_cast<std::size_t>(line)]);
}
