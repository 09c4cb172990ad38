#pragma once
// A twin-stick game pad: the left stick presses and releases the four movement keys, the right
// stick aims around the player and fires when pushed past half its travel. Buttons do not go
// through this mapping: the frame loop treats every joystick button as the space bar.
#include <SDL.h>

#include <cstdint>
#include <map>
#include <vector>

class Gameplay;

class JoystickMapping {
public:
    JoystickMapping();

    // Axis events update the stored axis and re-evaluate all five virtual buttons and the aim;
    // other events change nothing.
    void HandleEvent(const SDL_Event& event, Gameplay* gameplay);
    // The value of a logical control (0 move x, 1 move y, 2 aim x, 3 aim y), 1.0 at full scale.
    float ControlValue(int control) const;
    std::size_t AxisCount() const { return axisValues_.size(); }

private:
    enum VirtualButton { kFire, kLeft, kRight, kUp, kDown, kButtonCount };
    void SetButton(int button, bool pressed, Gameplay* gameplay);

    std::vector<int32_t> axisValues_;
    float fullScale_ = 32768.0f;
    std::map<int, int> axisForControl_; // physical axis -> logical control
    uint32_t virtualButtons_ = 0;
};

// Lists the joysticks on the console, prefers one whose name holds "360", and opens it.
// Returns its index, or -1 when there is none.
int OpenJoystick();
// The game's own mapping, alive for the whole run.
void HandleJoystickEvent(const SDL_Event& event, Gameplay* gameplay);
