#pragma once
// The past days of the daily level, opened from today's card: the streak of consecutive days
// cleared and the best streak, then a line a day, newest first ("10 Dec", with "3 loops · 0:41.2 ·
// gold" at its right end, or how a day that was not cleared went, or the best practice of a day
// only practised), then "Back". Taking a day plays its level again as practice; the line to share of
// the marked day shows under the card.
#include "app/daily/dailyhistory.h"
#include "app/menu/menucard.h"
#include "app/text/lettering.h"

#include <vector>

class PastDaysCard : public MenuCard {
public:
    PastDaysCard(const DailyHistory& history, const DailyDate& today, const ControlSettings* controls);

    Heard Hear(const GameEvent& event) override;
    void Draw() override;
    std::string Hint(const InputNames& names) const override;
    // The days listed, newest first.
    const std::vector<DailyDate>& Listed() const { return days_; }
    // The line under the card: the marked day's line to share ("" for none).
    const std::string& Under() const { return under_.Said(); }

    // The first day's line, after the two of the streaks.
    static constexpr int kFirstDay = 2;

private:
    Heard Take(int line) override;
    void ShowUnder();

    DailyHistory history_;
    std::vector<DailyDate> days_;
    CSpriteContainer sprites_; // of the line under the card
    LetteredLine under_;
};
