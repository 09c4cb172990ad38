#include "app/keynumbers.h"

namespace {

// Below 256 the numbers are characters (letters, digits, space, Escape...), the same keys in
// every SDL. Above, the named keys of SDL 1.2, each with the compiled SDL's name for it.
struct NamedKey {
    int number;
    SDLKey key;
};

constexpr int kFirstNamedNumber = 256;

constexpr NamedKey kNamedKeys[] = {
    {256, SDLK_KP0}, {257, SDLK_KP1}, {258, SDLK_KP2}, {259, SDLK_KP3},
    {260, SDLK_KP4}, {261, SDLK_KP5}, {262, SDLK_KP6}, {263, SDLK_KP7},
    {264, SDLK_KP8}, {265, SDLK_KP9}, {266, SDLK_KP_PERIOD}, {267, SDLK_KP_DIVIDE},
    {268, SDLK_KP_MULTIPLY}, {269, SDLK_KP_MINUS}, {270, SDLK_KP_PLUS}, {271, SDLK_KP_ENTER},
    {272, SDLK_KP_EQUALS}, {273, SDLK_UP}, {274, SDLK_DOWN}, {275, SDLK_RIGHT},
    {276, SDLK_LEFT}, {277, SDLK_INSERT}, {278, SDLK_HOME}, {279, SDLK_END},
    {280, SDLK_PAGEUP}, {281, SDLK_PAGEDOWN}, {282, SDLK_F1}, {283, SDLK_F2},
    {284, SDLK_F3}, {285, SDLK_F4}, {286, SDLK_F5}, {287, SDLK_F6},
    {288, SDLK_F7}, {289, SDLK_F8}, {290, SDLK_F9}, {291, SDLK_F10},
    {292, SDLK_F11}, {293, SDLK_F12}, {294, SDLK_F13}, {295, SDLK_F14},
    {296, SDLK_F15}, {300, SDLK_NUMLOCK}, {301, SDLK_CAPSLOCK}, {302, SDLK_SCROLLOCK},
    {303, SDLK_RSHIFT}, {304, SDLK_LSHIFT}, {305, SDLK_RCTRL}, {306, SDLK_LCTRL},
    {307, SDLK_RALT}, {308, SDLK_LALT}, {309, SDLK_RMETA}, {310, SDLK_LMETA},
    {311, SDLK_LSUPER}, {312, SDLK_RSUPER}, {313, SDLK_MODE}, {314, SDLK_COMPOSE},
    {315, SDLK_HELP}, {316, SDLK_PRINT}, {317, SDLK_SYSREQ}, {318, SDLK_BREAK},
    {319, SDLK_MENU}, {320, SDLK_POWER}, {321, SDLK_EURO}, {322, SDLK_UNDO},
};

#if !SDL_VERSION_ATLEAST(1, 3, 0)
// Compiled against SDL 1.2, whose numbers these are, every entry names its own number.
constexpr bool NumbersAreSdl12s()
{
    for (const NamedKey& named : kNamedKeys) {
        if (static_cast<int>(named.key) != named.number)
            return false;
    }
    return true;
}
static_assert(NumbersAreSdl12s(), "the table of named keys must follow SDL 1.2's numbers");
#endif

} // namespace

SDLKey KeyOfNumber(int number)
{
    if (number > 0 && number < kFirstNamedNumber)
        return static_cast<SDLKey>(number);
    for (const NamedKey& named : kNamedKeys) {
        // The web build's SDL has no euro key: its name there stands for the key of 2.
        if (named.number == number)
            return static_cast<int>(named.key) >= kFirstNamedNumber ? named.key : SDLK_UNKNOWN;
    }
    return SDLK_UNKNOWN;
}

int NumberOfKey(SDLKey key)
{
    const int value = static_cast<int>(key);
    if (value > 0 && value < kFirstNamedNumber)
        return value;
    // The first match: the web build's SDL gives two names to some keys (left meta and super).
    for (const NamedKey& named : kNamedKeys) {
        if (named.key == key)
            return named.number;
    }
    return 0;
}
