#include "app/menu/pausecard.h"
#include "app/text/translate.h"

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
    static const char* const kLabels[] = {NoTr("menu line", "Resume"),      NoTr("menu line", "Restart loop"),
                                          NoTr("menu line", "Skip the lesson"), NoTr("menu line", "Options"),
                                          NoTr("menu line", "How to play"), NoTr("menu line", "Main menu"),
                                          NoTr("menu line", "Quit")};
    return kLabels[static_cast<int>(line)];
}

std::vector<Menu::Choice> Choices(const std::vector<Line>& lines)
{
    std::vector<Menu::Choice> choices;
    for (Line line : lines) {
        Menu::Choice choice;
        choice.label = Tr("menu line", Label(line));
        choices.push_back(choice);
    }
    return choices;
}

std::string Title(PauseCard::Over over)
{
    return over == PauseCard::Over::kLesson ? Tr("menu title", "Lesson paused") : Tr("menu title", "Paused");
}

} // namespace

PauseCard::PauseCard(SettingsKeeper& settings, Platform* platform, Over over)
    : MenuCard(Title(over), Choices(LinesOver(over)), &settings.InForce().controls), settings_(settings),
      platform_(platform), kind_(over), lines_(LinesOver(over)),
      speech_(SpeechChanges())
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
    if (speech_ != SpeechChanges()) { // the language was changed in the options
        speech_ = SpeechChanges();
        menu_.SetTitle(Title(kind_));
        menu_.SetChoices(Choices(lines_));
    }
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
        over_ = std::make_unique<HelpCard>(platform_, &settings_.InForce().controls, kind_ != Over::kLesson,
                                           RobotsSeenFile(RobotsSeenFile::DefaultPath()).Load());
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
    return over_ ? over_->Hint(names) : MenuHint::Text(names, NoTr("hint", "take"), NoTr("hint", "resume"));
}
