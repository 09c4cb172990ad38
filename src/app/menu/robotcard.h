#pragma once
// The card that introduces a later robot kind over the paused game, the first time the player
// meets it: a menu card titled with the kind's name, its walking picture and the one line on how
// to beat it beside the picture, and "Got it" under them. Enter, space, Escape, a click anywhere
// or any pad button goes on.
#include "app/menu/menu.h"
#include "app/robots/robotsseen.h"
#include "engine/input/gameevent.h"
#include "engine/render/spritecontainer.h"

#include <cstdint>

class RobotCard {
public:
    explicit RobotCard(LaterRobot robot);
    RobotCard(const RobotCard&) = delete;
    RobotCard& operator=(const RobotCard&) = delete;

    // Whether the event (as the game hears it) goes on from the card.
    bool GoesOn(const GameEvent& event) const;
    // Moves the picture on by ms; true, since it walks.
    bool Animate(uint32_t ms);
    void Draw();

    LaterRobot Robot() const { return robot_; }
    const Menu& Card() const { return menu_; }

private:
    void Letter();

    LaterRobot robot_;
    Menu menu_;
    CSpriteContainer sprites_; // the picture and the line
};
