#include "app/menu/newgamecard.h"

#include "app/text/translate.h"

#include <vector>

namespace {

std::vector<Menu::Choice> Lines()
{
    std::vector<Menu::Choice> lines(3);
    lines[NewGameCard::kLesson].label = Tr("menu line", "Learn to play first");
    lines[NewGameCard::kLevelOne].label = Tr("menu line", "Straight to level 1");
    lines[NewGameCard::kBack].label = Tr("menu line", "Back");
    return lines;
}

} // namespace

NewGameCard::NewGameCard(int startAfter, const ControlSettings* controls)
    : MenuCard(Tr("menu title", "New game"), Lines(), controls), startAfter_(startAfter)
{
}

MenuCard::Heard NewGameCard::Take(int line)
{
    if (line == kBack)
        return Back();
    next_ = Change(line == kLesson ? Change::To::kLesson : Change::To::kPlay, startAfter_);
    return Heard::kShown;
}
