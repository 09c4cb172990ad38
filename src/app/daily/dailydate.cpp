#include "app/daily/dailydate.h"

#include "app/text/translate.h"

#include "utils/playerfile.h"
#include "utils/stringutils.h"

#include <array>
#include <cstdio>
#include <ctime>

namespace {

// Day 0, 1970-01-01, was a Thursday.
constexpr std::array<const char*, 7> kWeekdays = {
    NoTr("menu note", "Thursday"), NoTr("menu note", "Friday"), NoTr("menu note", "Saturday"), NoTr("menu note", "Sunday"),
    NoTr("menu note", "Monday"),   NoTr("menu note", "Tuesday"), NoTr("menu note", "Wednesday")};

bool LeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month)
{
    static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && LeapYear(year) ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

// Days since 1970-01-01 of a date of the proleptic Gregorian calendar (eras of 400 years).
int32_t DaysFromCivil(int year, int month, int day)
{
    const int y = year - (month <= 2 ? 1 : 0);
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yearOfEra = y - era * 400;
    const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

bool Digits(const std::string& text, std::size_t from, std::size_t count, int& value)
{
    int64_t read = 0;
    for (std::size_t i = from; i < from + count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
    }
    kolm::ParseWholeNumber(text.substr(from, count), 0, 9999, read);
    value = static_cast<int>(read);
    return true;
}

} // namespace

bool DailyDate::Read(const std::string& text, DailyDate& date, std::string& problem)
{
    DailyDate read;
    if (text.size() != 10 || text[4] != '-' || text[7] != '-' || !Digits(text, 0, 4, read.year_) ||
        !Digits(text, 5, 2, read.month_) || !Digits(text, 8, 2, read.day_)) {
        problem = kolm::QuotedFromFile(text) + " is not a date: give it as YYYY-MM-DD";
        return false;
    }
    if (read.month_ < 1 || read.month_ > 12 || read.day_ < 1 || read.day_ > DaysInMonth(read.year_, read.month_)) {
        problem = text + " is not a date";
        return false;
    }
    if (!read.InRange()) {
        problem = std::string("there is a daily level for each day from ") + kFirst + " to " + kLast + ", not for " + text;
        return false;
    }
    date = read;
    return true;
}

DailyDate DailyDate::OfDayNumber(int32_t dayNumber)
{
    const int32_t z = dayNumber + 719468;
    const int32_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int32_t dayOfEra = z - era * 146097;
    const int32_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int32_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int32_t monthIndex = (5 * dayOfYear + 2) / 153;
    DailyDate date;
    date.day_ = dayOfYear - (153 * monthIndex + 2) / 5 + 1;
    date.month_ = monthIndex < 10 ? monthIndex + 3 : monthIndex - 9;
    date.year_ = yearOfEra + era * 400 + (date.month_ <= 2 ? 1 : 0);
    return date;
}

DailyDate DailyDate::Today()
{
    const int64_t seconds = static_cast<int64_t>(std::time(nullptr));
    const int64_t day = seconds >= 0 ? seconds / 86400 : (seconds - 86399) / 86400;
    return OfDayNumber(static_cast<int32_t>(day));
}

int32_t DailyDate::DayNumber() const { return DaysFromCivil(year_, month_, day_); }

bool DailyDate::InRange() const
{
    return DayNumber() >= DaysFromCivil(2026, 1, 1) && DayNumber() <= DaysFromCivil(2100, 12, 31);
}

std::string DailyDate::Text() const
{
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", year_, month_, day_);
    return text;
}

std::string DailyDate::Weekday() const
{
    const int32_t index = ((DayNumber() % 7) + 7) % 7;
    return kWeekdays[static_cast<std::size_t>(index)];
}

std::string DailyDate::SpokenWeekday() const { return Tr("menu note", Weekday().c_str()); }

std::string DailyDate::Long() const
{
    // TRANSLATORS: a date: the day, the month's short name, the year ("10 Dec 2026").
    return Fill(Tr("menu note", "%1$s %2$s %3$s"), {std::to_string(day_), MonthShortName(month_), std::to_string(year_)});
}

std::string DailyDate::Short() const
{
    // TRANSLATORS: a date without its year: the day and the month's short name ("10 Dec").
    return Fill(Tr("menu note", "%1$s %2$s"), {std::to_string(day_), MonthShortName(month_)});
}
