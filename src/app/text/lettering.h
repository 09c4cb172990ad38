#pragma once
// Text lettered in the game from the generated glyph pictures (datafiles::Glyph): each
// character is one sprite at its picture's own pixel size, on whole pixels, so the letters stay
// as sharp as they were drawn. The text is UTF-8. Lower-case letters are shown as capitals; a
// lower-case "x" whose nearest neighbours (blanks aside) are digits is the times sign, so
// "1280 x 720" reads as a size; "·" (U+00B7) is the middle dot. A character without a glyph
// draws nothing and takes a space's advance.
//
// The glyphs are inked in ballpoint blue with a pale paper halo, and a sprite's vertex colour
// multiplies its picture: SetColour can only darken the text (a grey tint dulls the ink towards
// black), never make it lighter or another hue. SetAlpha fades it.
#include "engine/render/picturecomposer.h"
#include "engine/render/spritecontainer.h"
#include "utils/datafiles.h"

#include <string>
#include <vector>

enum class TextAlign { kLeft, kCentre, kRight };

// The sprites of one lettered text. The container keeps owning them: the handle only moves,
// tints, fades and ends them, and must not be used once the container has been cleared or
// destroyed. Copies of a handle drive the same sprites.
class LetteredText {
public:
    LetteredText() = default; // a handle to no text

    // Places the text's anchor (as in Lettering::Write) at the point.
    void MoveTo(const vector2& anchor);
    void SetColour(float r, float g, float b);
    void SetAlpha(float alpha);
    // Kills the text's sprites (the container destroys them at its next draw) and empties the handle.
    void Remove();

    float Width() const { return width_; }
    const vector2& Anchor() const { return anchor_; }
    // One sprite for every character that has ink (blanks and unknown characters have none).
    std::size_t SpriteCount() const { return glyphs_.size(); }

private:
    friend class Lettering;
    struct Glyph {
        CSprite* sprite;
        float pen; // where the glyph's advance starts, from the text's left end
    };

    std::vector<Glyph> glyphs_;
    datafiles::GlyphSize size_ = datafiles::GlyphSize::kLarge;
    TextAlign align_ = TextAlign::kLeft;
    float width_ = 0.0f;
    vector2 anchor_;
};

// A line of small text lettered anew only when what it says changes (a note under the picture).
class LetteredLine {
public:
    // Says the words at the anchor (nothing for ""); true when that changed the line.
    bool Say(CSpriteContainer& sprites, const std::string& words, const vector2& anchor,
             TextAlign align = TextAlign::kCentre);
    const std::string& Said() const { return said_; }

private:
    LetteredText text_;
    std::string said_;
};

class Lettering {
public:
    explicit Lettering(CSpriteContainer& sprites) : sprites_(sprites) {}

    // Letters the text on top of the container's sprites. anchor.y is the baseline; anchor.x is
    // the text's left end, middle or right end by the alignment.
    LetteredText Write(const std::string& text, const vector2& anchor, datafiles::GlyphSize size,
                       TextAlign align = TextAlign::kLeft);
    // The width the text takes (the sum of its advances), without making sprites.
    static float Width(const std::string& text, datafiles::GlyphSize size);
    // The text cut to the width, "..." saying so (as it is when it fits).
    static std::string CutToWidth(std::string text, float width, datafiles::GlyphSize size);
    // Letters the text into a picture being composed, as Write would place its sprites.
    static void Compose(PictureComposer& picture, const std::string& text, const vector2& anchor,
                        datafiles::GlyphSize size, TextAlign align = TextAlign::kLeft);

private:
    CSpriteContainer& sprites_;
};
