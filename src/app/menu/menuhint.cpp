#include "app/menu/menuhint.h"

#include "engine/input/gamekeys.h"
#include "engine/input/padbuttons.h"

namespace {

const vector2 kHintAnchor(kVirtualWidth * 0.5f, kVirtualHeight - 24.0f);

} // namespace

std::string MenuHint::Text(const InputNames& names)
{
    const std::string back = !names.PadInUse() ? names.Action(Action::kMenu)
                             : names.Pad(Action::kMenu) != "-" ? names.Pad(Action::kMenu)
                                                               : names.Button(pads::kEast);
    return names.KeyOrButton(gamekeys::kReturn, pads::kSouth) + ": take \u00B7 " + back + ": back";
}

bool MenuHint::Show(const InputNames& names)
{
    const std::string text = Text(names);
    if (text == shown_)
        return false;
    line_.Remove();
    line_ = Lettering(sprites_).Write(text, kHintAnchor, datafiles::GlyphSize::kSmall, TextAlign::kCentre);
    line_.SetColour(0.6f, 0.6f, 0.6f);
    shown_ = text;
    return true;
}
