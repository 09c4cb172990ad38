#include "app/control/bindings.h"

namespace {

bool Pressed(const GameEvent& event)
{
    return event.type == GameEvent::Type::kKeyDown || event.type == GameEvent::Type::kMouseDown ||
           event.type == GameEvent::Type::kPadDown;
}

// The key or mouse button of an event; an empty input for any other event.
KeyInput KeyOf(const GameEvent& event)
{
    if (event.IsKey())
        return KeyInput::Key(event.key);
    if (event.type == GameEvent::Type::kMouseDown || event.type == GameEvent::Type::kMouseUp)
        return KeyInput::Mouse(event.button);
    return KeyInput();
}

bool IsPadButton(const GameEvent& event)
{
    return event.type == GameEvent::Type::kPadDown || event.type == GameEvent::Type::kPadUp;
}

GameEvent Heard(const KeyInput& meaning, bool down)
{
    return meaning.kind == KeyInput::Kind::kMouse ? GameEvent::MouseButton(meaning.code, down)
                                                  : GameEvent::Key(meaning.code, down);
}

} // namespace

bool Bindings::ActionOf(const GameEvent& event, Action& action) const
{
    const KeyInput key = KeyOf(event);
    if (!key.Empty())
        return controls_.ActionOfKey(key, action);
    return IsPadButton(event) && controls_.ActionOfPadButton(event.button, action);
}

bool Bindings::OnceBound(const GameEvent& event) const
{
    Action action;
    const KeyInput key = KeyOf(event);
    if (!key.Empty())
        return ControlSettings::Defaults().ActionOfKey(key, action);
    // A pad's button continues the pad's own way only while continuing is not bound to a button.
    return IsPadButton(event) && controls_.PadOf(Action::kContinue).kind != PadInput::Kind::kOwnWay;
}

void Bindings::Meaning(Action action, bool down, std::vector<GameEvent>& out)
{
    if (action != Action::kFire || !controls_.toggleFire) {
        out.push_back(Heard(MeaningOf(action), down));
        return;
    }
    // Toggled: a press starts or stops the fire, a release does nothing.
    if (!down)
        return;
    firing_ = !firing_;
    out.push_back(Heard(MeaningOf(action), firing_));
}

void Bindings::InPlay(const GameEvent& event, std::vector<GameEvent>& out)
{
    Action action;
    if (ActionOf(event, action))
        Meaning(action, Pressed(event), out);
    else if (!OnceBound(event))
        out.push_back(event);
}

GameEvent Bindings::InMenu(const GameEvent& event) const
{
    Action action;
    return ActionOf(event, action) ? Heard(MeaningOf(action), Pressed(event)) : event;
}

GameEvent InMenu(const ControlSettings* controls, const GameEvent& event)
{
    return controls ? Bindings(*controls).InMenu(event) : event;
}
