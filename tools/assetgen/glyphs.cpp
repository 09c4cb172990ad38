#include "glyphs.h"

#include "lettering.h"
#include "pen.h"

#include "utils/datafiles.h"
#include "utils/stringutils.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

using datafiles::GlyphMetrics;
using datafiles::GlyphSize;

struct GlyphStyle {
    GlyphSize size;
    const char* specimen; // the contact sheet's label
    double halo;          // width of the paper halo's stroke
    uint64_t seed;        // the first glyph's; each glyph draws from its own
};

const GlyphStyle kStyles[] = {{GlyphSize::kLarge, "glyphs, large (glyph_large_XXXX.png)", 3.4, 8400},
                              {GlyphSize::kSmall, "glyphs, small (glyph_small_XXXX.png)", 2.6, 8500}};

const char32_t kMiddleDot = U'\u00B7';
const char32_t kTimes = U'\u00D7';
const char32_t kHourglass = U'\u231B';

bool InkedByHand(char32_t character) { return character == kMiddleDot || character == kTimes || character == kHourglass; }

// A glyph's size and shape: the lettering size whose capitals stand capHeight high.
struct Face {
    GlyphMetrics metrics;
    double size;
};

Face FaceFor(GlyphSize size)
{
    const GlyphMetrics metrics = datafiles::GlyphMetricsOf(size);
    Surface scratch = NewSurface(1, 1);
    cairo_t* measure = cairo_create(scratch.get());
    const double share = CapitalHeight(measure, 100.0) / 100.0;
    cairo_destroy(measure);
    return {metrics, metrics.capHeight / share};
}

// The face's slash and per cent sign are only as tall as its small letters' bowls: drawn larger,
// they match the digits beside them.
double Scale(char32_t character) { return character == U'/' || character == U'%' ? 1.35 : 1.0; }

// The face has neither the middle dot, the times sign nor the hourglass, so they are inked by hand; the space
// is narrower than the face's, which sets words too far apart for a menu line.
double Advance(char32_t character, const Face& face)
{
    if (character == U' ')
        return std::round(face.size * 0.3);
    if (character == kMiddleDot)
        return std::round(face.size * 0.36);
    if (character == kTimes || character == kHourglass)
        return std::round(face.size * 0.48);
    Surface scratch = NewSurface(1, 1);
    cairo_t* measure = cairo_create(scratch.get());
    const double width =
        LetteringWidth(measure, kolm::EncodeUtf8(character), face.size * Scale(character));
    cairo_destroy(measure);
    return std::round(width);
}

// A straight pen stroke as a closed outline, so it takes the halo and the ink like a letter.
void StrokeOutline(cairo_t* cr, Pt from, Pt to, double width, Rng& rng)
{
    const double dx = to.x - from.x, dy = to.y - from.y;
    const double len = std::hypot(dx, dy);
    const double nx = -dy / len * width * 0.5, ny = dx / len * width * 0.5;
    const std::vector<Pt> outline{{from.x + nx, from.y + ny}, {to.x + nx, to.y + ny}, {to.x - nx, to.y - ny},
                                  {from.x - nx, from.y - ny}};
    SmoothPath(cr, Jittered(outline, width * 0.08, rng), true);
}

// The hand-inked marks sit halfway up the capitals, centred in their advance.
void MarkPath(cairo_t* cr, char32_t character, double centreX, const Face& face, Rng& rng)
{
    const double cy = face.metrics.baseline - face.metrics.capHeight * 0.45;
    if (character == kMiddleDot) {
        const double r = face.size * 0.055;
        SmoothPath(cr, Jittered(EllipsePoints(centreX, cy, r, r * 0.9, 8), r * 0.1, rng), true);
        return;
    }
    const double width = face.size * 0.075;
    if (character == kHourglass) {
        // Two bars, capital high, and the glass's sides crossing between them.
        const double top = face.metrics.baseline - face.metrics.capHeight, bottom = face.metrics.baseline;
        const double half = face.metrics.capHeight * 0.3;
        StrokeOutline(cr, {centreX - half, top}, {centreX + half, top}, width, rng);
        StrokeOutline(cr, {centreX - half, bottom}, {centreX + half, bottom}, width, rng);
        StrokeOutline(cr, {centreX - half * 0.8, top}, {centreX + half * 0.8, bottom}, width, rng);
        StrokeOutline(cr, {centreX + half * 0.8, top}, {centreX - half * 0.8, bottom}, width, rng);
        return;
    }
    const double arm = face.metrics.capHeight * 0.24;
    StrokeOutline(cr, {centreX - arm, cy - arm}, {centreX + arm, cy + arm}, width, rng);
    StrokeOutline(cr, {centreX - arm, cy + arm}, {centreX + arm, cy - arm}, width, rng);
}

Surface GlyphPicture(char32_t character, const Face& face, double halo, uint64_t seed)
{
    const int margin = face.metrics.margin;
    const double advance = Advance(character, face);
    Sketch sketch(static_cast<int>(advance) + 2 * margin, face.metrics.height, false);
    if (character == U' ')
        return sketch.Picture();
    cairo_t* cr = sketch.Cr();
    Rng rng(seed);
    cairo_new_path(cr);
    if (InkedByHand(character)) {
        MarkPath(cr, character, margin + advance * 0.5, face, rng);
    } else {
        LetteringStyle style;
        style.size = face.size * Scale(character);
        style.warp = face.size * 0.012;
        LetteringPath(cr, kolm::EncodeUtf8(character), margin, face.metrics.baseline, Align::Left,
                      style, rng);
    }
    InkWithHalo(cr, palette::kBallpoint, halo);
    return sketch.Picture();
}

// The whole set side by side in rows, each glyph in a faint frame of its picture and the
// baseline in red, so the sheet shows how the glyphs line up.
Surface Specimen(const std::vector<Surface>& glyphs, const GlyphMetrics& metrics)
{
    const int rowWidth = 1200, gap = 2, rowGap = 6;
    std::vector<Pt> places;
    double x = 0, y = 0, widest = 0;
    for (const Surface& glyph : glyphs) {
        if (x + WidthOf(glyph) > rowWidth) {
            x = 0;
            y += metrics.height + rowGap;
        }
        places.push_back({x, y});
        x += WidthOf(glyph) + gap;
        widest = std::max(widest, x);
    }
    Sketch sketch(static_cast<int>(widest), static_cast<int>(y) + metrics.height, false);
    cairo_t* cr = sketch.Cr();
    for (std::size_t i = 0; i < glyphs.size(); ++i) {
        const Pt at = places[i];
        cairo_rectangle(cr, at.x + 0.5, at.y + 0.5, WidthOf(glyphs[i]) - 1.0, metrics.height - 1.0);
        SetColour(cr, palette::kGraphite, 0.25);
        cairo_set_line_width(cr, 1.0);
        cairo_stroke(cr);
        cairo_move_to(cr, at.x, at.y + metrics.baseline + 0.5);
        cairo_rel_line_to(cr, WidthOf(glyphs[i]), 0);
        SetColour(cr, palette::kRedInk, 0.35);
        cairo_stroke(cr);
        cairo_set_source_surface(cr, glyphs[i].get(), at.x, at.y);
        cairo_paint(cr);
    }
    return sketch.Picture();
}

} // namespace

void AddGlyphArt(PictureSet& pictures, const std::u32string& translated)
{
    std::u32string characters(datafiles::kGlyphCharacters);
    for (char32_t character : translated)
        if (characters.find(character) == std::u32string::npos)
            characters += character;
    for (const GlyphStyle& style : kStyles) {
        const Face face = FaceFor(style.size);
        std::vector<Surface> glyphs;
        uint64_t seed = style.seed;
        for (char32_t character : characters) {
            glyphs.push_back(GlyphPicture(character, face, style.halo, seed++));
            pictures.AddUnlisted(datafiles::Glyph(style.size, character), glyphs.back());
        }
        pictures.AddSpecimen(style.specimen, Specimen(glyphs, face.metrics));
    }
}
