#pragma once
// The glyphs the game letters its menus from: one picture for each character of
// datafiles::kGlyphCharacters and of the translations in each of the two sizes, set in the hand-lettered capitals of the
// title and the level label. The pictures of one size line up as datafiles::GlyphMetrics says;
// the ink is ballpoint blue with a pale paper halo (the game can only darken or fade it).
#include "picture.h"

#include <string>

// translated: the characters the translations letter (tools/assetgen/translations.h).
void AddGlyphArt(PictureSet& pictures, const std::u32string& translated);
