#pragma once
// How the game names the keys and buttons it tells the player about, in the device last used: a
// key by what it types on the player's own layout ("Z" at W's place on a French keyboard), a
// pad's button as the pad in hand labels it ("A", "Cross", a Nintendo pad's "B").
#include "engine/platform.h"

#include <cstdint>
#include <string>

class InputNames {
public:
    // Without a platform (the headless game, tests), keys by their places and the keyboard in use.
    explicit InputNames(const Platform* platform) : platform_(platform) {}

    LastDevice Device() const { return platform_ ? platform_->LastUsed() : LastDevice(); }
    bool PadInUse() const { return Device().pad; }
    // "W", "Space", "Esc", "Enter", "F5".
    std::string Key(int32_t key) const;
    // "A", "Cross", "Start".
    std::string Button(int32_t button) const;
    // The key, or while a pad is in use, the pad's button.
    std::string KeyOrButton(int32_t key, int32_t button) const { return PadInUse() ? Button(button) : Key(key); }

private:
    const Platform* platform_;
};
