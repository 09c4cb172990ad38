#pragma once
// What a character fires through: the world creates the bullet from the shooter's weapon,
// muzzle point, aim and team.
class PlayerCharacter;

class CBulletFireInterface {
public:
    virtual ~CBulletFireInterface() = default;
    virtual void FireBullet(PlayerCharacter* shooter) = 0;
};
