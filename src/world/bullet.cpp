// Flying bullets: their sprites and their flight across the field.
#include "world/bullet.h"

#include "engine/core/portablemath.h"
#include "engine/render/spritecontainer.h"
#include "engine/render/texturecache.h"
#include "utils/datafiles.h"
#include "characters/weapon.h"

#include <cmath>
#include <utility>

namespace {
// A bullet is gone once its centre is this far beyond an edge of the field.
constexpr float kLeavingMargin = 5.0f;
}

CSprite* CreateBulletSprite(CSpriteContainer& sprites, const WeaponDesc& weapon)
{
    CSprite* sprite = sprites.CreateSprite(weapon.image);
    if (weapon.image != datafiles::BigBadBullet(1))
        return sprite;
    sprite->SetFrames({sprite->texture, GetTexture(datafiles::BigBadBullet(2)), GetTexture(datafiles::BigBadBullet(3))});
    SpriteAnimation fire;
    fire.frameIndices = {0, 1, 2, 0, 2, 1};
    fire.frameTime = 85;
    fire.loop = true;
    fire.killAtEnd = false;
    fire.name = "fire";
    sprite->AddAnimation(std::move(fire));
    sprite->PlayAnimation("fire");
    return sprite;
}

void MoveBullet(Bullet& bullet, uint32_t dt)
{
    if (bullet.dead)
        return;
    bullet.previousPosition = bullet.position;
    bullet.position += bullet.velocity * (dt / 1000.0f);
    if (bullet.sprite) {
        const vector2 n = Normalized(bullet.velocity);
        bullet.sprite->angle = kolm::Atan2(n.y, n.x);
        bullet.sprite->SetCentre(bullet.position);
    }
    const vector2& p = bullet.position;
    if (p.x < -kLeavingMargin || p.y < -kLeavingMargin || p.x > kVirtualWidth + kLeavingMargin ||
        p.y > kVirtualHeight + kLeavingMargin)
        bullet.dead = true;
}
