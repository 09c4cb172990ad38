#include "app/menu/pausecard.h"

#include "app/profile/settingskeeper.h"
#include "world/gameplay.h"

namespace {

using Line = PauseCard::Line;

std::vector<Line> LinesOver(PauseCard::Over over)
{
    if (over == PauseCard::Over::kLesson)
        return {Line::kResume, Line::kRestartLoop, Line::kSkipLesson, Line::kOptions, Line::kHelp, Line::kMainMenu, Line::kQuit};
    return {Line::kResume, Line::kRestartLoop, Line::kOptions, Line::kHelp, Line::kMainMenu, Line::kQuit};
}

const char* Label(Line line)
{
    static const char* const kLabels[] = {"Resume", "Restart loop", "Skip the lesson", "Options", "How to play",
                                          "Main menu", "Quit"};
    return kLabels[static_cast<int>(line)];
}

std::vector<Menu::Choice> Choices(const std::vector<Line>& lines)
{
    std::vector<Menu::Choice> choices;
    for (Line line : lines) {
        Menu::Choice choice;
        choice.label = Label(line);
        choices.push_back(choice);
    }
    return choices;
}

} // namespace

PauseCard::PauseCard(SettingsKeeper& settings, Platform* platform, Over over)
    : MenuCard(over == Over::kLesson ? "Lesson paused" : "Paused", Choices(LinesOver(over)), &settings.InForce().controls),
      settings_(settings), platform_(platform), lines_(LinesOver(over)), overLesson_(over == Over::kLesson)
{
}

MenuCard::Heard PauseCard::Hear(const GameEvent& event)
{
    if (!over_)
        return MenuCard::Hear(event);
    const Heard heard = over_->Hear(event);
    if (over_->WhatNext().to == Change::To::kLesson)
        next_ = Change(Change::To::kLesson);
    if (over_->WhatNext().to != Change::To::kBack)
        return heard;
    over_.reset();
    return Heard::kShown;
}

MenuCard::Heard PauseCard::Take(int index)
{
    switch (LineAt(index)) {
    case Line::kResume:
        return Back();
    case Line::kRestartLoop:
        next_ = Change(Change::To::kRestartLoop);
        break;
    case Line::kSkipLesson:
        next_ = Change(Change::To::kPlay);
        break;
    case Line::kOptions:
        over_ = std::make_unique<OptionsCard>(settings_, platform_);
        break;
    case Line::kHelp:
        // Over a level the help offers the lesson (Enter); over the lesson itself it does not.
        over_ = std::make_unique<HelpCard>(platform_, &settings_.InForce().controls, !overLesson_);
        break;
    case Line::kMainMenu:
        next_ = Change(Change::To::kMainMenu);
        break;
    case Line::kQuit:
        next_ = Change(Change::To::kQuit);
        break;
    }
    return Heard::kShown;
}

void PauseCard::Draw()
{
    if (over_)
        over_->Draw();
    else
        menu_.Draw();
    hint_.Draw();
}

bool PauseCard::ShowHint()
{
    const InputNames names(platform_, &settings_.InForce().controls);
    const bool moved = over_ && over_->Animate(Gameplay::kStepMs);
    return hint_.Show(Hint(names)) || moved;
}

std::string PauseCard::Hint(const InputNames& names) const
{
    return over_ ? over_->Hint(names) : MenuHint::Text(names, "take", "resume");
}
