#pragma once
// How the game names the keys and buttons it tells the player about, in the device last used: a
// key by what it types on the player's own layout ("Z" at W's place on a French keyboard), a
// pad's button as the pad in hand labels it ("A", "Cross", a Nintendo pad's "B"), an action by
// the first key or the pad binding the player gave it.
#include "app/control/controls.h"
#include "engine/platform/platform.h"

#include <cstdint>
#include <string>

class InputNames {
public:
    // Without a platform (the headless game, tests), keys by their places and the keyboard in
    // use; without controls, the game's own.
    explicit InputNames(const Platform* platform, const ControlSettings* controls = nullptr)
        : platform_(platform), controls_(controls)
    {
    }

    LastDevice Device() const { return platform_ ? platform_->LastUsed() : LastDevice(); }
    bool PadInUse() const { return Device().pad; }
    // "W", "Space", "Esc", "Enter", "F5".
    std::string Key(int32_t key) const;
    // "A", "Cross", "Start".
    std::string Button(int32_t button) const;
    // A key or a mouse button: the key's name, "Mouse Left".
    std::string Input(const KeyInput& input) const;
    // The key, or while a pad is in use, the pad's button.
    std::string KeyOrButton(int32_t key, int32_t button) const { return PadInUse() ? Button(button) : Key(key); }
    // How to do the action with the device in use: its first key, or the pad's binding ("A",
    // "L stick"); the key when the pad has none for it.
    std::string Action(::Action action) const;
    // The pad's binding of the action: its button, its own way ("L stick", "any button"), or
    // "-" for none.
    std::string Pad(::Action action) const;

private:
    const ControlSettings& Controls() const;

    const Platform* platform_;
    const ControlSettings* controls_;
};
