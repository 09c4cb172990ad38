#include "support/virtualpad.h"

#include <algorithm>

namespace testsupport {

VirtualPad::VirtualPad(const Make& make)
{
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = SDL_CONTROLLER_AXIS_MAX;
    desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    desc.vendor_id = make.vendor;
    desc.product_id = make.product;
    desc.button_mask = (1u << SDL_CONTROLLER_BUTTON_MAX) - 1;
    desc.axis_mask = (1u << SDL_CONTROLLER_AXIS_MAX) - 1;
    desc.name = make.name;
    desc.userdata = this;
    desc.Rumble = OnRumble;
    deviceIndex_ = SDL_JoystickAttachVirtualEx(&desc);
    if (deviceIndex_ >= 0) {
        joystick_ = SDL_JoystickOpen(deviceIndex_);
        controller_ = SDL_GameControllerOpen(deviceIndex_);
    }
    // A trigger at rest is at the bottom of its range, as on a real pad.
    if (joystick_ && controller_) {
        SDL_JoystickSetVirtualAxis(joystick_, SDL_GameControllerGetBindForAxis(controller_, SDL_CONTROLLER_AXIS_TRIGGERLEFT).value.axis, -32768);
        SDL_JoystickSetVirtualAxis(joystick_, SDL_GameControllerGetBindForAxis(controller_, SDL_CONTROLLER_AXIS_TRIGGERRIGHT).value.axis, -32768);
    }
    Update();
}

VirtualPad::~VirtualPad() { Detach(); }

void VirtualPad::Detach()
{
    if (!joystick_)
        return;
    const SDL_JoystickID id = SDL_JoystickInstanceID(joystick_);
    if (controller_)
        SDL_GameControllerClose(controller_);
    SDL_JoystickClose(joystick_);
    joystick_ = nullptr;
    controller_ = nullptr;
    // The device index of a virtual joystick may have moved since it was attached.
    for (int i = 0; i < SDL_NumJoysticks(); ++i) {
        if (SDL_JoystickGetDeviceInstanceID(i) == id) {
            SDL_JoystickDetachVirtual(i);
            break;
        }
    }
    Update();
}

void VirtualPad::SetAxis(SDL_GameControllerAxis axis, int16_t value)
{
    SDL_JoystickSetVirtualAxis(joystick_, SDL_GameControllerGetBindForAxis(controller_, axis).value.axis, value);
    Update();
}

void VirtualPad::SetButton(SDL_GameControllerButton button, bool down)
{
    SDL_JoystickSetVirtualButton(joystick_, SDL_GameControllerGetBindForButton(controller_, button).value.button,
                                 down ? SDL_PRESSED : SDL_RELEASED);
    Update();
}

int VirtualPad::OnRumble(void* self, uint16_t low, uint16_t high)
{
    auto& pad = *static_cast<VirtualPad*>(self);
    ++pad.rumbles_;
    pad.lastRumble_ = std::max(low, high);
    return 0;
}

} // namespace testsupport
