#pragma once
// The list of the player's replays, opened from the main menu: a "Levels" line that filters the
// list by level (left and right step through "all" and the levels that have replays, of any book,
// by name), then one line per replay, newest first ("3. Crossfire", else "Level 3", with
// "2 loops · 0:41.3" at its right end, a star on a level's record and an hourglass on a clear played slower than
// full speed),
// then "Back". Taking a replay watches it; "no replays yet" stands alone while there are none.
#include "app/text/lettering.h"
#include "app/menu/menucard.h"
#include "app/replay/replayshelf.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

class ReplaysCard : public MenuCard {
public:
    // The names of the levels the player has (by their file's hash: "3. Crossfire"); a replay of
    // a level not among them is "Level 3".
    using LevelNames = std::map<uint64_t, std::string>;

    ReplaysCard(const ReplayShelf& shelf, const ControlSettings* controls = nullptr, LevelNames names = {});

    // A replay's line as the card shows it.
    static Menu::Choice LineOf(const ReplayShelf::Entry& entry, const LevelNames& names = {});
    // The replays the card lists now, with the filter as it stands.
    const std::vector<ReplayShelf::Entry>& Listed() const { return listed_; }

    Heard Hear(const GameEvent& event) override;
    void Draw() override;
    // When the marked replay was played, as the card says under it ("" on other lines).
    std::string When() const;

private:
    Heard Take(int line) override;
    Heard ChangeValue(int line, int value) override;
    // The lines for the level the filter shows (0: all).
    std::vector<Menu::Choice> Lines() const;
    void Filter(int level);
    void ShowWhen();

    std::vector<ReplayShelf::Entry> all_;
    LevelNames names_;
    std::vector<uint64_t> filterLevels_; // the filter's items after "all", by level hash
    int filterIndex_ = 0;
    std::vector<ReplayShelf::Entry> listed_;
    CSpriteContainer sprites_; // of the line under the card
    LetteredLine when_;
};
