#pragma once
// The ending, once the last level of a book has been cleared (outside "-classic" and the tools):
// for the game's own list "all levels cleared", for another book (the second notebook, a pack the
// player installed; My levels has none) "Notebook 2 cleared", over the paper, the medals won of all the
// pars offer ("7 of 20 medals"), then every level of the book with its medals, its fewest loops
// and its best clear, and the totals, lettered like the rest of the game, beside the book's own
// drawing. A book of more levels than the table holds shows its first ones and "and 8 more". A key, a left click or a pad
// button ends it once it has stood a moment (the space that cleared the last level must not skip
// it), and so do kTimeoutMs; closing the window ends it too. Ticked by a driver like the title
// screen: it reads the events every 16 ms, draws its unchanging picture once and presents it
// again when the window may have lost it and a few times a second besides.
#include "app/levels/packshelf.h"
#include "app/profile/levelpar.h"
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

    // A level of the book as its row shows it.
    struct Entry {
        std::string name;
        LevelRecord record;
        LevelPar par;
    };
    // What an ending shows, and what follows it.
    struct Book {
        std::string heading;
        std::vector<Entry> levels;
        std::string picture; // the drawing beside the table
        Change after;
    };
    // The game's own list: the records of its positions 1 to levelCount, each row named by its
    // level's name, else "level 3"; afterwards the main menu when the game shows its menus,
    // otherwise the game is over.
    // pars, names: the levels' pars and names by position from 1 (none: no medals shown, "level 3").
    static Book OwnList(const Progress& records, int levelCount, bool thenMainMenu, const std::vector<LevelPar>& pars = {},
                        const std::vector<std::string>& names = {});
    // A book of the shelf: its levels by name with their records kept by hash; afterwards the
    // Levels card opened at that book, or the game's end when it shows no menus.
    static Book OfPack(const Progress& records, const ShelfPack& pack, bool thenLevels);

    explicit EndingScreen(const Book& book);
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
    static std::vector<Row> Rows(const std::vector<Entry>& levels);
    // "7 of 20 medals": the medals won of the two each level with a par offers; "" when none has one.
    static std::string MedalCount(const std::vector<Row>& rows, const std::vector<LevelPar>& pars);
    // The rows the table holds: all of them when they fit, else the first levels, a row that
    // says how many more there are ("and 8 more"), and the totals (over every level).
    static constexpr std::size_t kMostRows = 15;
    static std::vector<Row> Fitted(std::vector<Row> rows);
    // The picture of an ending: the game's own list's, the second notebook's, any other book's.
    static std::string PictureOf(const ShelfPack* pack);

private:
    void Letter(const Book& book);
    void LetterTable(const std::vector<Row>& rows);
    void PlaceMedals(int medals, float baseline, float scale);
    bool Ends(const GameEvent& event) const;

    CSpriteContainer sprites_;
    uint32_t shownAt_;
    PollCadence poll_;
    Change after_;
    bool done_ = false;
    bool quit_ = false; // the window was closed
    StillPicture still_;
};
