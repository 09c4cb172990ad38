#pragma once
// How to play's page of the later robot kinds the player has met: each kind met, in the order met,
// with its walking picture, its name and its line on how to beat it, so the player can read again
// what the card that introduced it said.
#include "app/robots/robotsseen.h"
#include "engine/render/spritecontainer.h"

#include <cstdint>

class RobotsPage {
public:
    explicit RobotsPage(const RobotsSeen& seen);
    RobotsPage(const RobotsPage&) = delete;
    RobotsPage& operator=(const RobotsPage&) = delete;

    // The kinds it shows, in order.
    const std::vector<LaterRobot>& Robots() const { return robots_; }
    void Animate(uint32_t ms) { sprites_.UpdateAnimations(ms); }
    void Draw() { sprites_.Draw(); }

private:
    std::vector<LaterRobot> robots_;
    CSpriteContainer sprites_;
};
