#pragma once
// The level select: one line for every position of the level list, "Level 3", with a tick when
// it has been cleared and its records ("2 loops · 0:41.3": the fewest loops and the best clear
// in game time), then "Back". The levels up to one past the furthest cleared can be started;
// the later ones carry a padlock, and taking one is refused with a sound.
#include "app/levelprogress.h"
#include "app/menucard.h"

#include <string>

class LevelsScreen : public MenuCard {
public:
    // levelCount: the positions of the list, 1 to levelCount. A level taken is played
    // (WhatNext: kPlay after the position before it).
    LevelsScreen(const Progress& progress, int levelCount, const ControlSettings* controls = nullptr);

    // A level's line as the screen shows it.
    static Menu::Choice LineOf(const Progress& progress, int position);

private:
    Heard Take(int line) override;

    int levelCount_;
    int furthestOpen_;
};
