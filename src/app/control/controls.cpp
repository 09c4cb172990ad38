#include "app/control/controls.h"

#include "app/text/translate.h"
#include "engine/input/gameevent.h"
#include "engine/input/gamekeys.h"
#include "engine/input/padbuttons.h"
#include "utils/stringutils.h"

#include <set>
#include <utility>

namespace {

struct ActionInfo {
    const char* label;
    const char* key; // of the settings file, after "bind_" or "pad_"
    KeyInput meaning;
    KeyInput second; // the default's second key, if any
    PadInput pad;
};

// In the order of Action.
const ActionInfo kInfo[kActionCount] = {
    {NoTr("menu line", "up"), "up", KeyInput::Key(gamekeys::kW), KeyInput::Key(gamekeys::kUp), PadInput::OwnWay()},
    {NoTr("menu line", "down"), "down", KeyInput::Key(gamekeys::kS), KeyInput::Key(gamekeys::kDown), PadInput::OwnWay()},
    {NoTr("menu line", "left"), "left", KeyInput::Key(gamekeys::kA), KeyInput::Key(gamekeys::kLeft), PadInput::OwnWay()},
    {NoTr("menu line", "right"), "right", KeyInput::Key(gamekeys::kD), KeyInput::Key(gamekeys::kRight), PadInput::OwnWay()},
    {NoTr("menu line", "fire"), "fire", KeyInput::Mouse(GameEvent::kLeftButton), KeyInput(), PadInput::OwnWay()},
    {NoTr("menu line", "restart loop"), "restart_loop", KeyInput::Key(gamekeys::kF5), KeyInput(), PadInput()},
    {NoTr("menu line", "continue"), "continue", KeyInput::Key(gamekeys::kSpace), KeyInput(), PadInput::OwnWay()},
    {NoTr("menu line", "pause"), "pause", KeyInput::Key(gamekeys::kP), KeyInput(), PadInput()},
    {NoTr("menu line", "menu"), "menu", KeyInput::Key(gamekeys::kEscape), KeyInput(), PadInput()},
};

const ActionInfo& InfoOf(Action action) { return kInfo[static_cast<int>(action)]; }

const char* const kMouseNames[] = {"Mouse Left", "Mouse Middle", "Mouse Right", "Mouse X1", "Mouse X2"};
constexpr int kMouseButtons = 5;

} // namespace

ControlSettings ControlSettings::Defaults()
{
    ControlSettings settings;
    for (Action action : kActions) {
        settings.KeysOf(action) = {InfoOf(action).meaning, InfoOf(action).second};
        settings.PadOf(action) = InfoOf(action).pad;
    }
    return settings;
}

bool ControlSettings::ActionOfKey(const KeyInput& input, Action& action) const
{
    for (Action candidate : kActions) {
        for (const KeyInput& bound : KeysOf(candidate)) {
            if (!bound.Empty() && bound == input) {
                action = candidate;
                return true;
            }
        }
    }
    return false;
}

bool ControlSettings::ActionOfPadButton(int32_t button, Action& action) const
{
    for (Action candidate : kActions) {
        if (PadOf(candidate) == PadInput::Button(button)) {
            action = candidate;
            return true;
        }
    }
    return false;
}

bool ControlSettings::operator==(const ControlSettings& other) const
{
    return keys == other.keys && pad == other.pad && toggleFire == other.toggleFire &&
           padDeadZone == other.padDeadZone && padFireThreshold == other.padFireThreshold;
}

bool NeedsAKey(Action action)
{
    return action == Action::kUp || action == Action::kDown || action == Action::kLeft || action == Action::kRight ||
           action == Action::kMenu;
}

bool Playable(const ControlSettings& controls)
{
    std::set<std::pair<int, int32_t>> keys;
    std::set<int32_t> buttons;
    for (Action action : kActions) {
        bool hasKey = false;
        for (const KeyInput& key : controls.KeysOf(action)) {
            if (!key.Empty() && !keys.insert({static_cast<int>(key.kind), key.code}).second)
                return false;
            hasKey = hasKey || !key.Empty();
        }
        const PadInput pad = controls.PadOf(action);
        if ((NeedsAKey(action) && !hasKey) || (pad.kind == PadInput::Kind::kButton && !buttons.insert(pad.button).second))
            return false;
    }
    return true;
}

ControlSettings WithChanges(ControlSettings onto, const ControlSettings& was, const ControlSettings& now)
{
    for (Action action : kActions) {
        if (was.KeysOf(action) != now.KeysOf(action))
            onto.KeysOf(action) = now.KeysOf(action);
        if (was.PadOf(action) != now.PadOf(action))
            onto.PadOf(action) = now.PadOf(action);
    }
    if (!Playable(onto)) {
        onto.keys = now.keys;
        onto.pad = now.pad;
    }
    const auto take = [&](auto ControlSettings::*field) {
        if (was.*field != now.*field)
            onto.*field = now.*field;
    };
    take(&ControlSettings::toggleFire);
    take(&ControlSettings::padDeadZone);
    take(&ControlSettings::padFireThreshold);
    return onto;
}

const char* ActionLabel(Action action) { return InfoOf(action).label; }

std::string BindKeyOf(Action action) { return std::string("bind_") + InfoOf(action).key; }

std::string PadKeyOf(Action action) { return std::string("pad_") + InfoOf(action).key; }

KeyInput MeaningOf(Action action) { return InfoOf(action).meaning; }

std::string KeyInputName(const KeyInput& input)
{
    if (input.kind == KeyInput::Kind::kMouse)
        return input.code >= 1 && input.code <= kMouseButtons ? kMouseNames[input.code - 1] : "";
    const gamekeys::KeyPlace* place = input.kind == KeyInput::Kind::kKey ? gamekeys::PlaceOfNumber(input.code) : nullptr;
    return place ? place->name : "";
}

bool KeyInputOfName(const std::string& name, KeyInput& input)
{
    for (int button = 1; button <= kMouseButtons; ++button) {
        if (kolm::LowerCase(name) == kolm::LowerCase(kMouseNames[button - 1])) {
            input = KeyInput::Mouse(button);
            return true;
        }
    }
    const gamekeys::KeyPlace* place = gamekeys::PlaceOfName(name);
    if (!place)
        return false;
    input = KeyInput::Key(place->number);
    return true;
}

std::string PadInputName(const PadInput& input)
{
    switch (input.kind) {
    case PadInput::Kind::kNone:
        return "none";
    case PadInput::Kind::kOwnWay:
        return "pad";
    case PadInput::Kind::kButton:
        break;
    }
    return pads::ButtonKeyName(input.button);
}

bool PadInputOfName(const std::string& name, PadInput& input)
{
    const std::string word = kolm::LowerCase(name);
    if (word == "none" || word == "pad") {
        input = word == "none" ? PadInput() : PadInput::OwnWay();
        return true;
    }
    const int32_t button = pads::ButtonOfKeyName(word);
    if (button < 0)
        return false;
    input = PadInput::Button(button);
    return true;
}
