#pragma once
// The level select: one line for every position of the level list, "Level 3", with a tick when
// it has been cleared and its records ("2 loops · 0:41.3": the fewest loops and the best clear
// in game time), then "Back". The levels up to one past the furthest cleared can be started; the
// later ones carry a padlock, and the marked one says what opens it ("clear level 3 first");
// taking one is refused with a sound. A level with a replay on the player's shelf asks first, on
// a small card in the list's place: "Play", "Watch best" (its best replay: fewest loops, else
// best time) or "Back".
//
// With books besides the game's own (app/levels/packshelf.h: the game's further notebooks, My
// levels, the packs the player installed, in that order), the card's first line is their tab
// line, "Book", whose left and right (or its arrows) turn to another book. A book's levels show
// their names ("2. First steps", else "Level 2"), their records kept by the level's hash, else
// their par ("par 2 loops"); all of them are open, and one taken plays that book's list.
#include "app/levels/packshelf.h"
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
    // books: besides the game's own levels, in the order they show.
    LevelsCard(const Progress& progress, int levelCount, const ControlSettings* controls = nullptr,
               const ReplayShelf* shelf = nullptr, std::vector<ShelfPack> books = {});

    // The shelf's packs in the order the card shows them: the game's, My levels, the installed.
    static std::vector<ShelfPack> BooksOf(std::vector<ShelfPack> packs);
    // A level's line in a book other than the game's own.
    static Menu::Choice BookLineOf(const Progress& progress, const ShelfLevel& level);
    // The book shown: 0 for the game's own, then the books from 1.
    int Book() const { return book_; }

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
    Heard ChangeValue(int line, int value) override;
    // Takes a line of a book other than the game's own.
    Heard TakeInBook(int line);
    // The lines of the book shown, its tab line first when there are books.
    std::vector<Menu::Choice> Lines() const;
    // The first line of the levels: 1 under the tab line, else 0.
    int FirstLevelLine() const { return books_.empty() ? 0 : 1; }
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
    std::vector<ShelfPack> books_;
    int book_ = 0;
};
