#include "app/play/playinput.h"

#include "engine/render/sprite.h"
#include "world/gameplay.h"

namespace {

// The sticks' zones the game has always had.
GameEvent OwnZones()
{
    GameEvent zones = GameEvent::Of(GameEvent::Type::kPadZones);
    zones.x = JoystickMapping::kOwnDeadZone;
    zones.y = JoystickMapping::kOwnFireThreshold;
    return zones;
}

} // namespace

PlayInput::PlayInput(const ControlSettings* controls) : zonesInForce_(OwnZones())
{
    if (controls)
        bindings_ = std::make_unique<Bindings>(*controls);
}

const std::vector<GameEvent>& PlayInput::InPlay(const GameEvent& event)
{
    heard_.clear();
    if (bindings_)
        bindings_->InPlay(event, heard_);
    else
        heard_.push_back(event);
    return heard_;
}

GameEvent PlayInput::InMenu(const GameEvent& event) const { return bindings_ ? bindings_->InMenu(event) : event; }

void PlayInput::SetControls(const ControlSettings& controls)
{
    if (bindings_)
        bindings_->Set(controls);
}

bool PlayInput::ZonesToHear(const ControlSettings& controls, GameEvent& zones)
{
    zones = GameEvent::Of(GameEvent::Type::kPadZones);
    zones.x = controls.padDeadZone;
    zones.y = controls.padFireThreshold;
    const bool changed = zones.x != zonesInForce_.x || zones.y != zonesInForce_.y;
    zonesInForce_ = zones;
    return changed;
}

void PlayInput::NotePad(const GameEvent& event)
{
    if (event.IsPad() && event.type != GameEvent::Type::kPadAdded && event.type != GameEvent::Type::kPadRemoved)
        padInUse_ = event.pad;
}

bool PlayInput::PadWentAway(const GameEvent& removed)
{
    if (removed.pad != padInUse_)
        return false;
    padInUse_ = -1;
    return true;
}

void PlayInput::Apply(const GameEvent& heard, Gameplay& gameplay, CSprite* crosshair)
{
    using Type = GameEvent::Type;
    switch (heard.type) {
    case Type::kKeyDown:
        gameplay.KeyDown(heard.key); // the facade ignores all but the eight movement keys
        break;
    case Type::kKeyUp:
        gameplay.KeyUp(heard.key);
        break;
    case Type::kMouseMotion: {
        const vector2 aim(static_cast<float>(heard.x), static_cast<float>(heard.y));
        gameplay.SetAim(aim);
        if (crosshair)
            crosshair->SetCentre(aim);
        break;
    }
    case Type::kMouseDown:
    case Type::kMouseUp:
        if (heard.button != GameEvent::kLeftButton)
            break;
        if (heard.type == Type::kMouseDown)
            gameplay.FirePressed();
        else
            gameplay.FireReleased();
        break;
    case Type::kPadAxis:
        sticks_.HandleEvent(heard, &gameplay);
        break;
    case Type::kPadZones:
        sticks_.SetZones(heard.x, heard.y);
        break;
    default:
        break;
    }
}
