#pragma once
// A game pad without hardware: SDL 2's virtual joystick, attached as a game controller of a
// given make (its USB vendor and product, from which SDL tells its type), moved and pressed by
// the test, and listening for the rumble the game asks of it. SDL must have its game-controller
// subsystem started (the platform does) before one is made.
#include <SDL.h>

#include <cstdint>

namespace testsupport {

class VirtualPad {
public:
    struct Make {
        uint16_t vendor;
        uint16_t product;
        const char* name;
    };
    static constexpr Make kXbox360{0x045e, 0x028e, "Virtual Xbox 360 pad"};
    static constexpr Make kPlayStation4{0x054c, 0x09cc, "Virtual DualShock 4"};
    static constexpr Make kSwitchPro{0x057e, 0x2009, "Virtual Switch Pro pad"};

    explicit VirtualPad(const Make& make);
    ~VirtualPad();
    VirtualPad(const VirtualPad&) = delete;
    VirtualPad& operator=(const VirtualPad&) = delete;

    bool Attached() const { return joystick_ != nullptr; }
    void Detach();
    // The stick or trigger (SDL's game-controller axis) to a value; the button pressed or released.
    // They are set on whichever of the joystick's own axes and buttons SDL maps them from: for a
    // pad of a known make, its entry in SDL's database.
    void SetAxis(SDL_GameControllerAxis axis, int16_t value);
    void SetButton(SDL_GameControllerButton button, bool down);
    // SDL's events are read on the next poll; this lets them through now.
    static void Update() { SDL_PumpEvents(); }

    int RumbleRequests() const { return rumbles_; }
    uint16_t LastRumble() const { return lastRumble_; }

private:
    static int OnRumble(void* self, uint16_t low, uint16_t high);

    int deviceIndex_ = -1;
    SDL_Joystick* joystick_ = nullptr;
    SDL_GameController* controller_ = nullptr; // for its mapping
    int rumbles_ = 0;
    uint16_t lastRumble_ = 0;
};

} // namespace testsupport
