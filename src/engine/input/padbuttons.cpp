#include "engine/input/padbuttons.h"

namespace pads {
namespace {

// The face buttons south, east, west, north, then back, guide and start, the sticks pressed, the
// shoulders; the pad is held the same way in every family, only the labels differ.
const char* const kXboxNames[] = {"A", "B", "X", "Y", "Back", "Xbox", "Start", "LS", "RS", "LB", "RB"};
const char* const kPlayStationNames[] = {"Cross", "Circle", "Square", "Triangle", "Share", "PS",
                                         "Options", "L3", "R3", "L1", "R1"};
const char* const kNintendoNames[] = {"B", "A", "Y", "X", "-", "Home", "+", "LS", "RS", "L", "R"};
const char* const kGenericNames[] = {"A", "B", "X", "Y", "Back", "Guide", "Start", "LS", "RS", "LB", "RB"};
const char* const kDpadNames[] = {"D-pad up", "D-pad down", "D-pad left", "D-pad right"};
// In the order of the buttons.
const char* const kKeyNames[kButtonCount] = {"a",         "b",          "x",          "y",
                                            "back",      "guide",      "start",      "leftstick",
                                            "rightstick", "leftshoulder", "rightshoulder", "dpup",
                                            "dpdown",    "dpleft",     "dpright"};

const char* const* NamesOf(Family family)
{
    switch (family) {
    case Family::kXbox:
        return kXboxNames;
    case Family::kPlayStation:
        return kPlayStationNames;
    case Family::kNintendo:
        return kNintendoNames;
    case Family::kGeneric:
        break;
    }
    return kGenericNames;
}

} // namespace

std::string ButtonName(Family family, int32_t button)
{
    if (button >= kSouth && button < kDpadUp)
        return NamesOf(family)[button];
    if (button >= kDpadUp && button < kButtonCount)
        return kDpadNames[button - kDpadUp];
    return "button " + std::to_string(button);
}

std::string ButtonKeyName(int32_t button)
{
    return button >= 0 && button < kButtonCount ? kKeyNames[button] : "";
}

int32_t ButtonOfKeyName(const std::string& name)
{
    for (int32_t button = 0; button < kButtonCount; ++button) {
        if (name == kKeyNames[button])
            return button;
    }
    return -1;
}

const char* FamilyName(Family family)
{
    switch (family) {
    case Family::kXbox:
        return "Xbox";
    case Family::kPlayStation:
        return "PlayStation";
    case Family::kNintendo:
        return "Nintendo";
    case Family::kGeneric:
        break;
    }
    return "pad";
}

} // namespace pads
