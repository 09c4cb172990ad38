#pragma once
// The level select: one line for every position of the level list, "Level 3", with a tick when
// it has been cleared and its records ("2 loops · 0:41.3": the fewest loops and the best clear
// in game time), then "Back". The levels up to one past the furthest cleared can be started;
// the later ones carry a padlock, and taking one is refused with a sound.
#include "app/levelprogress.h"
#include "app/menu.h"

#include "engine/gameevent.h"

#include <string>

class LevelsScreen {
public:
    enum class Outcome { kUnchanged, kShowing, kBack, kStart };

    // levelCount: the positions of the list, 1 to levelCount.
    LevelsScreen(const Progress& progress, int levelCount);

    Outcome Handle(const GameEvent& event);
    void Draw() { menu_.Draw(); }
    // The list position taken, once Handle said kStart.
    int Position() const { return position_; }

    // A level's line as the screen shows it.
    static Menu::Choice LineOf(const Progress& progress, int position);
    // "0:41.3": minutes, seconds and tenths of game time.
    static std::string GameTime(uint32_t milliseconds);

private:
    int levelCount_;
    int furthestOpen_;
    Menu menu_;
    int position_ = 0;
};
