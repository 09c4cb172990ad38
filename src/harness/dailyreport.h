#pragma once
// tobrakka-sim --daily DATE: finds the date's level with the bot's check, as the game does, and
// prints the level file's text, then the check of it as a table (the practised bot with seed 1,
// the novice with seeds 1 to 3) and the par the medals are given by. A date that is no date, or
// has no daily level, is said in one line on standard error (status 2).
#include <string>

int PrintDailyLevel(const std::string& dateText);
