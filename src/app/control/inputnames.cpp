#include "app/control/inputnames.h"

#include "engine/input/gamekeys.h"

namespace {

// The names that would not fit a key cap, as keyboards print them.
std::string Shortened(const std::string& name)
{
    if (name == "Escape")
        return "Esc";
    if (name == "Return")
        return "Enter";
    return name;
}

} // namespace

const ControlSettings& InputNames::Controls() const
{
    static const ControlSettings kOwn = ControlSettings::Defaults();
    return controls_ ? *controls_ : kOwn;
}

std::string InputNames::Key(int32_t key) const
{
    if (platform_)
        return Shortened(platform_->KeyLabel(key));
    const gamekeys::KeyPlace* place = gamekeys::PlaceOfNumber(key);
    return place ? Shortened(place->name) : std::string();
}

std::string InputNames::Button(int32_t button) const { return pads::ButtonName(Device().family, button); }

std::string InputNames::Input(const KeyInput& input) const
{
    switch (input.kind) {
    case KeyInput::Kind::kKey:
        return Key(input.code);
    case KeyInput::Kind::kMouse:
        return KeyInputName(input);
    case KeyInput::Kind::kNone:
        break;
    }
    return "-";
}

std::string InputNames::Pad(::Action action) const
{
    const PadInput pad = Controls().PadOf(action);
    switch (pad.kind) {
    case PadInput::Kind::kButton:
        return Button(pad.button);
    case PadInput::Kind::kNone:
        return "-";
    case PadInput::Kind::kOwnWay:
        break;
    }
    switch (action) {
    case ::Action::kFire:
        return "R stick";
    case ::Action::kContinue:
        return Button(pads::kSouth);
    default:
        return "L stick";
    }
}

std::string InputNames::Action(::Action action) const
{
    if (PadInUse() && Controls().PadOf(action).kind != PadInput::Kind::kNone)
        return Pad(action);
    return Input(Controls().KeysOf(action)[0]);
}
