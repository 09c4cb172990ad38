#pragma once
// The twins (spawn type 7, two at once): a pair of small robots that cross the paper side by
// side, joined by a crackling wire that hurts whoever touches it. A twin alone shrugs off every
// shot with a hum; the pair breaks, both blowing up, only when each twin is hit by a different
// self within 350 ms of the other. One self cannot be in two places: a past self takes one twin
// while the present one takes the other. Blasts pass over them.
#include "characters/enemycharacter.h"

class TwinRobot : public EnemyCharacter {
public:
    using EnemyCharacter::EnemyCharacter;

    // Makes two twins a pair, each naming the other; the first holds the wire.
    static void Join(TwinRobot& first, TwinRobot& second, CSprite* wire);
    // The other twin of the pair, while it is there.
    TwinRobot* Partner() const;
    void HideWire();

    ShotEffect TakeShot(const PlayerCharacter* shooter, const vector2& velocity) override;
    bool FeelsBlasts() const override { return false; }
    bool BlastsWhenKilled() const override { return true; }
    // The wire, from the twin that holds it to its partner, while both stand on the paper.
    bool Wire(vector2& from, vector2& to) const override;
    void Reset() override;
    void ApplyEvent(const InputEvent& event) override;
    void Update(uint32_t now) override;

private:
    void PlaceWire();
};
