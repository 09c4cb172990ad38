#include "app/keycaps.h"

#include "app/lettering.h"
#include "engine/picturecomposer.h"

#include <algorithm>
#include <cmath>

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
    if (name == "Space")
        return datafiles::kPressSpace;
    const std::string picture = "composed/press/" + name;
    if (FindTexture(picture))
        return picture;
    // A large cap where it fits, else a small one.
    const int room = datafiles::kPressKeyRight - datafiles::kPressKeyLeft;
    const GlyphSize size = KeyCapWidth(name, GlyphSize::kLarge) <= room ? GlyphSize::kLarge : GlyphSize::kSmall;
    const int x = (datafiles::kPressKeyLeft + datafiles::kPressKeyRight - KeyCapWidth(name, size)) / 2;
    const int y = datafiles::kPressKeyMiddle - datafiles::KeyCapMetricsOf(size).height / 2;
    TextureEntry* blank = GetTexture(datafiles::kPressBlank);
    PictureComposer note(blank ? blank->width : 520, blank ? blank->height : 110);
    note.Lay(datafiles::kPressBlank, 0, 0);
    LayKeyCap(note, name, size, x, y);
    note.Keep(picture);
    return picture;
}

std::string ClearedPicture(const std::string& name)
{
    if (name == "Space")
        return datafiles::kLevelCleared;
    const std::string picture = "composed/cleared/" + name;
    if (FindTexture(picture))
        return picture;
    TextureEntry* blank = GetTexture(datafiles::kLevelClearedBlank);
    const int width = blank ? blank->width : 700;
    PictureComposer banner(width, blank ? blank->height : 180);
    banner.Lay(datafiles::kLevelClearedBlank, 0, 0);
    Lettering::Compose(banner, name + ": next level", vector2(width * 0.5f, static_cast<float>(datafiles::kClearedWayOnBaseline)),
                       GlyphSize::kSmall, TextAlign::kCentre);
    banner.Keep(picture);
    return picture;
}
