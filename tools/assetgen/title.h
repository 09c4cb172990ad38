#pragma once
// The title screen: the game's name, the idea in one line, the controls on a pinned note and
// a doodle of the hero fighting robots beside two of its earlier attempts.
#include "picture.h"

void AddTitleArt(PictureSet& pictures);
