#include "app/pausemenu.h"


#include <vector>

namespace {

using Kind = Menu::Event::Kind;

std::vector<Menu::Choice> Lines()
{
    std::vector<Menu::Choice> lines;
    for (const char* label : {"Resume", "Restart loop", "Options", "Main menu", "Quit"}) {
        Menu::Choice line;
        line.label = label;
        lines.push_back(line);
    }
    return lines;
}

} // namespace

PauseMenu::PauseMenu(SettingsKeeper& settings, Platform* platform)
    : settings_(settings), platform_(platform), menu_("Paused", Lines())
{
}

PauseMenu::Outcome PauseMenu::Handle(const GameEvent& event)
{
    if (options_)
        return HandleOptions(event);
    const Menu::Event taken = menu_.HandleEvent(event);
    switch (taken.kind) {
    case Kind::kNothing:
        return Outcome::kUnchanged;
    case Kind::kBack:
        return Outcome::kResume;
    case Kind::kTaken:
        break;
    default:
        return Outcome::kShowing;
    }
    switch (taken.choice) {
    case kResume:
        return Outcome::kResume;
    case kRestartLoop:
        return Outcome::kRestartLoop;
    case kOptions:
        options_ = std::make_unique<OptionsScreen>(settings_, platform_);
        return Outcome::kShowing;
    case kMainMenu:
        return Outcome::kMainMenu;
    default:
        return Outcome::kQuit;
    }
}

PauseMenu::Outcome PauseMenu::HandleOptions(const GameEvent& event)
{
    switch (options_->Handle(event)) {
    case OptionsScreen::Outcome::kUnchanged:
        return Outcome::kUnchanged;
    case OptionsScreen::Outcome::kShowing:
        return Outcome::kShowing;
    case OptionsScreen::Outcome::kChanged:
        return Outcome::kSettingsChanged;
    case OptionsScreen::Outcome::kBack:
        break;
    }
    options_.reset();
    return Outcome::kShowing;
}

void PauseMenu::Draw()
{
    if (options_)
        options_->Draw();
    else
        menu_.Draw();
    hint_.Draw();
}

bool PauseMenu::ShowHint() { return hint_.Show(InputNames(platform_)); }
