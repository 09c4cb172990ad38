#pragma once
// Today's level, opened from the main menu's "Today's level": a card titled with the day's name
// ("Thursday's Crossfire") whose lines play the level ("counts" before the day's first attempt,
// "practice" after it), copy the result to share, open the past days (app/daily/pastdayscard.h)
// and go back. Under the card: the date and what the medals ask ("gold in 3 loops, silver in 7"),
// then the day's result as it is shared ("Tobrakka · 10 Dec 2026 · 3 loops · 0:41.2 · gold"), or
// what comes of playing.
//
// A day whose level has not been found yet is found while the card shows, a slice of every poll
// (the bot checks the candidates: "the bot tries candidate 2"); "Play" waits for it. A clock whose
// date has no daily level says so and offers none.
#include "app/daily/dailyhistory.h"
#include "app/daily/dailylookup.h"
#include "app/daily/pastdayscard.h"
#include "app/menu/menucard.h"
#include "app/text/lettering.h"

#include <memory>
#include <string>

class Platform;

class DailyCard : public MenuCard {
public:
    enum Line { kPlay, kCopy, kPastDays, kBack };
    // How long the card looks for the level in one poll, in ms of wall time.
    static constexpr uint32_t kSliceMs = 10;

    struct Setup {
        DailyDate today;          // by the clock: it may have no level
        std::string folder;       // the daily folder (app/daily/dailyfolder.h)
        std::string historyPath;  // the history file (app/daily/dailyhistoryfile.h)
        LevelCheckMaker check;    // the bot's check
        Platform* platform = nullptr; // whose clipboard takes the result
        const ControlSettings* controls = nullptr;
    };

    explicit DailyCard(const Setup& setup);

    Heard Hear(const GameEvent& event) override;
    bool Animate(uint32_t ms) override;
    void Draw() override;
    std::string Hint(const InputNames& names) const override;

    // The level, once found; null before (or with no level for the date).
    const DailyFound* Found() const { return lookup_ && lookup_->Ready() ? &lookup_->Found() : nullptr; }
    // The two lines under the card.
    const std::string& DateLine() const { return dateLine_.Said(); }
    const std::string& ResultLine() const { return resultLine_.Said(); }
    // The past days, while they show over this card.
    const PastDaysCard* PastDays() const { return past_.get(); }

private:
    Heard Take(int line) override;
    Heard HearPastDays(const GameEvent& event);
    // The lines and the words under the card as they stand.
    void Show();
    std::string DateWords() const;
    std::string ResultWords() const;

    Setup setup_;
    std::unique_ptr<DailyLookup> lookup_; // null when the clock's date has no level
    DailyHistory history_;
    std::unique_ptr<PastDaysCard> past_;
    bool copied_ = false;
    bool moved_ = false; // the player has moved the mark or taken a line
    CSpriteContainer sprites_; // of the lines under the card
    LetteredLine dateLine_;
    LetteredLine resultLine_;
};
