#pragma once
// The glyphs the game letters its menus from: one picture for each character of
// datafiles::kGlyphCharacters in each of the two sizes, set in the hand-lettered capitals of the
// title and the level label. The pictures of one size line up as datafiles::GlyphMetrics says;
// the ink is ballpoint blue with a pale paper halo (the game can only darken or fade it).
#include "picture.h"

void AddGlyphArt(PictureSet& pictures);
