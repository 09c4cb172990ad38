#include "app/text/lettering.h"

#include "engine/render/texturecache.h"
#include "utils/stringutils.h"
#include "utils/translation/spelling.h"

#include <cmath>
#include <filesystem>

namespace {

using datafiles::GlyphSize;

// The characters as the glyph set spells them (utils/translation/spelling.h).
std::u32string Spelled(const std::string& text) { return translation::LetteringSpelling(kolm::DecodeUtf8(text)); }

// The character's picture, or null when it has none (or its file could not be loaded). Beyond
// the game's own set, the build draws a glyph for every character its translations use.
TextureEntry* GlyphPicture(char32_t c, GlyphSize size)
{
    const std::string name = datafiles::Glyph(size, c);
    if (TextureEntry* loaded = FindTexture(name))
        return loaded;
    const bool drawn = datafiles::kGlyphCharacters.find(c) != std::u32string_view::npos ||
                       (c > U'\u007F' && std::filesystem::exists(name));
    return drawn ? GetTexture(name) : nullptr;
}

float AdvanceOf(const TextureEntry* picture, GlyphSize size)
{
    return picture ? static_cast<float>(picture->width - 2 * datafiles::GlyphMetricsOf(size).margin) : 0.0f;
}

// The characters that have ink, each with where its advance starts, and the whole width.
struct Layout {
    struct Inked {
        char32_t character;
        float pen;
    };
    std::vector<Inked> inked;
    float width = 0.0f;
};

Layout LayOut(const std::string& text, GlyphSize size)
{
    Layout layout;
    const float space = AdvanceOf(GlyphPicture(U' ', size), size);
    for (char32_t c : Spelled(text)) {
        const TextureEntry* picture = c == U' ' ? nullptr : GlyphPicture(c, size);
        if (picture)
            layout.inked.push_back({c, layout.width});
        layout.width += picture ? AdvanceOf(picture, size) : space;
    }
    return layout;
}

// The text's left end for an anchor, on a whole pixel.
float LeftEnd(float anchorX, float width, TextAlign align)
{
    const float shift = align == TextAlign::kCentre ? width * 0.5f : align == TextAlign::kRight ? width : 0.0f;
    return std::round(anchorX - shift);
}

} // namespace

void LetteredText::MoveTo(const vector2& anchor)
{
    anchor_ = anchor;
    const datafiles::GlyphMetrics metrics = datafiles::GlyphMetricsOf(size_);
    const float left = LeftEnd(anchor.x, width_, align_);
    const float top = std::round(anchor.y) - static_cast<float>(metrics.baseline);
    for (const Glyph& glyph : glyphs_) {
        glyph.sprite->x = left + glyph.pen - static_cast<float>(metrics.margin);
        glyph.sprite->y = top;
    }
}

void LetteredText::SetColour(float r, float g, float b)
{
    for (const Glyph& glyph : glyphs_)
        glyph.sprite->SetColour(r, g, b);
}

void LetteredText::SetAlpha(float alpha)
{
    for (const Glyph& glyph : glyphs_)
        glyph.sprite->SetAlpha(alpha);
}

void LetteredText::Remove()
{
    for (const Glyph& glyph : glyphs_)
        glyph.sprite->killed = true;
    *this = LetteredText();
}

LetteredText Lettering::Write(const std::string& text, const vector2& anchor, GlyphSize size, TextAlign align)
{
    const Layout layout = LayOut(text, size);
    LetteredText lettered;
    lettered.size_ = size;
    lettered.align_ = align;
    lettered.width_ = layout.width;
    for (const Layout::Inked& glyph : layout.inked)
        lettered.glyphs_.push_back({sprites_.CreateSprite(datafiles::Glyph(size, glyph.character)), glyph.pen});
    lettered.MoveTo(anchor);
    return lettered;
}

float Lettering::Width(const std::string& text, GlyphSize size) { return LayOut(text, size).width; }

std::string Lettering::CutToWidth(std::string text, float width, GlyphSize size)
{
    if (Width(text, size) <= width)
        return text;
    while (!text.empty() && Width(text + "...", size) > width) {
        text.pop_back();
        while (!text.empty() && (static_cast<unsigned char>(text.back()) & 0xC0) == 0x80)
            text.pop_back(); // the rest of a character of several bytes
    }
    return text + "...";
}

void Lettering::Compose(PictureComposer& picture, const std::string& text, const vector2& anchor, GlyphSize size,
                        TextAlign align)
{
    const Layout layout = LayOut(text, size);
    const datafiles::GlyphMetrics metrics = datafiles::GlyphMetricsOf(size);
    const float left = LeftEnd(anchor.x, layout.width, align) - static_cast<float>(metrics.margin);
    const int top = static_cast<int>(std::round(anchor.y)) - metrics.baseline;
    for (const Layout::Inked& glyph : layout.inked)
        picture.Lay(datafiles::Glyph(size, glyph.character), static_cast<int>(left + glyph.pen), top);
}

bool LetteredLine::Say(CSpriteContainer& sprites, const std::string& words, const vector2& anchor, TextAlign align)
{
    if (words == said_)
        return false;
    text_.Remove();
    if (!words.empty())
        text_ = Lettering(sprites).Write(words, anchor, datafiles::GlyphSize::kSmall, align);
    said_ = words;
    return true;
}
