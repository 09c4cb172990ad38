#pragma once
// The title screen: the game's name, the idea in one line, the controls on a pinned note and
// a doodle of the hero fighting robots beside two of its earlier attempts. The backdrop the game
// letters the controls over is drawn in every language, the classic title in English.
#include "picture.h"
#include "translations.h"

#include <vector>

void AddTitleArt(PictureSet& pictures, const std::vector<PictureWords>& languages);
