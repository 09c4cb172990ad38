#include "engine/platform/browser/browserpads.h"

#include "utils/log.h"

#include <emscripten.h>
#include <emscripten/html5.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kAxisCount = 6;

// The standard layout's buttons in the game's numbers: the face buttons south, east, west,
// north, the shoulders, the triggers (axes here, -1), back, start, the sticks pressed, the d-pad
// and the guide button.
constexpr int32_t kGameButton[17] = {pads::kSouth, pads::kEast, pads::kWest, pads::kNorth, pads::kLeftShoulder,
                                     pads::kRightShoulder, -1, -1, pads::kBack, pads::kStart, pads::kLeftStick,
                                     pads::kRightStick, pads::kDpadUp, pads::kDpadDown, pads::kDpadLeft,
                                     pads::kDpadRight, pads::kGuide};

int32_t AxisValue(double value)
{
    return static_cast<int32_t>(std::lround(std::clamp(value, -1.0, 1.0) * 32767.0));
}

// The standard layout's sticks and triggers in the game's axis order: left x and y, the left
// trigger, right y, right x, the right trigger.
std::vector<int32_t> GameAxes(const EmscriptenGamepadEvent& state)
{
    std::vector<int32_t> axes(kAxisCount, 0);
    auto axis = [&state](int i) { return i < state.numAxes ? AxisValue(state.axis[i]) : 0; };
    auto trigger = [&state](int i) { return i < state.numButtons ? AxisValue(state.analogButton[i] * 2.0 - 1.0) : -32767; };
    axes[pads::kLeftX] = axis(0);
    axes[pads::kLeftY] = axis(1);
    axes[pads::kRightX] = axis(2);
    axes[pads::kRightY] = axis(3);
    axes[pads::kLeftTrigger] = trigger(6);
    axes[pads::kRightTrigger] = trigger(7);
    return axes;
}

std::vector<bool> GameButtons(const EmscriptenGamepadEvent& state)
{
    std::vector<bool> buttons(pads::kButtonCount, false);
    for (int i = 0; i < state.numButtons && i < 17; ++i) {
        if (kGameButton[i] >= 0)
            buttons[static_cast<std::size_t>(kGameButton[i])] = state.digitalButton[i];
    }
    return buttons;
}

// The family from the name the browser gives ("Xbox 360 Controller (XInput STANDARD GAMEPAD)",
// "DualSense Wireless Controller (... Vendor: 054c ...)").
pads::Family FamilyOfName(std::string name)
{
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
    const auto has = [&name](const char* part) { return name.find(part) != std::string::npos; };
    if (has("xbox") || has("xinput") || has("045e"))
        return pads::Family::kXbox;
    if (has("playstation") || has("dualshock") || has("dualsense") || has("054c"))
        return pads::Family::kPlayStation;
    if (has("nintendo") || has("switch") || has("057e"))
        return pads::Family::kNintendo;
    return pads::Family::kGeneric;
}

} // namespace

BrowserPads::BrowserPads()
{
    // The browser shows a page no pad before the player presses a button on one.
    kolm::Say("0");
    kolm::Say("Couldn't find a joystick");
}

void BrowserPads::Added(int index, const std::string& name, std::deque<GameEvent>& out)
{
    Pad pad;
    pad.family = FamilyOfName(name);
    pad.axes.assign(kAxisCount, 0);
    pad.buttons.assign(pads::kButtonCount, false);
    pads_[index] = pad;
    out.push_back(GameEvent::Of(GameEvent::Type::kPadAdded, index));
}

void BrowserPads::Sample(std::deque<GameEvent>& out)
{
    if (!available_)
        return;
    if (emscripten_sample_gamepad_data() != EMSCRIPTEN_RESULT_SUCCESS) {
        available_ = false;
        return;
    }
    const int count = emscripten_get_num_gamepads();
    for (int index = 0; index < count; ++index) {
        EmscriptenGamepadEvent state;
        const bool read = emscripten_get_gamepad_status(index, &state) == EMSCRIPTEN_RESULT_SUCCESS && state.connected;
        const bool known = pads_.count(index) != 0;
        if (!read) {
            if (known) {
                pads_.erase(index);
                out.push_back(GameEvent::Of(GameEvent::Type::kPadRemoved, index));
            }
            continue;
        }
        if (std::string(state.mapping) != "standard") {
            if (!refused_[index])
                kolm::Warn("the pad \"" + std::string(state.id) + "\" has no standard layout in this browser and cannot play");
            refused_[index] = true;
            continue;
        }
        if (!known)
            Added(index, state.id, out);
        Pad& pad = pads_[index];
        const std::vector<int32_t> axes = GameAxes(state);
        for (int axis = 0; axis < kAxisCount; ++axis) {
            if (axes[axis] != pad.axes[axis])
                out.push_back(GameEvent::PadAxis(axis, axes[axis], index));
        }
        const std::vector<bool> buttons = GameButtons(state);
        for (int button = 0; button < pads::kButtonCount; ++button) {
            if (buttons[button] != pad.buttons[button])
                out.push_back(GameEvent::PadButton(button, buttons[button], index));
        }
        pad.axes = axes;
        pad.buttons = buttons;
    }
}

pads::Family BrowserPads::FamilyOf(int32_t pad) const
{
    const auto found = pads_.find(pad);
    return found != pads_.end() ? found->second.family : pads::Family::kGeneric;
}

void BrowserPads::Rumble(int32_t pad, float strength, uint32_t milliseconds)
{
    if (pads_.count(pad) == 0 || strength <= 0.0f)
        return;
    EM_ASM({
        const pad = navigator.getGamepads ? navigator.getGamepads()[$0] : null;
        if (pad && pad.vibrationActuator)
            pad.vibrationActuator.playEffect("dual-rumble", { duration: $2, strongMagnitude: $1, weakMagnitude: $1 })
                .catch(() => {});
    }, pad, std::min(strength, 1.0f), milliseconds);
}
