#pragma once
// The ending, once the last level of the list has been cleared (outside "-classic" and the tools):
// "all levels cleared" over the paper, the medals won of all the pars offer ("7 of 20 medals"),
// then every level of the list with its medals, its fewest loops and its best clear, and the
// totals, lettered like the rest of the game. A key, a left click or a pad
// button ends it once it has stood a moment (the space that cleared the last level must not skip
// it), and so do kTimeoutMs; closing the window ends it too. Ticked by a driver like the title
// screen: it reads the events every 16 ms, draws its unchanging picture once and presents it
// again when the window may have lost it and a few times a second besides.
#include "app/profile/records.h"
#include "app/screen/pollcadence.h"
#include "app/screen/gamescreen.h"
#include "app/screen/stillpicture.h"
#include "engine/render/spritecontainer.h"

#include <cstdint>
#include <string>
#include <vector>

class EndingScreen : public GameScreen {
public:

    static constexpr uint32_t kTimeoutMs = 30000;
    // Input is not heard for this long after the ending appears.
    static constexpr uint32_t kDeafMs = 750;

    // The records of the list's positions 1 to levelCount; afterwards the main menu when the
    // game shows its menus, otherwise the game is over.
    // pars: the levels' pars by position from 1 (none: no medals shown).
    EndingScreen(const Progress& records, int levelCount, bool thenMainMenu, const std::vector<LevelPar>& pars = {});
    EndingScreen(const EndingScreen&) = delete;
    EndingScreen& operator=(const EndingScreen&) = delete;

    bool Tick(uint32_t now) override;
    uint32_t NextDue() const override { return poll_.Next(); }
    void HandleEvent(const GameEvent& event) override;
    void Draw() override { sprites_.Draw(); }
    Change WhatNext() const override;

    // The table under the heading: a row for each level ("level 3", "2 loops", "0:41.20", or
    // dashes for a level without a record), then the totals over the levels with records.
    struct Row {
        std::string name, loops, time;
        std::string mark = {}; // "assisted", or none
        int medals = 0;        // 0, 1 or 2 (loops and time); on the totals, all the rows'
        bool operator==(const Row& other) const
        {
            return name == other.name && loops == other.loops && time == other.time && mark == other.mark &&
                   medals == other.medals;
        }
    };
    static std::vector<Row> Rows(const Progress& records, int levelCount, const std::vector<LevelPar>& pars = {});
    // "7 of 20 medals": the medals won of the two each level with a par offers; "" when none has one.
    static std::string MedalCount(const std::vector<Row>& rows, const std::vector<LevelPar>& pars);

private:
    void Letter(const Progress& records, int levelCount, const std::vector<LevelPar>& pars);
    void PlaceMedals(int medals, float baseline);
    bool Ends(const GameEvent& event) const;

    CSpriteContainer sprites_;
    uint32_t shownAt_;
    PollCadence poll_;
    bool thenMainMenu_;
    bool done_ = false;
    bool quit_ = false; // the window was closed
    StillPicture still_;
};
