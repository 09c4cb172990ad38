#pragma once
// What "New game" asks a player who has never cleared a level: the lesson first (marked, since
// that player most likely needs it), level 1 straight away, or back to the main menu.
#include "app/menu/menucard.h"

class NewGameCard : public MenuCard {
public:
    enum Line { kLesson, kLevelOne, kBack };

    // startAfter: the list position after which a new game starts (the list's own start).
    NewGameCard(int startAfter, const ControlSettings* controls);

private:
    Heard Take(int line) override;

    int startAfter_;
};
