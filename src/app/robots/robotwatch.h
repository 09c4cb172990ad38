#pragma once
// Watches a person's game for the later robot kinds: the first time a robot of a kind the player
// has never met comes onto the paper (its body's centre within the picture), that kind is the one
// to introduce, and it is noted at once in the player's file of kinds met, so it is introduced
// once per player, whatever happens next. It only looks at the world: what it sees changes nothing
// there.
#include "app/robots/robotsseen.h"

#include <optional>

class Gameplay;

class RobotWatch {
public:
    // The kinds met so far are those the file holds.
    explicit RobotWatch(const RobotsSeenFile& file);

    // A kind on the paper now that the player meets for the first time (noted as met), or none.
    // Two kinds met in one step are introduced one after the other, a step apart.
    std::optional<LaterRobot> Meets(const Gameplay& gameplay);
    const RobotsSeen& Seen() const { return seen_; }

private:
    RobotsSeenFile file_;
    RobotsSeen seen_;
};
