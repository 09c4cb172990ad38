#pragma once
// The bodies of the hero, the old guys, the robot kinds and the two corpses: each a sprite with
// its frame images and named animations, created on top of a sprite container; and the wire
// between two twins.
#include "utils/datafiles.h"

class CSprite;
class CSpriteContainer;

CSprite* CreatePlayerSprite(CSpriteContainer& sprites);
CSprite* CreateOldGuySprite(CSpriteContainer& sprites);
CSprite* CreateBigBadSprite(CSpriteContainer& sprites);
CSprite* CreateSmallHomingSprite(CSpriteContainer& sprites);
CSprite* CreateSmallMovingSprite(CSpriteContainer& sprites);
// A later robot kind's body: "walk_right" and "walk_left" (the mirror images of a robot that
// turns, its own frames for one that does not) and "death".
CSprite* CreateLaterRobotSprite(CSpriteContainer& sprites, datafiles::FrameSet set, bool turns);
// The wire, crackling through its three frames; made behind every character.
CSprite* CreateTwinWireSprite(CSpriteContainer& sprites);
CSprite* CreatePlayerCorpseSprite(CSpriteContainer& sprites);
CSprite* CreateOldGuyCorpseSprite(CSpriteContainer& sprites);
