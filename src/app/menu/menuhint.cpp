#include "app/menu/menuhint.h"
#include "app/text/translate.h"

#include "engine/input/gamekeys.h"
#include "engine/input/padbuttons.h"

namespace {

const vector2 kHintAnchor(kVirtualWidth * 0.5f, kVirtualHeight - 24.0f);

} // namespace

std::string MenuHint::TakeKey(const InputNames& names) { return names.KeyOrButton(gamekeys::kReturn, pads::kSouth); }

std::string MenuHint::BackKey(const InputNames& names)
{
    if (!names.PadInUse())
        return names.Action(Action::kMenu);
    return names.Pad(Action::kMenu) != "-" ? names.Pad(Action::kMenu) : names.Button(pads::kEast);
}

std::string MenuHint::Text(const InputNames& names, const std::string& take, const std::string& back)
{
    const std::string taking = take.empty() ? "" : TakeKey(names) + ": " + Tr("hint", take.c_str());
    const std::string going = back.empty() ? "" : BackKey(names) + ": " + Tr("hint", back.c_str());
    return taking + (taking.empty() || going.empty() ? "" : " \u00B7 ") + going;
}

bool MenuHint::Show(const std::string& text)
{
    if (text == shown_)
        return false;
    line_.Remove();
    line_ = Lettering(sprites_).Write(text, kHintAnchor, datafiles::GlyphSize::kSmall, TextAlign::kCentre);
    line_.SetColour(0.6f, 0.6f, 0.6f);
    shown_ = text;
    return true;
}
