#pragma once
// The drawings beside the ending's table, one for each notebook: for the game's own levels the
// hero on a scrap of ruled paper with a line of its past selves behind and the first three robot
// kinds lying broken; for the second notebook the same company beside the broken later kinds (the
// shield bot, the twins with their wire snapped, the hive, the sower); and for any other book a
// closed notebook with a star on its cover.
#include "picture.h"

void AddEndingArt(PictureSet& pictures);
