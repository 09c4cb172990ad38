#pragma once
// Key caps with the name of a key or a pad's button lettered on them, and the note after a death
// that says which one to press. Each is composed once for a name (engine/render/picturecomposer.h) and
// kept in the texture cache, so that a sprite shows it by its picture name as any other.
#include "utils/datafiles.h"

#include <string>

// The picture name of a key cap with the name on it.
std::string KeyCapPicture(const std::string& name, datafiles::GlyphSize size);
// The width of that cap in pixels.
int KeyCapWidth(const std::string& name, datafiles::GlyphSize size);
// "press" and the key cap of the name, on the note shown after a death, in the language spoken:
// for the space bar in English the game's own hand-drawn "press space".
std::string PressPicture(const std::string& name);
// The banner of a clear with "<name>: next level" under "level cleared!", in the language spoken:
// for the space bar in English the game's own hand-drawn banner.
std::string ClearedPicture(const std::string& name);
