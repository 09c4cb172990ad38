#include "app/daily/dailyhistory.h"

#include "utils/linereader.h"
#include "utils/stringutils.h"

#include <algorithm>
#include <iterator>
#include <sstream>

namespace {

const char* const kCountedWords[] = {"", "playing", "left", "cleared"};

// "LOOPS MILLISECONDS" from words[first] on, then "assisted" or nothing after `after` more words.
bool ReadAttempt(const std::vector<std::string>& words, std::size_t first, std::size_t after, DailyAttempt& attempt)
{
    int64_t loops = 0;
    int64_t milliseconds = 0;
    const std::size_t end = first + 2 + after;
    if (words.size() < end || words.size() > end + 1 || (words.size() == end + 1 && words[end] != "assisted") ||
        !kolm::ParseWholeNumber(words[first], 1, 1000000, loops) ||
        !kolm::ParseWholeNumber(words[first + 1], 0, UINT32_MAX, milliseconds))
        return false;
    attempt.loops = static_cast<int>(loops);
    attempt.milliseconds = static_cast<uint32_t>(milliseconds);
    attempt.assisted = words.size() == end + 1;
    return true;
}

// "day DATE playing", "day DATE left LOOPS MS [assisted]", "day DATE cleared LOOPS MS MEDAL [assisted]".
bool ReadDay(const std::vector<std::string>& words, DailyDay& day)
{
    if (words.size() == 3 && words[2] == "playing") {
        day.counted = DailyDay::Counted::kPlaying;
        return true;
    }
    if (words.size() >= 5 && words[2] == "left" && ReadAttempt(words, 3, 0, day.result)) {
        day.counted = DailyDay::Counted::kLeft;
        return true;
    }
    if (words.size() >= 6 && words[2] == "cleared" && ReadAttempt(words, 3, 1, day.result)) {
        day.medal = MedalOfWord(words[5]);
        day.counted = DailyDay::Counted::kCleared;
        return day.medal != Medal::kNone;
    }
    return false;
}

std::string AttemptWords(const DailyAttempt& attempt, const std::string& between)
{
    return std::to_string(attempt.loops) + " " + std::to_string(attempt.milliseconds) + between +
           (attempt.assisted ? " assisted" : "");
}

} // namespace

bool DailyDay::operator==(const DailyDay& other) const
{
    return counted == other.counted && result == other.result && medal == other.medal &&
           practised == other.practised && practice == other.practice;
}

DailyHistory DailyHistory::Parse(const std::string& text, std::vector<kolm::FileProblem>& problems)
{
    DailyHistory history;
    std::istringstream stream(text);
    kolm::LineReader lines(stream);
    std::string line;
    for (int number = 1; lines.Next(line); ++number) {
        const std::vector<std::string> words = kolm::Split(line, " ");
        if (words.empty())
            continue;
        DailyDate date;
        std::string problem;
        DailyDay read;
        const bool dated = words.size() >= 2 && DailyDate::Read(words[1], date, problem);
        DailyDay& day = history.days_[dated ? date.DayNumber() : 0];
        if (dated && words[0] == "day" && day.counted == DailyDay::Counted::kNone && ReadDay(words, read)) {
            read.practised = day.practised;
            read.practice = day.practice;
            day = read;
        } else if (dated && words[0] == "practice" && !day.practised && ReadAttempt(words, 2, 0, day.practice)) {
            day.practised = true;
        } else {
            problems.push_back({number, kolm::QuotedFromFile(line) + " is no day of the daily history; line left out"});
        }
    }
    for (auto day = history.days_.begin(); day != history.days_.end();)
        day = day->first == 0 || day->second == DailyDay() ? history.days_.erase(day) : std::next(day);
    return history;
}

std::string DailyHistory::Text() const
{
    std::string days;
    std::string practice;
    for (const auto& [number, day] : days_) {
        const std::string date = DailyDate::OfDayNumber(number).Text();
        const std::size_t counted = static_cast<std::size_t>(day.counted);
        if (day.counted == DailyDay::Counted::kPlaying)
            days += "day " + date + " playing\n";
        else if (day.counted != DailyDay::Counted::kNone)
            days += "day " + date + " " + kCountedWords[counted] + " " +
                    AttemptWords(day.result, day.medal == Medal::kNone ? "" : " " + MedalWord(day.medal)) + "\n";
        if (day.practised)
            practice += "practice " + date + " " + AttemptWords(day.practice, "") + "\n";
    }
    return days + practice;
}

DailyDay DailyHistory::Of(const DailyDate& date) const
{
    const auto found = days_.find(date.DayNumber());
    return found == days_.end() ? DailyDay() : found->second;
}

bool DailyHistory::BeginCounted(const DailyDate& date)
{
    DailyDay& day = days_[date.DayNumber()];
    if (day.counted != DailyDay::Counted::kNone)
        return false;
    day.counted = DailyDay::Counted::kPlaying;
    return true;
}

void DailyHistory::EndCounted(const DailyDate& date, const DailyAttempt& attempt, Medal medal)
{
    DailyDay& day = days_[date.DayNumber()];
    if (day.counted != DailyDay::Counted::kPlaying)
        return;
    day.counted = medal == Medal::kNone ? DailyDay::Counted::kLeft : DailyDay::Counted::kCleared;
    day.result = attempt;
    day.medal = medal;
}

void DailyHistory::NotePractice(const DailyDate& date, const DailyAttempt& attempt)
{
    DailyDay& day = days_[date.DayNumber()];
    if (day.practised && !attempt.Beats(day.practice))
        return;
    day.practised = true;
    day.practice = attempt;
}

int DailyHistory::Streak(const DailyDate& today) const
{
    int32_t number = today.DayNumber();
    if (Of(today).counted != DailyDay::Counted::kCleared)
        --number;
    int streak = 0;
    for (auto found = days_.find(number); found != days_.end() && found->second.counted == DailyDay::Counted::kCleared;
         found = days_.find(--number))
        ++streak;
    return streak;
}

int DailyHistory::BestStreak() const
{
    int best = 0;
    int streak = 0;
    int32_t last = 0;
    for (const auto& [number, day] : days_) {
        if (day.counted != DailyDay::Counted::kCleared) {
            streak = 0;
            continue;
        }
        streak = streak > 0 && number == last + 1 ? streak + 1 : 1;
        last = number;
        best = std::max(best, streak);
    }
    return best;
}
