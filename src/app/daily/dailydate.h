#pragma once
// A day of the daily level: a date of the UTC calendar from 2026-01-01 to 2100-12-31, read from
// "YYYY-MM-DD" and known by its day number (days since 1970-01-01), from which the day's level
// is made. Every sum is done in whole numbers, so the same date gives the same day on every
// machine and in the page.
#include <cstdint>
#include <string>

class DailyDate {
public:
    static constexpr const char* kFirst = "2026-01-01";
    static constexpr const char* kLast = "2100-12-31";

    // Reads "YYYY-MM-DD" (four, two and two digits): false, with one line saying why in problem,
    // for text that is no date ("2026-02-30"), or a date before kFirst or after kLast.
    static bool Read(const std::string& text, DailyDate& date, std::string& problem);
    // The day of a day number (any day, in range or not).
    static DailyDate OfDayNumber(int32_t dayNumber);
    // Today in UTC by the machine's clock, which may be out of range (a clock set wrong).
    static DailyDate Today();

    int32_t DayNumber() const;
    bool InRange() const;
    // "2026-12-10"; "Thursday", in English always (it names the day's level in its file).
    std::string Text() const;
    std::string Weekday() const;
    // As the player reads them, in the language spoken: "Thursday", "10 Dec 2026", "10 Dec".
    std::string SpokenWeekday() const;
    std::string Long() const;
    std::string Short() const;

    int Year() const { return year_; }
    int Month() const { return month_; }
    int Day() const { return day_; }
    bool operator==(const DailyDate& other) const { return DayNumber() == other.DayNumber(); }
    bool operator!=(const DailyDate& other) const { return !(*this == other); }

private:
    int year_ = 2026;
    int month_ = 1;
    int day_ = 1;
};
