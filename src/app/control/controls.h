#pragma once
// The player's controls: the game's actions, each with up to two keys (or mouse buttons) and one
// pad binding, how fire works (held, or toggled by a press), and the pad's stick dead zone and fire
// threshold. The defaults are the game's own keys and pad: w/up, s/down, a/left, d/right, the
// left mouse button, F5, space, P and Escape; the left stick moves, the right stick aims and
// fires past half way, any pad button continues.
//
// Whatever the bindings, the game hears an action as its default key or button (the up action
// as the key at W's place, 119, fire as the left mouse button), so recordings and scripts mean
// the same with any bindings (app/control/bindings.h does the turning).
#include <array>
#include <cstdint>
#include <string>

enum class Action : int { kUp, kDown, kLeft, kRight, kFire, kRestartLoop, kContinue, kPause, kMenu };
inline constexpr int kActionCount = 9;
inline constexpr std::array<Action, kActionCount> kActions = {
    Action::kUp,          Action::kDown,     Action::kLeft,  Action::kRight, Action::kFire,
    Action::kRestartLoop, Action::kContinue, Action::kPause, Action::kMenu};

// A key (by its game key number) or a mouse button; none for an empty slot.
struct KeyInput {
    enum class Kind : uint8_t { kNone, kKey, kMouse };
    Kind kind = Kind::kNone;
    int32_t code = 0;

    static KeyInput Key(int32_t key) { return {Kind::kKey, key}; }
    static KeyInput Mouse(int32_t button) { return {Kind::kMouse, button}; }
    bool Empty() const { return kind == Kind::kNone; }
    bool operator==(const KeyInput& other) const { return kind == other.kind && (Empty() || code == other.code); }
    bool operator!=(const KeyInput& other) const { return !(*this == other); }
};

// A pad binding: none, the pad's own way (the sticks for moving and firing, any button for
// continuing), or one button (by place, engine/input/padbuttons.h).
struct PadInput {
    enum class Kind : uint8_t { kNone, kOwnWay, kButton };
    Kind kind = Kind::kNone;
    int32_t button = 0;

    static PadInput Button(int32_t button) { return {Kind::kButton, button}; }
    static PadInput OwnWay() { return {Kind::kOwnWay, 0}; }
    bool operator==(const PadInput& other) const { return kind == other.kind && (kind != Kind::kButton || button == other.button); }
    bool operator!=(const PadInput& other) const { return !(*this == other); }
};

struct ControlSettings {
    static constexpr int kSlots = 2;           // keys per action
    static constexpr int kMaxPercent = 50;     // of the dead zone and of the fire threshold
    std::array<std::array<KeyInput, kSlots>, kActionCount> keys;
    std::array<PadInput, kActionCount> pad;
    bool toggleFire = false; // one press starts firing, the next stops it
    int padDeadZone = 25;      // per cent of the stick's travel that moves nothing
    int padFireThreshold = 50; // per cent of the right stick's travel past which it fires

    static ControlSettings Defaults();
    const std::array<KeyInput, kSlots>& KeysOf(Action action) const { return keys[static_cast<int>(action)]; }
    std::array<KeyInput, kSlots>& KeysOf(Action action) { return keys[static_cast<int>(action)]; }
    PadInput PadOf(Action action) const { return pad[static_cast<int>(action)]; }
    PadInput& PadOf(Action action) { return pad[static_cast<int>(action)]; }
    // The action a key or mouse button is bound to; false for one bound to none.
    bool ActionOfKey(const KeyInput& input, Action& action) const;
    bool ActionOfPadButton(int32_t button, Action& action) const;

    bool operator==(const ControlSettings& other) const;
    bool operator!=(const ControlSettings& other) const { return !(*this == other); }
};

// Whether the action must always keep a key: the movement actions and the menu.
bool NeedsAKey(Action action);
// Whether the controls can be played: no key, mouse button or pad button on two actions, and a
// key for every action that needs one.
bool Playable(const ControlSettings& controls);
// onto, with what changed from was to now taken from now: an action's keys, its pad binding, the
// fire mode, the dead zone and the threshold each on their own. Should that not give playable
// controls (another game bound the same key meanwhile), now's keys and pad bindings are taken
// whole.
ControlSettings WithChanges(ControlSettings onto, const ControlSettings& was, const ControlSettings& now);

// "up", "restart loop".
const char* ActionLabel(Action action);
// "bind_up", "bind_restart_loop"; "pad_up".
std::string BindKeyOf(Action action);
std::string PadKeyOf(Action action);
// What the game hears for the action: its default key, or for fire the left mouse button.
KeyInput MeaningOf(Action action);

// The names a settings file stores, the same on every layout and pad: SDL 2's key names ("W",
// "Up", "Left Shift"), "Mouse Left" ("Mouse Middle", "Mouse Right", "Mouse X1", "Mouse X2"), and
// SDL 2's pad button names ("a", "start", "dpup") or "pad" (the pad's own way) and "none".
std::string KeyInputName(const KeyInput& input);
// The input of a name (case does not matter); false for a name that is no key or mouse button.
bool KeyInputOfName(const std::string& name, KeyInput& input);
std::string PadInputName(const PadInput& input);
bool PadInputOfName(const std::string& name, PadInput& input);
