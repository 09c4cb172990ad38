#pragma once
// The unit of recording and replay: one timed input applied to a character.
#include "characters/characterref.h"

#include <cstdint>

enum InputEventType : uint32_t {
    kEventPressed = 0,  // control `key` pressed
    kEventReleased = 1, // control `key` released
    kEventAim = 2,      // new aim point (x, y)
    kEventDeath = 3,
    kEventTarget = 4, // a robot's new target `other`
};

// Controls carried by pressed and released events.
enum Control : uint32_t { kControlUp = 0, kControlDown = 1, kControlLeft = 2, kControlRight = 3, kControlFire = 4 };

struct InputEvent {
    uint32_t type = 0;
    uint32_t key = 0; // only the low byte is read
    float x = 0.0f;
    float y = 0.0f;
    uint32_t time = 0; // world time when the event was made
    CharacterRef other;
};
static_assert(sizeof(InputEvent) == 24, "a recorded event is six 32-bit words");
