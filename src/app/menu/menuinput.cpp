#include "app/menu/menuinput.h"

#include "engine/input/gamekeys.h"
#include "engine/input/padbuttons.h"

namespace {

// A pad's stick counts as pushed past a quarter of its travel, as in play.
constexpr int kStickPush = 32768 / 4;

} // namespace

MenuCommand KeyCommand(int32_t key)
{
    using namespace gamekeys;
    switch (key) {
    case kUp:
    case kW:
        return MenuCommand::kUp;
    case kDown:
    case kS:
        return MenuCommand::kDown;
    case kLeft:
    case kA:
        return MenuCommand::kLeft;
    case kRight:
    case kD:
        return MenuCommand::kRight;
    case kReturn:
    case kKeypadEnter:
    case kSpace:
        return MenuCommand::kTake;
    case kEscape:
        return MenuCommand::kBack;
    default:
        return MenuCommand::kNothing;
    }
}

MenuCommand PadButtonCommand(int32_t button)
{
    switch (button) {
    case pads::kSouth:
    case pads::kStart:
        return MenuCommand::kTake;
    case pads::kEast:
    case pads::kBack:
        return MenuCommand::kBack;
    case pads::kDpadUp:
        return MenuCommand::kUp;
    case pads::kDpadDown:
        return MenuCommand::kDown;
    case pads::kDpadLeft:
        return MenuCommand::kLeft;
    case pads::kDpadRight:
        return MenuCommand::kRight;
    default:
        return MenuCommand::kNothing;
    }
}

MenuCommand MenuStick::Moved(int axis, int value)
{
    if (axis < 0 || axis > 1)
        return MenuCommand::kNothing;
    const int push = value > kStickPush ? 1 : value < -kStickPush ? -1 : 0;
    if (push == push_[axis])
        return MenuCommand::kNothing;
    push_[axis] = push;
    if (push == 0)
        return MenuCommand::kNothing;
    if (axis == 1)
        return push < 0 ? MenuCommand::kUp : MenuCommand::kDown;
    return push < 0 ? MenuCommand::kLeft : MenuCommand::kRight;
}
