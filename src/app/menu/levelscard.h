#pragma once
// The level select: one line for every position of the level list, "3. Crossfire" (else "Level
// 3"), with a tick when it has been cleared (a medal, or two, for a record at or under the level's
// par) and its records ("2 loops · 0:41.3": the fewest loops and the best clear
// in game time), then "Back". The levels up to one past the furthest cleared can be started; the
// later ones carry a padlock, and the marked one says what opens it ("clear level 3 first");
// taking one is refused with a sound. A level (of any book) with a replay on the player's shelf asks first, on
// a small card in the list's place: "Play", "Watch best" (its best replay: fewest loops, else
// best time) or "Back".
//
// With books besides the game's own (app/levels/packshelf.h: the game's further notebooks, My
// levels, the packs the player installed, in that order), the card's first line is their tab
// line, a book's title between arrows, whose left and right (or its arrows) turn to another book.
// Under the card a line says the marked level's records and par. A book's levels show
// their names ("2. First steps", else "Level 2"), their records kept by the level's hash, else
// their par ("par 2 loops"); all of them are open, and one taken plays that book's list.
#include "app/levels/packshelf.h"
#include "app/profile/records.h"
#include "app/menu/menucard.h"
#include "app/replay/replayshelf.h"
#include "app/text/lettering.h"

#include <memory>
#include <string>

class LevelsCard : public MenuCard {
public:
    // levelCount: the positions of the list, 1 to levelCount. A level taken is played
    // (WhatNext: kPlay after the position before it).
    // shelf: the player's replays, whose best a level offers to watch (null: none).
    // books: besides the game's own levels, in the order they show.
    // own: the game's own levels' names and pars, by position from 1 (none: "Level 3", no medals).
    LevelsCard(const Progress& progress, int levelCount, const ControlSettings* controls = nullptr,
               const ReplayShelf* shelf = nullptr, std::vector<ShelfPack> books = {},
               std::vector<ShelfLevel> own = {});

    // The shelf's packs in the order the card shows them: the game's, My levels, the installed.
    static std::vector<ShelfPack> BooksOf(std::vector<ShelfPack> packs);
    // A level's line in a book other than the game's own.
    static Menu::Choice BookLineOf(const Progress& progress, const ShelfLevel& level);
    // The book shown: 0 for the game's own, then the books from 1.
    int Book() const { return book_; }
    // Shows the book of that list file (none such: the card stays as it is).
    void TurnTo(const std::string& listFile);

    // A level of the game's own list as its line shows it, with its name and par.
    static Menu::Choice LineOf(const Progress& progress, int position, const ShelfLevel& level = {});

    Heard Hear(const GameEvent& event) override;
    void Draw() override;
    // The small card of a level with a replay, while it shows.
    const Menu* Asking() const { return asking_.get(); }

    // What the line under the card says of the marked level: its line's note (its records, or
    // what opens it) and its par; the line may leave its note off when its name is long.
    std::string MarkedNote() const;

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
    Menu::Choice OwnLineOf(int position) const;
    void ShowMarked();
    Heard PlayOrAsk(const Change& play, uint64_t levelHash, const std::string& title);
    // What the small card's line does: play the level, watch its best replay, or back to the list.
    Heard TakeAsked(int line);

    Progress progress_;
    int levelCount_;
    int furthestOpen_;
    int noted_ = -1; // the locked line that says what opens it
    const ReplayShelf* shelf_;
    std::unique_ptr<Menu> asking_;
    Change asked_; // what "Play" on the small card does
    std::string bestReplay_;
    std::vector<ShelfPack> books_;
    std::vector<ShelfLevel> own_;
    CSpriteContainer sprites_; // of the line under the card
    LetteredLine under_;
    int book_ = 0;
};
