#pragma once
// The daily tests' dates, written as a player types them.
#include "app/daily/dailydate.h"

#include <gtest/gtest.h>

#include <string>

inline DailyDate DateOf(const std::string& text)
{
    DailyDate date;
    std::string problem;
    EXPECT_TRUE(DailyDate::Read(text, date, problem)) << text << ": " << problem;
    return date;
}
