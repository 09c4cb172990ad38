#pragma once
// A twin-stick game pad in play: the left stick presses and releases the four movement keys once
// pushed past its dead zone (a quarter of its travel unless the player chose otherwise), the right
// stick aims around the player and fires when pushed past its fire threshold (half its travel).
// Buttons do not go through this mapping: the frame loop treats every pad button as the space
// bar. Which pad an event came from is not looked at: two pads share the sticks, each axis as the
// last one left it.
#include "engine/input/gameevent.h"

#include <cstdint>
#include <map>
#include <vector>

class Gameplay;

class JoystickMapping {
public:
    JoystickMapping();

    // The dead zone and the fire threshold, in per cent of a stick's travel.
    static constexpr int kOwnDeadZone = 25;
    static constexpr int kOwnFireThreshold = 50;
    void SetZones(int deadZone, int fireThreshold);

    // Axis events update the stored axis and re-evaluate all five virtual buttons and the aim;
    // other events change nothing.
    void HandleEvent(const GameEvent& event, Gameplay* gameplay);
    // The value of a logical control (0 move x, 1 move y, 2 aim x, 3 aim y), 1.0 at full scale.
    float ControlValue(int control) const;
    std::size_t AxisCount() const { return axisValues_.size(); }
    // The axis events that bring every stick back to its centre: what a pad that went away
    // leaves behind, so that nothing it held stays held.
    std::vector<GameEvent> CentringEvents() const;

    // Where the sticks stand and what they hold pressed, with the zones in force: what a replay
    // of a level takes over from the game as the level began.
    struct State {
        int deadZone = kOwnDeadZone;
        int fireThreshold = kOwnFireThreshold;
        uint32_t pressed = 0; // the virtual buttons held, a bit each
        std::vector<int32_t> axes = std::vector<int32_t>(6, 0);
        bool operator==(const State& other) const
        {
            return deadZone == other.deadZone && fireThreshold == other.fireThreshold && pressed == other.pressed &&
                   axes == other.axes;
        }
    };
    State Saved() const;
    // Stands the sticks as the state says, telling the game nothing.
    void Restore(const State& state);

private:
    enum VirtualButton { kFire, kLeft, kRight, kUp, kDown, kButtonCount };
    void SetButton(int button, bool pressed, Gameplay* gameplay);

    std::vector<int32_t> axisValues_;
    float fullScale_ = 32768.0f;
    float moveThreshold_ = 0.25f;
    float fireThreshold_ = 0.5f;
    int deadZone_ = kOwnDeadZone; // the zones as set, in per cent
    int fireZone_ = kOwnFireThreshold;
    std::map<int, int> axisForControl_; // physical axis -> logical control
    uint32_t virtualButtons_ = 0;
};
