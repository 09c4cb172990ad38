#pragma once
// The line under a menu that says how to take a choice and how to go back, in the keys or the
// pad's buttons the player last used: "Enter: take · Esc: back", "A: take · B: back".
#include "app/control/inputnames.h"
#include "app/text/lettering.h"
#include "engine/render/spritecontainer.h"

#include <string>

class MenuHint {
public:
    MenuHint() = default;
    MenuHint(const MenuHint&) = delete;
    MenuHint& operator=(const MenuHint&) = delete;

    // Letters the hint as the names give it; true when that changed what shows.
    bool Show(const InputNames& names);
    void Draw() { sprites_.Draw(); }

    static std::string Text(const InputNames& names);

private:
    CSpriteContainer sprites_;
    LetteredText line_;
    std::string shown_;
};
