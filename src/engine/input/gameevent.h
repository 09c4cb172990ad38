#pragma once
// The game's own input event. The platform seam (engine/platform/platform.h: SDL 2 natively, the
// browser's events in the page) turns every event of the platform into one of these, once; the
// game's screens, its tools and its recordings know no other. Keys come as the game's key
// numbers (engine/input/gamekeys.h), taken from where the key sits; a pad's sticks and buttons come in
// the game's own numbers (engine/input/padbuttons.h), whatever pad and platform gave them.
#include <cstdint>

struct GameEvent {
    enum class Type : uint8_t {
        kNone,
        kKeyDown,     // key (a key's first press only: held keys do not repeat), alt
        kKeyUp,       // key, alt
        kMouseMotion, // x, y
        kMouseDown,   // button, x, y
        kMouseUp,     // button, x, y
        kMouseWheel,  // y: steps turned away from the player (negative: towards)
        kPadAxis,     // pad, axis, value
        kPadDown,     // pad, button
        kPadUp,       // pad, button
        kPadAdded,    // pad: a pad was connected and can play
        kPadRemoved,  // pad: it went away
        kFocusGained, // the window has the keyboard again
        kFocusLost,   // the window lost the keyboard (another window, the page hidden)
        kExposed,     // the window may have lost its picture: it is to be shown again
        kQuit,        // the window was closed
        kPadZones,    // x, y: the pad's stick dead zone and fire threshold in play, in per cent (only
                      //   the tools send it: a recording made with other zones than the game's own)
        kTap,         // x, y: a finger came down on the picture (a touch screen; the page only)
        kFullScreen,  // value: the player's window key (F11, Alt+Enter) put the window full screen
                      //   (1) or back into a window (0)
        kText,        // value: a character typed or pasted (its Unicode code point), only while a
                      //   screen asks for text (Platform::SetTextInput)
    };

    // Mouse buttons.
    static constexpr int32_t kLeftButton = 1;
    static constexpr int32_t kMiddleButton = 2;
    static constexpr int32_t kRightButton = 3;

    Type type = Type::kNone;
    int32_t key = 0;    // the game's key number
    bool alt = false;   // an Alt key was held with the key
    float x = 0.0f;     // the mouse: the window pixel, then (inPicture) the point of the 1280 x 720
    float y = 0.0f;     //   picture under it, with its fraction; the wheel: y steps; pad zones: per cent
    bool inPicture = false; // x and y are a point of the picture already: mapping them again leaves them
    int32_t button = 0; // a mouse button (above) or a pad button (PadButton)
    int32_t axis = 0;   // a pad axis (PadAxis)
    int32_t value = 0;  // the axis's value, -32768 to 32767
    int32_t pad = 0;    // which pad, by a number the platform gives it while it is connected

    static GameEvent Key(int32_t key, bool down);
    static GameEvent MouseMotion(float x, float y);
    static GameEvent MouseButton(int32_t button, bool down, float x = 0.0f, float y = 0.0f);
    static GameEvent PadAxis(int32_t axis, int32_t value, int32_t pad = 0);
    static GameEvent PadButton(int32_t button, bool down, int32_t pad = 0);
    static GameEvent Of(Type type, int32_t pad = 0);

    bool operator==(const GameEvent& other) const
    {
        return type == other.type && key == other.key && alt == other.alt && x == other.x && y == other.y &&
               inPicture == other.inPicture && button == other.button && axis == other.axis && value == other.value && pad == other.pad;
    }
    bool operator!=(const GameEvent& other) const { return !(*this == other); }

    bool IsKeyDown(int32_t which) const { return type == Type::kKeyDown && key == which; }
    bool IsKey() const { return type == Type::kKeyDown || type == Type::kKeyUp; }
    bool IsPad() const { return type >= Type::kPadAxis && type <= Type::kPadRemoved; }
    bool IsMouse() const { return type >= Type::kMouseMotion && type <= Type::kMouseWheel; }
};
