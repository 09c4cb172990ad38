// The twins: a pair that only two selves at once can break.
#include "characters/robots/twinrobot.h"

#include "audio/soundbank.h"
#include "engine/core/portablemath.h"
#include "engine/render/sprite.h"
#include "utils/datafiles.h"

#include <cmath>

void TwinRobot::Join(TwinRobot& first, TwinRobot& second, CSprite* wire)
{
    first.partner = CharacterRef(&second);
    second.partner = CharacterRef(&first);
    first.link = wire;
    first.HideWire();
}

TwinRobot* TwinRobot::Partner() const { return static_cast<TwinRobot*>(Find(partner)); }

void TwinRobot::HideWire()
{
    if (link)
        link->SetAlpha(0.0f);
}

ShotEffect TwinRobot::TakeShot(const PlayerCharacter*, const vector2&)
{
    PlaySound(datafiles::kTwinHumSound);
    return ShotEffect::kCountsForPair;
}

bool TwinRobot::Wire(vector2& from, vector2& to) const
{
    const TwinRobot* other = Partner();
    if (!link || dead || !IsActive() || !other || other->dead || !other->IsActive())
        return false;
    from = Position();
    to = other->Position();
    return true;
}

void TwinRobot::Reset()
{
    EnemyCharacter::Reset();
    HideWire();
}

void TwinRobot::ApplyEvent(const InputEvent& event)
{
    EnemyCharacter::ApplyEvent(event);
    if (event.type == kEventDeath)
        HideWire();
}

void TwinRobot::Update(uint32_t now)
{
    EnemyCharacter::Update(now);
    PlaceWire();
}

// The wire's picture is one length of wire along +x, stretched from one twin to the other.
void TwinRobot::PlaceWire()
{
    vector2 from;
    vector2 to;
    if (!Wire(from, to)) {
        HideWire();
        return;
    }
    const vector2 span = to - from;
    link->SetCentre((from + to) * 0.5f);
    link->angle = kolm::Atan2(span.y, span.x);
    link->scaleX = link->width > 0.0f ? std::sqrt(LengthSquared(span)) / link->width : 1.0f;
    link->SetAlpha(1.0f);
}
