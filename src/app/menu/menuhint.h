#pragma once
// The line under a menu that says what the keys that do something there do, in the keys or the
// pad's buttons the player last used: "Enter: take · Esc: back", "A: take · B: back"; a card
// where Escape does nothing says only "Enter: take", one that waits for a key says which keys
// still do something ("Esc: cancel · Backspace: clear the second"). A hint too wide for the
// picture (a problem said whole) breaks onto two lines.
#include "app/control/inputnames.h"
#include "app/text/translate.h"
#include "app/text/lettering.h"
#include "engine/render/spritecontainer.h"

#include <string>

class MenuHint {
public:
    MenuHint() = default;
    MenuHint(const MenuHint&) = delete;
    MenuHint& operator=(const MenuHint&) = delete;

    // Letters the hint; true when that changed what shows.
    bool Show(const std::string& text);
    void Draw() { sprites_.Draw(); }
    const std::string& Shown() const { return shown_; }

    // "Enter: take · Esc: back" with the words given for what taking and going back do there;
    // an empty word leaves its key out.
    static std::string Text(const InputNames& names, const std::string& take = NoTr("hint", "take"),
                            const std::string& back = NoTr("hint", "back"));
    // The key or button that takes a line, and the one that goes back.
    static std::string TakeKey(const InputNames& names);
    static std::string BackKey(const InputNames& names);

private:
    CSpriteContainer sprites_;
    LetteredText first_; // the first of two lines, for a hint too wide for one
    LetteredText line_;
    std::string shown_;
};
