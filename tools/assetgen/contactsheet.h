#pragma once
// One sheet showing every generated picture on paper, labelled with its file name, so the
// whole art set can be reviewed at a glance. Big pictures are scaled down; pictures the game
// tints are shown on a dark card so their light strokes stay visible.
#include "picture.h"

Surface MakeContactSheet(const PictureSet& pictures);
