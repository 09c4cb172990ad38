#include "app/menu/pausecard.h"
#include "app/profile/settingskeeper.h"

#include <vector>

namespace {

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

PauseCard::PauseCard(SettingsKeeper& settings, Platform* platform)
    : MenuCard("Paused", Lines(), &settings.InForce().controls), settings_(settings), platform_(platform)
{
}

MenuCard::Heard PauseCard::Hear(const GameEvent& event)
{
    if (!options_)
        return MenuCard::Hear(event);
    const Heard heard = options_->Hear(event);
    if (options_->WhatNext().to != Change::To::kBack)
        return heard;
    options_.reset();
    return Heard::kShown;
}

MenuCard::Heard PauseCard::Take(int line)
{
    switch (line) {
    case kResume:
        return Back();
    case kRestartLoop:
        next_ = Change(Change::To::kRestartLoop);
        break;
    case kOptions:
        options_ = std::make_unique<OptionsCard>(settings_, platform_);
        break;
    case kMainMenu:
        next_ = Change(Change::To::kMainMenu);
        break;
    default:
        next_ = Change(Change::To::kQuit);
        break;
    }
    return Heard::kShown;
}

void PauseCard::Draw()
{
    if (options_)
        options_->Draw();
    else
        menu_.Draw();
    hint_.Draw();
}

bool PauseCard::ShowHint() { return hint_.Show(InputNames(platform_, &settings_.InForce().controls)); }
