#pragma once
// A screen that is one menu card over another screen: the level select, the options and the pause
// menu. The screen under it hands it the events and draws it on top; the card runs its menu, says
// what an event did to it (Hear) and, once the player is done with it, what comes next
// (WhatNext: back to the screen under it, play from a level, the main menu, quit...). What the
// card's lines mean is the card's own: a line taken, a value changed. The screen under a card
// letters the card's hint (what its keys do) under it.
#include "app/control/controls.h"
#include "app/menu/menu.h"
#include "app/menu/menuhint.h"
#include "app/screen/gamescreen.h"

#include <limits>
#include <string>
#include <vector>

class MenuCard : public GameScreen {
public:
    enum class Heard {
        kNothing,         // the event changed nothing on the card
        kShown,           // the card changed (a move, a value)
        kSettingsChanged, // and a setting changed with it: whoever uses the settings takes them anew
    };

    // Runs the event through the menu and the card's meaning of it.
    virtual Heard Hear(const GameEvent& event);

    // The screen under the card ticks; the card has nothing of its own to do.
    bool Tick(uint32_t) override { return false; }
    uint32_t NextDue() const override { return std::numeric_limits<uint32_t>::max(); }
    void HandleEvent(const GameEvent& event) override { Hear(event); }
    void Draw() override { menu_.Draw(); }
    Change WhatNext() const override { return next_; }

    const Menu& Card() const { return menu_; }
    // What the hint line under the card says the keys do there (app/menu/menuhint.h).
    virtual std::string Hint(const InputNames& names) const { return MenuHint::Text(names); }
    // Moves a moving picture on the card on by ms; true when the card's picture changed.
    virtual bool Animate(uint32_t) { return false; }

protected:
    // controls: the player's, through which the menu hears keys and buttons (null: the game's
    // own keys).
    MenuCard(const std::string& title, const std::vector<Menu::Choice>& choices, const ControlSettings* controls)
        : menu_(title, choices), controls_(controls)
    {
    }

    // What taking a line does; what a line's new value does (it shows already); going back.
    virtual Heard Take(int line) = 0;
    virtual Heard ChangeValue(int, int) { return Heard::kShown; }
    virtual Heard Back();

    Menu menu_;
    const ControlSettings* controls_;
    Change next_;
};
