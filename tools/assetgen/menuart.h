#pragma once
// The menus' furniture, on the paper's look: the torn card in pieces that join into a card of
// any number of lines, the arrow that marks the chosen line, the padlock, tick and star at a
// line's end, the on/off box, the 0 to 10 slider and its knob, and the small arrows of a list.
#include "picture.h"

void AddMenuArt(PictureSet& pictures);
