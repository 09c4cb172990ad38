#include "app/daily/pastdayscard.h"

#include "app/daily/dailywords.h"
#include "app/text/translate.h"

namespace {

std::vector<DailyDate> DaysOf(const DailyHistory& history)
{
    std::vector<DailyDate> days;
    for (auto day = history.Days().rbegin(); day != history.Days().rend(); ++day)
        days.push_back(DailyDate::OfDayNumber(day->first));
    return days;
}

std::string DaysWord(int days)
{
    return Fill(TrN("menu note", "%d day", "%d days", static_cast<uint64_t>(days)), {std::to_string(days)});
}

Menu::Choice DayLine(const DailyDate& date, const DailyDay& day)
{
    Menu::Choice line;
    line.label = date.Short();
    line.note = day.counted == DailyDay::Counted::kNone ? Fill(Tr("menu note", "practice %s"), {DailyPracticeWords(day)}) : DailyResultWords(day);
    if (day.medal == Medal::kGold)
        line.badge = Menu::Badge::kStar;
    return line;
}

std::vector<Menu::Choice> Lines(const DailyHistory& history, const DailyDate& today, const std::vector<DailyDate>& days)
{
    std::vector<Menu::Choice> lines(PastDaysCard::kFirstDay);
    lines[0].label = Tr("menu line", "Streak");
    lines[0].note = DaysWord(history.Streak(today));
    lines[0].enabled = false;
    lines[1].label = Tr("menu line", "Best streak");
    lines[1].note = DaysWord(history.BestStreak());
    lines[1].enabled = false;
    for (const DailyDate& date : days)
        lines.push_back(DayLine(date, history.Of(date)));
    if (days.empty()) {
        lines.emplace_back();
        lines.back().label = Tr("menu line", "no days played yet");
        lines.back().enabled = false;
    }
    lines.emplace_back();
    lines.back().label = Tr("menu line", "Back");
    return lines;
}

} // namespace

PastDaysCard::PastDaysCard(const DailyHistory& history, const DailyDate& today, const ControlSettings* controls)
    : MenuCard(Tr("menu title", "Past days"), Lines(history, today, DaysOf(history)), controls), history_(history), days_(DaysOf(history))
{
    ShowUnder();
}

MenuCard::Heard PastDaysCard::Hear(const GameEvent& event)
{
    const Heard heard = MenuCard::Hear(event);
    ShowUnder();
    return heard;
}

void PastDaysCard::Draw()
{
    menu_.Draw();
    sprites_.Draw();
}

std::string PastDaysCard::Hint(const InputNames& names) const
{
    const int day = menu_.Chosen() - kFirstDay;
    return MenuHint::Text(names, day >= 0 && day < static_cast<int>(days_.size()) ? NoTr("hint", "practise") : NoTr("hint", "take"));
}

MenuCard::Heard PastDaysCard::Take(int line)
{
    const int day = line - kFirstDay;
    if (day < 0 || day >= static_cast<int>(days_.size()))
        return Back();
    next_ = Change(Change::To::kDaily);
    next_.daily = days_[static_cast<std::size_t>(day)].Text();
    return Heard::kShown;
}

void PastDaysCard::ShowUnder()
{
    const int day = menu_.Chosen() - kFirstDay;
    std::string line;
    if (day >= 0 && day < static_cast<int>(days_.size())) {
        const DailyDate& date = days_[static_cast<std::size_t>(day)];
        line = DailyResultLine(date, history_.Of(date));
    }
    const rect card = menu_.CardBox();
    under_.Say(sprites_, line, vector2(card.x + card.w * 0.5f, card.y + card.h + 34.0f));
}
