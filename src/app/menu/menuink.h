#pragma once
// The ink a menu card is drawn in: its own sprites, each picture set on whole pixels by its left
// edge and the middle of what it stands beside, and the large and small lettering over them. The
// card and the values on its lines (app/menu/menuvalue.h) draw through it, so they line up alike.
#include "app/text/lettering.h"
#include "engine/render/spritecontainer.h"

#include <string>

class MenuInk {
public:
    // The gap between the things at a line's right end: a badge, a value and a note.
    static constexpr float kGap = 12.0f;

    // A sprite of the picture with its left edge at left and its middle at middle, faded to alpha.
    CSprite* Place(const std::string& picture, float left, float middle, float alpha);
    // Letters the text as Lettering::Write does, faded to alpha.
    void Write(const std::string& text, const vector2& anchor, datafiles::GlyphSize size, TextAlign align,
               float alpha);
    void Clear() { sprites_.Clear(); }
    void Draw() { sprites_.Draw(); }

    // A picture's width in pixels (0 for one that does not load).
    static float PictureWidth(const std::string& picture);
    // The height of the middle of the large capitals that stand on the baseline: where a line's
    // pictures are centred.
    static float CapMiddle(float baseline);

private:
    CSpriteContainer sprites_;
    Lettering lettering_{sprites_};
};
