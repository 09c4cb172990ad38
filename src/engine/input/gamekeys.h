#pragma once
// The game's key numbers: the numbers by which the game, its input scripts and its recordings
// name keys (32 space, 119 w, 273 up, 286 F5...: the classic SDL numbers, kept so that every
// recording ever made means what it meant). Each number stands for one place on the keyboard,
// not for what the key types: the key at W's place is 119 on a French keyboard too, where it
// types z. The platform seam turns the keys it hears into these numbers by their place (SDL 2's
// scancodes, the browser's key codes), so a recording replays the same on every layout, on every
// platform.
//
// Each place also has SDL 2's name for it ("W", "Up", "Left Shift", "Keypad Enter"), which means
// the same on every layout: the name a settings file can store. What the key types on the
// player's own layout, the name to show the player, is the platform's to tell (KeyLabel).
#include <cstdint>
#include <string_view>

namespace gamekeys {

inline constexpr int32_t kBackspace = 8;
inline constexpr int32_t kTab = 9;
inline constexpr int32_t kReturn = 13;
inline constexpr int32_t kEscape = 27;
inline constexpr int32_t kSpace = 32;
inline constexpr int32_t kMinus = 45;
inline constexpr int32_t kDigit1 = 49; // the digits 1 to 9 follow it
inline constexpr int32_t kEquals = 61;
inline constexpr int32_t kA = 97;
inline constexpr int32_t kC = 99;
inline constexpr int32_t kD = 100;
inline constexpr int32_t kG = 103;
inline constexpr int32_t kK = 107;
inline constexpr int32_t kM = 109;
inline constexpr int32_t kN = 110;
inline constexpr int32_t kP = 112;
inline constexpr int32_t kS = 115;
inline constexpr int32_t kT = 116;
inline constexpr int32_t kV = 118;
inline constexpr int32_t kW = 119;
inline constexpr int32_t kY = 121;
inline constexpr int32_t kZ = 122;
inline constexpr int32_t kDelete = 127;
inline constexpr int32_t kKeypadEnter = 271;
inline constexpr int32_t kUp = 273;
inline constexpr int32_t kDown = 274;
inline constexpr int32_t kRight = 275;
inline constexpr int32_t kLeft = 276;
inline constexpr int32_t kHome = 278;
inline constexpr int32_t kEnd = 279;
inline constexpr int32_t kF5 = 286;
inline constexpr int32_t kF11 = 292;
inline constexpr int32_t kRightShift = 303;
inline constexpr int32_t kLeftShift = 304;
inline constexpr int32_t kRightCtrl = 305;
inline constexpr int32_t kLeftCtrl = 306;

// Key numbers run from 1 to kLimit - 1.
inline constexpr int32_t kLimit = 323;

// One place on the keyboard: its key number, its USB usage (which is SDL 2's scancode for it),
// SDL 2's name for it and the browser's code for it (KeyboardEvent.code).
struct KeyPlace {
    int32_t number;
    int32_t scancode;
    const char* name;
    const char* browserCode;
};

// The place of a key number, a scancode, a browser code, or a name (SDL 2's, in any case); null
// for one that names no place the game knows.
const KeyPlace* PlaceOfNumber(int32_t number);
const KeyPlace* PlaceOfScancode(int32_t scancode);
const KeyPlace* PlaceOfBrowserCode(std::string_view code);
const KeyPlace* PlaceOfName(std::string_view name);

} // namespace gamekeys
