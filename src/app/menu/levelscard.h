#pragma once
// The level select: one line for every position of the level list, "Level 3", with a tick when
// it has been cleared and its records ("2 loops · 0:41.3": the fewest loops and the best clear
// in game time), then "Back". The levels up to one past the furthest cleared can be started; the
// later ones carry a padlock, and the marked one says what opens it ("clear level 3 first");
// taking one is refused with a sound. A level with a replay on the player's shelf asks first, on
// a small card in the list's place: "Play", "Watch best" (its best replay: fewest loops, else
// best time) or "Back".
#include "app/profile/records.h"
#include "app/menu/menucard.h"
#include "app/replay/replayshelf.h"

#include <memory>
#include <string>

class LevelsCard : public MenuCard {
public:
    // levelCount: the positions of the list, 1 to levelCount. A level taken is played
    // (WhatNext: kPlay after the position before it).
    // shelf: the player's replays, whose best a level offers to watch (null: none).
    LevelsCard(const Progress& progress, int levelCount, const ControlSettings* controls = nullptr,
                 const ReplayShelf* shelf = nullptr);

    // A level's line as the screen shows it.
    static Menu::Choice LineOf(const Progress& progress, int position);

    Heard Hear(const GameEvent& event) override;
    void Draw() override;
    // The small card of a level with a replay, while it shows.
    const Menu* Asking() const { return asking_.get(); }

    // What a locked level's line says opens it.
    static std::string OpenedBy(int position);

private:
    Heard Take(int line) override;
    void SayWhatOpens();
    // What the small card's line does: play the level, watch its best replay, or back to the list.
    Heard TakeAsked(int line);

    Progress progress_;
    int levelCount_;
    int furthestOpen_;
    int noted_ = -1; // the locked line that says what opens it
    const ReplayShelf* shelf_;
    std::unique_ptr<Menu> asking_;
    int askedPosition_ = 0;
    std::string bestReplay_;
};
