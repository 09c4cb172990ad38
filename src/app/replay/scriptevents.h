#pragma once
// The game's events as the lines of an input script ("160 down 100", "0 move 900 300"): what the
// tools' scripts and recordings, and the replays, are written in (harness/inputscript.h lists the
// lines).
#include "engine/input/gameevent.h"

#include <cstdint>
#include <sstream>
#include <string>

// Reads the event of an action word ("down", "move", "joyaxis", ...) and the words after it;
// false for an action that is no event or words it cannot take.
bool ParseScriptEvent(std::istringstream& words, const std::string& action, GameEvent& event);
// A line's time: a whole number of milliseconds from 0 to 2^32 - 1.
bool ParseScriptTime(const std::string& word, uint32_t& time);
// The script line of an event the game handles, or empty text for events it ignores. Reading
// the line back gives the same event.
std::string FormatScriptEvent(uint32_t time, const GameEvent& event);
