#include "app/text/keycaps.h"

#include "app/text/lettering.h"
#include "app/text/translate.h"
#include "engine/render/picturecomposer.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <string_view>

namespace {

using datafiles::GlyphSize;
using datafiles::KeyCapPart;

const char* SizeName(GlyphSize size) { return size == GlyphSize::kLarge ? "large" : "small"; }

// Lays the cap with the name at (x, y) of a picture being composed.
void LayKeyCap(PictureComposer& picture, const std::string& name, GlyphSize size, int x, int y)
{
    const datafiles::KeyCapMetrics metrics = datafiles::KeyCapMetricsOf(size);
    const int width = KeyCapWidth(name, size);
    picture.Lay(datafiles::KeyCapPiece(size, KeyCapPart::kLeft), x, y);
    picture.Lay(datafiles::KeyCapPiece(size, KeyCapPart::kMiddle), x + metrics.endWidth, y, width - 2 * metrics.endWidth);
    picture.Lay(datafiles::KeyCapPiece(size, KeyCapPart::kRight), x + width - metrics.endWidth, y);
    Lettering::Compose(picture, name, vector2(x + width * 0.5f, static_cast<float>(y + metrics.baseline)), size,
                       TextAlign::kCentre);
}

// A note of the game's that names the key it wants: hand-drawn for the space bar, else composed
// once over its blank (of the blank's size, or the fallback's when the blank cannot be read).
struct NoteOnBlank {
    const char* handDrawn;
    const char* folder; // of the composed pictures' names
    const char* blank;
    int fallbackWidth;
    int fallbackHeight;
};

std::string OverBlank(const std::string& name, const NoteOnBlank& note, const std::function<void(PictureComposer&)>& lay)
{
    if (name == "Space" && std::string_view(SpokenLanguage().code) == translation::kEnglish.code)
        return note.handDrawn;
    const std::string picture = std::string("composed/") + note.folder + "/" + SpokenLanguage().code + "/" + name;
    if (FindTexture(picture))
        return picture;
    const std::string blankPicture = InSpokenLanguage(note.blank);
    const TextureEntry* blank = GetTexture(blankPicture);
    PictureComposer composed(blank ? blank->width : note.fallbackWidth, blank ? blank->height : note.fallbackHeight);
    composed.Lay(blankPicture, 0, 0);
    lay(composed);
    composed.Keep(picture);
    return picture;
}

} // namespace

int KeyCapWidth(const std::string& name, GlyphSize size)
{
    const datafiles::KeyCapMetrics metrics = datafiles::KeyCapMetricsOf(size);
    const int text = static_cast<int>(std::ceil(Lettering::Width(name, size)));
    return std::max(metrics.narrowest, text + 2 * metrics.padding);
}

std::string KeyCapPicture(const std::string& name, GlyphSize size)
{
    const std::string picture = std::string("composed/key_cap_") + SizeName(size) + "/" + name;
    if (FindTexture(picture))
        return picture;
    PictureComposer cap(KeyCapWidth(name, size), datafiles::KeyCapMetricsOf(size).height);
    LayKeyCap(cap, name, size, 0, 0);
    cap.Keep(picture);
    return picture;
}

std::string PressPicture(const std::string& name)
{
    return OverBlank(name, {datafiles::kPressSpace, "press", datafiles::kPressBlank, 520, 110}, [&](PictureComposer& note) {
        // A large cap where it fits, else a small one.
        const int room = datafiles::kPressKeyRight - datafiles::kPressKeyLeft;
        const GlyphSize size = KeyCapWidth(name, GlyphSize::kLarge) <= room ? GlyphSize::kLarge : GlyphSize::kSmall;
        const int x = (datafiles::kPressKeyLeft + datafiles::kPressKeyRight - KeyCapWidth(name, size)) / 2;
        const int y = datafiles::kPressKeyMiddle - datafiles::KeyCapMetricsOf(size).height / 2;
        LayKeyCap(note, name, size, x, y);
    });
}

std::string ClearedPicture(const std::string& name)
{
    return OverBlank(name, {datafiles::kLevelCleared, "cleared", datafiles::kLevelClearedBlank, 700, 180},
                     [&](PictureComposer& banner) {
                         const vector2 baseline(banner.Width() * 0.5f, static_cast<float>(datafiles::kClearedWayOnBaseline));
                         Lettering::Compose(banner, Fill(Tr("banner", "%s: next level"), {name}), baseline, GlyphSize::kSmall, TextAlign::kCentre);
                     });
}
