#include "engine/input/gamekeys.h"

#include <cctype>
#include <cstring>

namespace gamekeys {
namespace {

// Every place the game knows, by key number. The punctuation keys carry the number of what they
// type on a US keyboard, the key left of Z on an ISO keyboard that of "<".
constexpr KeyPlace kPlaces[] = {
    {8, 42, "Backspace", "Backspace"}, {9, 43, "Tab", "Tab"}, {13, 40, "Return", "Enter"},
    {19, 72, "Pause", "Pause"}, {27, 41, "Escape", "Escape"}, {32, 44, "Space", "Space"}, {35, 50, "#", ""},
    {39, 52, "'", "Quote"}, {44, 54, ",", "Comma"}, {45, 45, "-", "Minus"}, {46, 55, ".", "Period"},
    {47, 56, "/", "Slash"}, {48, 39, "0", "Digit0"}, {49, 30, "1", "Digit1"}, {50, 31, "2", "Digit2"},
    {51, 32, "3", "Digit3"}, {52, 33, "4", "Digit4"}, {53, 34, "5", "Digit5"}, {54, 35, "6", "Digit6"},
    {55, 36, "7", "Digit7"}, {56, 37, "8", "Digit8"}, {57, 38, "9", "Digit9"}, {59, 51, ";", "Semicolon"},
    {60, 100, "NonUSBackslash", "IntlBackslash"}, {61, 46, "=", "Equal"}, {91, 47, "[", "BracketLeft"},
    {92, 49, "\\", "Backslash"}, {93, 48, "]", "BracketRight"}, {96, 53, "`", "Backquote"}, {97, 4, "A", "KeyA"},
    {98, 5, "B", "KeyB"}, {99, 6, "C", "KeyC"}, {100, 7, "D", "KeyD"}, {101, 8, "E", "KeyE"},
    {102, 9, "F", "KeyF"}, {103, 10, "G", "KeyG"}, {104, 11, "H", "KeyH"}, {105, 12, "I", "KeyI"},
    {106, 13, "J", "KeyJ"}, {107, 14, "K", "KeyK"}, {108, 15, "L", "KeyL"}, {109, 16, "M", "KeyM"},
    {110, 17, "N", "KeyN"}, {111, 18, "O", "KeyO"}, {112, 19, "P", "KeyP"}, {113, 20, "Q", "KeyQ"},
    {114, 21, "R", "KeyR"}, {115, 22, "S", "KeyS"}, {116, 23, "T", "KeyT"}, {117, 24, "U", "KeyU"},
    {118, 25, "V", "KeyV"}, {119, 26, "W", "KeyW"}, {120, 27, "X", "KeyX"}, {121, 28, "Y", "KeyY"},
    {122, 29, "Z", "KeyZ"}, {127, 76, "Delete", "Delete"}, {256, 98, "Keypad 0", "Numpad0"},
    {257, 89, "Keypad 1", "Numpad1"}, {258, 90, "Keypad 2", "Numpad2"}, {259, 91, "Keypad 3", "Numpad3"},
    {260, 92, "Keypad 4", "Numpad4"}, {261, 93, "Keypad 5", "Numpad5"}, {262, 94, "Keypad 6", "Numpad6"},
    {263, 95, "Keypad 7", "Numpad7"}, {264, 96, "Keypad 8", "Numpad8"}, {265, 97, "Keypad 9", "Numpad9"},
    {266, 99, "Keypad .", "NumpadDecimal"}, {267, 84, "Keypad /", "NumpadDivide"},
    {268, 85, "Keypad *", "NumpadMultiply"}, {269, 86, "Keypad -", "NumpadSubtract"},
    {270, 87, "Keypad +", "NumpadAdd"}, {271, 88, "Keypad Enter", "NumpadEnter"},
    {272, 103, "Keypad =", "NumpadEqual"}, {273, 82, "Up", "ArrowUp"}, {274, 81, "Down", "ArrowDown"},
    {275, 79, "Right", "ArrowRight"}, {276, 80, "Left", "ArrowLeft"}, {277, 73, "Insert", "Insert"},
    {278, 74, "Home", "Home"}, {279, 77, "End", "End"}, {280, 75, "PageUp", "PageUp"},
    {281, 78, "PageDown", "PageDown"}, {282, 58, "F1", "F1"}, {283, 59, "F2", "F2"}, {284, 60, "F3", "F3"},
    {285, 61, "F4", "F4"}, {286, 62, "F5", "F5"}, {287, 63, "F6", "F6"}, {288, 64, "F7", "F7"},
    {289, 65, "F8", "F8"}, {290, 66, "F9", "F9"}, {291, 67, "F10", "F10"}, {292, 68, "F11", "F11"},
    {293, 69, "F12", "F12"}, {294, 104, "F13", "F13"}, {295, 105, "F14", "F14"}, {296, 106, "F15", "F15"},
    {300, 83, "Numlock", "NumLock"}, {301, 57, "CapsLock", "CapsLock"}, {302, 71, "ScrollLock", "ScrollLock"},
    {303, 229, "Right Shift", "ShiftRight"}, {304, 225, "Left Shift", "ShiftLeft"},
    {305, 228, "Right Ctrl", "ControlRight"}, {306, 224, "Left Ctrl", "ControlLeft"},
    {307, 230, "Right Alt", "AltRight"}, {308, 226, "Left Alt", "AltLeft"}, {311, 227, "Left GUI", "MetaLeft"},
    {312, 231, "Right GUI", "MetaRight"}, {313, 257, "ModeSwitch", ""}, {315, 117, "Help", "Help"},
    {316, 70, "PrintScreen", "PrintScreen"}, {317, 154, "SysReq", ""}, {319, 101, "Application", "ContextMenu"},
    {320, 102, "Power", "Power"}, {322, 122, "Undo", "Undo"},
};

bool SameName(std::string_view a, const char* b)
{
    if (a.size() != std::strlen(b))
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

template <typename Matches>
const KeyPlace* Find(Matches matches)
{
    for (const KeyPlace& place : kPlaces) {
        if (matches(place))
            return &place;
    }
    return nullptr;
}

} // namespace

const KeyPlace* PlaceOfNumber(int32_t number)
{
    return Find([number](const KeyPlace& place) { return place.number == number; });
}

const KeyPlace* PlaceOfScancode(int32_t scancode)
{
    return Find([scancode](const KeyPlace& place) { return place.scancode == scancode; });
}

const KeyPlace* PlaceOfBrowserCode(std::string_view code)
{
    if (code.empty())
        return nullptr;
    return Find([code](const KeyPlace& place) { return code == place.browserCode; });
}

const KeyPlace* PlaceOfName(std::string_view name)
{
    if (name.empty())
        return nullptr;
    return Find([name](const KeyPlace& place) { return SameName(name, place.name); });
}

} // namespace gamekeys
