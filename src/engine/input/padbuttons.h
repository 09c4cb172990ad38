#pragma once
// A pad as the game numbers it, whatever the pad and the platform: its axes and its buttons, by
// where they sit, and what the pad in the player's hand calls each button.
//
// Axes: 0 and 1 the left stick (x, y), 4 the right stick's x and 3 its y, 2 and 5 the left and
// right triggers: the numbers the game has always given a 360 pad's axes, which its input
// scripts and recordings hold ("joyaxis 4 ..." is the right stick's x).
//
// Buttons go by their place: kSouth is the face button nearest the player whatever its label
// (A on an Xbox pad, cross on a PlayStation one, B on a Nintendo one), and so on round the face.
#include <cstdint>
#include <string>

namespace pads {

enum Axis : int32_t {
    kLeftX = 0,
    kLeftY = 1,
    kLeftTrigger = 2,
    kRightY = 3,
    kRightX = 4,
    kRightTrigger = 5,
};

enum Button : int32_t {
    kSouth = 0,
    kEast = 1,
    kWest = 2,
    kNorth = 3,
    kBack = 4,
    kGuide = 5,
    kStart = 6,
    kLeftStick = 7,
    kRightStick = 8,
    kLeftShoulder = 9,
    kRightShoulder = 10,
    kDpadUp = 11,
    kDpadDown = 12,
    kDpadLeft = 13,
    kDpadRight = 14,
    kButtonCount = 15,
};

// The families of pads whose buttons are labelled alike.
enum class Family { kGeneric, kXbox, kPlayStation, kNintendo };

// What a pad of the family calls the button ("A", "Cross", "B", "LB", "D-pad up").
std::string ButtonName(Family family, int32_t button);
// "Xbox", "PlayStation", "Nintendo", "pad".
const char* FamilyName(Family family);

// SDL 2's name for a button by its place ("a" for kSouth, "start", "dpup"), which means the same on
// every pad and in every browser: the name a settings file stores. Empty for one it has no name
// for; -1 for a name that is no button's.
std::string ButtonKeyName(int32_t button);
int32_t ButtonOfKeyName(const std::string& name);

} // namespace pads
