#include "engine/platform/sdl2/sdlpads.h"

#include "utils/log.h"

#include <algorithm>
#include <cstring>

namespace {

// A pad that went away, or reports none, has an empty name.
const char* PadName(int deviceIndex)
{
    const char* name = SDL_JoystickNameForIndex(deviceIndex);
    return name ? name : "";
}

pads::Family FamilyOfType(SDL_GameControllerType type)
{
    switch (type) {
    case SDL_CONTROLLER_TYPE_XBOX360:
    case SDL_CONTROLLER_TYPE_XBOXONE:
        return pads::Family::kXbox;
    case SDL_CONTROLLER_TYPE_PS3:
    case SDL_CONTROLLER_TYPE_PS4:
    case SDL_CONTROLLER_TYPE_PS5:
        return pads::Family::kPlayStation;
    case SDL_CONTROLLER_TYPE_NINTENDO_SWITCH_PRO:
    case SDL_CONTROLLER_TYPE_NINTENDO_SWITCH_JOYCON_LEFT:
    case SDL_CONTROLLER_TYPE_NINTENDO_SWITCH_JOYCON_RIGHT:
    case SDL_CONTROLLER_TYPE_NINTENDO_SWITCH_JOYCON_PAIR:
        return pads::Family::kNintendo;
    default:
        return pads::Family::kGeneric;
    }
}

// SDL's axes (left x, left y, right x, right y, left trigger, right trigger) in the game's
// numbers.
int32_t GameAxis(int sdlAxis)
{
    static const int32_t kGameAxes[SDL_CONTROLLER_AXIS_MAX] = {pads::kLeftX,  pads::kLeftY,       pads::kRightX,
                                                               pads::kRightY, pads::kLeftTrigger, pads::kRightTrigger};
    return sdlAxis >= 0 && sdlAxis < SDL_CONTROLLER_AXIS_MAX ? kGameAxes[sdlAxis] : sdlAxis;
}

// The classic game's choice among the connected pads: the last whose name holds "360", else the
// first. Lists them as it goes.
int ChoosePad(int count)
{
    int chosen = 0;
    for (int i = 0; i < count; ++i) {
        const char* name = PadName(i);
        const bool preferred = std::strstr(name, "360") != nullptr;
        if (preferred)
            chosen = i;
        kolm::Say((preferred ? "[x] " : "[ ] ") + std::string(name));
    }
    return chosen;
}

void PrintOpened(int index, SDL_Joystick* joystick)
{
    kolm::Say("Opened Joystick: " + std::to_string(index));
    kolm::Say("Name: " + std::string(PadName(index)));
    kolm::Say("Number of Axes: " + std::to_string(SDL_JoystickNumAxes(joystick)));
    kolm::Say("Number of Buttons: " + std::to_string(SDL_JoystickNumButtons(joystick)));
    kolm::Say("Number of Balls: " + std::to_string(SDL_JoystickNumBalls(joystick)));
}

} // namespace

SdlPads::SdlPads(bool classic) : classic_(classic)
{
    // The face buttons by where they sit, whatever they are labelled: the south one is the
    // game's "A" on every pad (a Nintendo pad's B).
    SDL_SetHint(SDL_HINT_GAMECONTROLLER_USE_BUTTON_LABELS, "0");
    ListAtStart();
}

SdlPads::~SdlPads()
{
    for (const Pad& pad : pads_)
        SDL_GameControllerClose(pad.controller);
}

void SdlPads::ListAtStart()
{
    const int count = SDL_NumJoysticks();
    if (count < 1) {
        kolm::Say(std::to_string(count));
        kolm::Say("Couldn't find a joystick");
        return;
    }
    const int chosen = ChoosePad(count);
    int32_t id = 0;
    if (!classic_)
        return; // the others open as SDL announces them
    if (Open(chosen, id)) {
        PrintOpened(chosen, SDL_GameControllerGetJoystick(pads_.back().controller));
    } else if (SDL_Joystick* joystick = SDL_JoystickOpen(chosen)) {
        PrintOpened(chosen, joystick);
        SDL_JoystickClose(joystick);
        kolm::Warn("the pad \"" + std::string(PadName(chosen)) +
                   "\" is not in SDL's game-controller database: map it with SDL_GAMECONTROLLERCONFIG to play with it");
    }
}

bool SdlPads::Open(int deviceIndex, int32_t& id)
{
    if (!SDL_IsGameController(deviceIndex))
        return false;
    SDL_GameController* controller = SDL_GameControllerOpen(deviceIndex);
    if (!controller)
        return false;
    id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller));
    if (Find(id)) {
        SDL_GameControllerClose(controller); // SDL counts opens: the pad stays open once
        return false;
    }
    pads_.push_back(Pad{controller, id, FamilyOfType(SDL_GameControllerGetType(controller))});
    return true;
}

void SdlPads::Close(int32_t id)
{
    const auto pad = std::find_if(pads_.begin(), pads_.end(), [id](const Pad& p) { return p.id == id; });
    if (pad == pads_.end())
        return;
    SDL_GameControllerClose(pad->controller);
    pads_.erase(pad);
}

const SdlPads::Pad* SdlPads::Find(int32_t id) const
{
    for (const Pad& pad : pads_) {
        if (pad.id == id)
            return &pad;
    }
    return nullptr;
}

bool SdlPads::Translate(const SDL_Event& event, GameEvent& out)
{
    switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED: {
        int32_t id = 0;
        if (classic_ || !Open(event.cdevice.which, id))
            return false;
        out = GameEvent::Of(GameEvent::Type::kPadAdded, id);
        return true;
    }
    case SDL_CONTROLLERDEVICEREMOVED:
        if (!Find(event.cdevice.which))
            return false;
        Close(event.cdevice.which);
        out = GameEvent::Of(GameEvent::Type::kPadRemoved, event.cdevice.which);
        return true;
    case SDL_CONTROLLERAXISMOTION:
        if (!Find(event.caxis.which))
            return false;
        out = GameEvent::PadAxis(GameAxis(event.caxis.axis), event.caxis.value, event.caxis.which);
        return true;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
        if (!Find(event.cbutton.which))
            return false;
        out = GameEvent::PadButton(event.cbutton.button, event.type == SDL_CONTROLLERBUTTONDOWN, event.cbutton.which);
        return true;
    default:
        return false;
    }
}

pads::Family SdlPads::FamilyOf(int32_t pad) const
{
    const Pad* found = Find(pad);
    return found ? found->family : pads::Family::kGeneric;
}

void SdlPads::Rumble(int32_t pad, float strength, uint32_t milliseconds)
{
    const Pad* found = Find(pad);
    if (!found || strength <= 0.0f)
        return;
    const Uint16 level = static_cast<Uint16>(std::min(strength, 1.0f) * 0xFFFF);
    SDL_GameControllerRumble(found->controller, level, level, milliseconds);
}
