#pragma once
// A level's name and par as its level list gives them (the attributes name, par_loops and
// par_time of its <Level> tag, as the game's own notebooks and every pack carry them), for the
// cleared banner and the Levels card: with MedalsOf (app/profile/records.h) they tell which
// medals a record holds.
#include "app/profile/records.h"
#include "utils/levellist/clevellist.h"

#include <string>
#include <vector>

// The level's name, in the language spoken; empty when it has none.
std::string NameOf(const kolm::CLevelList::LevelEntry& level);
// A level's name as the player reads it: the names of the game's own levels are translated
// (a list of another maker's that gives the same words is read the same way), any other is
// shown as written.
std::string SpokenLevelName(const std::string& name);
// The pars of the list's levels, by position from 1 (index 0 holds level 1's).
std::vector<LevelPar> ParsOf(const kolm::CLevelList& list);
// A level's line on a card: "3. Crossfire", else "Level 3".
std::string LevelLabel(int position, const std::string& name);
// The level's par; 0 for a figure it does not give, or gives as no whole number above 0.
LevelPar ParOf(const kolm::CLevelList::LevelEntry& level);
