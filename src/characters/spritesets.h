#pragma once
// The bodies of the hero, the old guys, the three robot kinds and the two corpses: each a
// sprite with its frame images and named animations, created on top of a sprite container.
class CSprite;
class CSpriteContainer;

CSprite* CreatePlayerSprite(CSpriteContainer& sprites);
CSprite* CreateOldGuySprite(CSpriteContainer& sprites);
CSprite* CreateBigBadSprite(CSpriteContainer& sprites);
CSprite* CreateSmallHomingSprite(CSpriteContainer& sprites);
CSprite* CreateSmallMovingSprite(CSpriteContainer& sprites);
CSprite* CreatePlayerCorpseSprite(CSpriteContainer& sprites);
CSprite* CreateOldGuyCorpseSprite(CSpriteContainer& sprites);
