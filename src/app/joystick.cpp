#include "app/joystick.h"

#include "world/gameplay.h"

#include <cmath>
#include <cstring>
#include <iostream>

namespace {

constexpr float kMoveThreshold = 0.25f;
constexpr float kFireThreshold = 0.5f;
constexpr float kAimReach = 200.0f;

// A pad that went away may have no name.
const char* JoystickName(int index)
{
    const char* name = SDL_JoystickName(index);
    return name ? name : "";
}

} // namespace

JoystickMapping::JoystickMapping() : axisValues_(6, 0), axisForControl_{{0, 0}, {1, 1}, {3, 3}, {4, 2}} {}

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

void JoystickMapping::HandleEvent(const SDL_Event& event, Gameplay* gameplay)
{
    if (event.type != SDL_JOYAXISMOTION)
        return;
    const std::size_t axis = event.jaxis.axis;
    if (axis >= axisValues_.size())
        axisValues_.resize(axis + 1, 0);
    axisValues_[axis] = event.jaxis.value;

    const float x = ControlValue(0);
    const float y = ControlValue(1);
    SetButton(kLeft, x < -kMoveThreshold, gameplay);
    SetButton(kRight, x > kMoveThreshold, gameplay);
    SetButton(kUp, y < -kMoveThreshold, gameplay);
    SetButton(kDown, y > kMoveThreshold, gameplay);
    const float ax = ControlValue(2);
    const float ay = ControlValue(3);
    SetButton(kFire, std::fabs(ax) > kFireThreshold || std::fabs(ay) > kFireThreshold, gameplay);
    gameplay->SetAim(gameplay->GetPlayerPosition() + vector2(ax, ay) * kAimReach);
}

void JoystickMapping::SetButton(int button, bool pressed, Gameplay* gameplay)
{
    const uint32_t bit = 1u << button;
    if (((virtualButtons_ & bit) != 0) == pressed)
        return;
    virtualButtons_ ^= bit;
    static const int kArrows[kButtonCount] = {0, SDLK_LEFT, SDLK_RIGHT, SDLK_UP, SDLK_DOWN};
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

int OpenJoystick()
{
    const int count = SDL_NumJoysticks();
    if (count < 1) {
        std::cout << count << std::endl << "Couldn't find a joystick" << std::endl;
        return -1;
    }
    int chosen = 0;
    for (int i = 0; i < count; ++i) {
        const char* name = JoystickName(i);
        const bool preferred = std::strstr(name, "360") != nullptr;
        if (preferred)
            chosen = i;
        std::cout << (preferred ? "[x] " : "[ ] ") << name << std::endl;
    }
    if (SDL_Joystick* joystick = SDL_JoystickOpen(chosen)) {
        std::cout << "Opened Joystick: " << chosen << std::endl
                  << "Name: " << JoystickName(chosen) << std::endl
                  << "Number of Axes: " << SDL_JoystickNumAxes(joystick) << std::endl
                  << "Number of Buttons: " << SDL_JoystickNumButtons(joystick) << std::endl
                  << "Number of Balls: " << SDL_JoystickNumBalls(joystick) << std::endl;
    }
    SDL_JoystickEventState(SDL_ENABLE);
    return chosen;
}

void HandleJoystickEvent(const SDL_Event& event, Gameplay* gameplay)
{
    static JoystickMapping mapping;
    mapping.HandleEvent(event, gameplay);
}
