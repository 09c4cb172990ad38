#pragma once
// The key caps the game letters key and button names into: for each glyph size a cap's left end,
// a middle column the game stretches to the name's width, and its right end.
#include "picture.h"

void AddKeyCapArt(PictureSet& pictures);
