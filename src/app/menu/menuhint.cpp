#include "app/menu/menuhint.h"
#include "app/text/translate.h"

#include "engine/input/gamekeys.h"
#include "engine/input/padbuttons.h"

namespace {

const vector2 kHintAnchor(kVirtualWidth * 0.5f, kVirtualHeight - 24.0f);
// A hint wider than this (a problem said whole) goes on two lines, the first this far above.
constexpr float kWidest = kVirtualWidth - 48.0f;
constexpr float kLineStep = 30.0f;

// Where a hint too wide for one line breaks: after the last ": " or "; " (else space) that leaves
// the first line narrow enough; npos for a hint that fits.
std::size_t BreakOf(const std::string& text)
{
    if (Lettering::Width(text, datafiles::GlyphSize::kSmall) <= kWidest)
        return std::string::npos;
    std::size_t best = std::string::npos;
    std::size_t space = std::string::npos;
    for (std::size_t at = text.find(' '); at != std::string::npos; at = text.find(' ', at + 1)) {
        if (Lettering::Width(text.substr(0, at), datafiles::GlyphSize::kSmall) > kWidest)
            break;
        space = at;
        if (at > 0 && (text[at - 1] == ':' || text[at - 1] == ';'))
            best = at;
    }
    return best != std::string::npos ? best : space;
}

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
    first_.Remove();
    const std::size_t cut = BreakOf(text);
    Lettering lettering(sprites_);
    if (cut != std::string::npos) {
        first_ = lettering.Write(text.substr(0, cut), kHintAnchor - vector2(0.0f, kLineStep), datafiles::GlyphSize::kSmall,
                                 TextAlign::kCentre);
        first_.SetColour(0.6f, 0.6f, 0.6f);
    }
    line_ = lettering.Write(cut == std::string::npos ? text : text.substr(cut + 1), kHintAnchor, datafiles::GlyphSize::kSmall,
                            TextAlign::kCentre);
    line_.SetColour(0.6f, 0.6f, 0.6f);
    shown_ = text;
    return true;
}
