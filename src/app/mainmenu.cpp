#include "app/mainmenu.h"

#include "app/inputsource.h"
#include "app/menuinput.h"
#include "audio/audiodevice.h"
#include "engine/renderdevice.h"
#include "engine/ticks.h"
#include "utils/datafiles.h"
#include "utils/levellist/clevellist.h"

#include <SDL_mixer.h>

#include <algorithm>

namespace {

using Kind = Menu::Event::Kind;

int LevelCount() { return std::max(0, kolm::CLevelList::Instance().Count() - 1); }

Progress PlayersProgress(int levelCount)
{
    return ProgressFile(ProgressFile::DefaultPath()).Load(levelCount > 0 ? levelCount : ProgressFile::kLastPosition);
}

// The level "Continue" starts: the one after the furthest cleared, or the last when all are.
int ContinueLevel(const Progress& progress, int levelCount) { return std::min(progress.cleared + 1, levelCount); }

Menu::Choice Line(const std::string& label)
{
    Menu::Choice choice;
    choice.label = label;
    return choice;
}

} // namespace

MainMenu::MainMenu(SettingsKeeper& settings, InputSource* tools, uint32_t& toolClock)
    : settings_(settings), tools_(tools), toolClock_(toolClock), levelCount_(LevelCount()),
      progress_(PlayersProgress(levelCount_))
{
    std::vector<Menu::Choice> lines;
    if (progress_.cleared > 0 && levelCount_ > 0) {
        lines.push_back(Line("Continue at level " + std::to_string(ContinueLevel(progress_, levelCount_))));
        actions_.push_back(Action::kContinue);
    }
    for (const auto& [label, action] : {std::pair<const char*, Action>{"New game", Action::kNewGame},
                                        {"Levels", Action::kLevels},
                                        {"Options", Action::kOptions},
                                        {"Quit", Action::kQuit}}) {
        lines.push_back(Line(label));
        actions_.push_back(action);
    }
    main_ = std::make_unique<Menu>("Tobrakka", lines);
    paper_.Init(35, 20);
    paper_.noGrid = true;
    SDL_ShowCursor(1);
}

MainMenu::Outcome MainMenu::Tick(uint32_t now)
{
    if (outcome_ == Outcome::kShowing && poll_.Due(now))
        Poll();
    return outcome_;
}

void MainMenu::Poll()
{
    // The track plays once per start; restarting it when it ends is what loops it.
    if (Mix_PlayingMusic() == 0)
        StartMusic(datafiles::kMusic);
    Show();
    if (tools_) {
        toolClock_ += PollCadence::kPeriodMs;
        tools_->ObserveScreen(toolClock_);
    }
    SDL_Event event;
    while (outcome_ == Outcome::kShowing && SDL_PollEvent(&event))
        Handle(event);
    if (!tools_)
        return;
    toolEvents_.clear();
    tools_->TakeDue(toolClock_, toolEvents_);
    for (const SDL_Event& toolEvent : toolEvents_) {
        if (outcome_ == Outcome::kShowing)
            Handle(toolEvent);
    }
}

void MainMenu::Show()
{
    still_.Show([this] {
        paper_.Draw();
        if (levels_)
            levels_->Draw();
        else if (options_)
            options_->Draw();
        else
            main_->Draw();
    });
}

void MainMenu::Handle(const SDL_Event& event)
{
    if (still_.TakeWindowEvent(event))
        return;
    if (event.type == SDL_QUIT) {
        outcome_ = Outcome::kQuit;
        return;
    }
    if (levels_)
        HandleLevels(event);
    else if (options_)
        HandleOptions(event);
    else
        HandleMain(event);
}

void MainMenu::HandleMain(const SDL_Event& event)
{
    const Menu::Event taken = HandleMenuInput(*main_, event);
    if (taken.kind != Kind::kNothing)
        still_.Changed();
    if (taken.kind == Kind::kTaken)
        Take(actions_.at(static_cast<std::size_t>(taken.choice)));
}

void MainMenu::Take(Action action)
{
    switch (action) {
    case Action::kContinue:
        Play(ContinueLevel(progress_, levelCount_) - 1);
        break;
    case Action::kNewGame:
        Play(kolm::CLevelList::Instance().JumpTo());
        break;
    case Action::kLevels:
        levels_ = std::make_unique<LevelsScreen>(progress_, levelCount_);
        break;
    case Action::kOptions:
        options_ = std::make_unique<OptionsScreen>(settings_);
        break;
    case Action::kQuit:
        outcome_ = Outcome::kQuit;
        break;
    }
}

void MainMenu::Play(int startAfter)
{
    startAfter_ = startAfter;
    outcome_ = Outcome::kPlay;
}

void MainMenu::HandleLevels(const SDL_Event& event)
{
    switch (levels_->Handle(event)) {
    case LevelsScreen::Outcome::kUnchanged:
        return;
    case LevelsScreen::Outcome::kShowing:
        break;
    case LevelsScreen::Outcome::kBack:
        levels_.reset();
        break;
    case LevelsScreen::Outcome::kStart:
        Play(levels_->Position() - 1);
        break;
    }
    still_.Changed();
}

void MainMenu::HandleOptions(const SDL_Event& event)
{
    const OptionsScreen::Outcome outcome = options_->Handle(event);
    if (outcome == OptionsScreen::Outcome::kUnchanged)
        return;
    if (outcome == OptionsScreen::Outcome::kBack)
        options_.reset();
    still_.Changed();
}
