#include "app/inputnames.h"

#include "engine/gamekeys.h"

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

std::string InputNames::Key(int32_t key) const
{
    if (platform_)
        return Shortened(platform_->KeyLabel(key));
    const gamekeys::KeyPlace* place = gamekeys::PlaceOfNumber(key);
    return place ? Shortened(place->name) : std::string();
}

std::string InputNames::Button(int32_t button) const { return pads::ButtonName(Device().family, button); }
