#include "app/control/joystick.h"

#include "engine/input/gamekeys.h"
#include "engine/input/padbuttons.h"
#include "world/gameplay.h"

#include <cmath>

namespace {

constexpr float kAimReach = 200.0f;

} // namespace

JoystickMapping::JoystickMapping()
    : axisValues_(6, 0),
      axisForControl_{{pads::kLeftX, 0}, {pads::kLeftY, 1}, {pads::kRightY, 3}, {pads::kRightX, 2}}
{
}

void JoystickMapping::SetZones(int deadZone, int fireThreshold)
{
    deadZone_ = deadZone;
    fireZone_ = fireThreshold;
    moveThreshold_ = static_cast<float>(deadZone) / 100.0f;
    fireThreshold_ = static_cast<float>(fireThreshold) / 100.0f;
}

JoystickMapping::State JoystickMapping::Saved() const { return State{deadZone_, fireZone_, virtualButtons_, axisValues_}; }

void JoystickMapping::Restore(const State& state)
{
    SetZones(state.deadZone, state.fireThreshold);
    virtualButtons_ = state.pressed;
    axisValues_ = state.axes;
}

float JoystickMapping::ControlValue(int control) const
{
    for (const auto& pair : axisForControl_) {
        if (pair.second != control)
            continue;
        const std::size_t axis = static_cast<std::size_t>(pair.first);
        return axis < axisValues_.size() ? static_cast<float>(axisValues_[axis]) / fullScale_ : 0.0f;
    }
    return 0.0f;
}

void JoystickMapping::HandleEvent(const GameEvent& event, Gameplay* gameplay)
{
    if (event.type != GameEvent::Type::kPadAxis || event.axis < 0 || event.axis > 255)
        return;
    const std::size_t axis = static_cast<std::size_t>(event.axis);
    if (axis >= axisValues_.size())
        axisValues_.resize(axis + 1, 0);
    axisValues_[axis] = event.value;

    const float x = ControlValue(0);
    const float y = ControlValue(1);
    SetButton(kLeft, x < -moveThreshold_, gameplay);
    SetButton(kRight, x > moveThreshold_, gameplay);
    SetButton(kUp, y < -moveThreshold_, gameplay);
    SetButton(kDown, y > moveThreshold_, gameplay);
    const float ax = ControlValue(2);
    const float ay = ControlValue(3);
    SetButton(kFire, std::fabs(ax) > fireThreshold_ || std::fabs(ay) > fireThreshold_, gameplay);
    gameplay->SetAim(gameplay->GetPlayerPosition() + vector2(ax, ay) * kAimReach);
}

void JoystickMapping::SetButton(int button, bool pressed, Gameplay* gameplay)
{
    const uint32_t bit = 1u << button;
    if (((virtualButtons_ & bit) != 0) == pressed)
        return;
    virtualButtons_ ^= bit;
    static const int kArrows[kButtonCount] = {0, gamekeys::kLeft, gamekeys::kRight, gamekeys::kUp, gamekeys::kDown};
    if (button == kFire) {
        if (pressed)
            gameplay->FirePressed();
        else
            gameplay->FireReleased();
    } else if (pressed) {
        gameplay->KeyDown(kArrows[button]);
    } else {
        gameplay->KeyUp(kArrows[button]);
    }
}

std::vector<GameEvent> JoystickMapping::CentringEvents() const
{
    std::vector<GameEvent> events;
    for (const auto& pair : axisForControl_) {
        const std::size_t axis = static_cast<std::size_t>(pair.first);
        if (axis < axisValues_.size() && axisValues_[axis] != 0)
            events.push_back(GameEvent::PadAxis(pair.first, 0));
    }
    return events;
}
