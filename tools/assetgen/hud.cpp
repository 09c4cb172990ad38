#include "hud.h"

#include "lettering.h"
#include "pen.h"

#include "utils/datafiles.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

const double kPi = 3.14159265358979323846;

Surface Crosshair()
{
    Rng rng(8001);
    Sketch sketch(48, 48);
    cairo_t* cr = sketch.Cr();
    const std::vector<Pt> ring = Jittered(EllipsePoints(0, 0, 13.0, 13.0, 16), 0.4, rng);
    const std::vector<std::vector<Pt>> ticks{{{0, -22}, {0, -7}}, {{0, 7}, {0, 22}}, {{-22, 0}, {-7, 0}}, {{7, 0}, {22, 0}}};
    // A pale halo keeps the ink readable over dark smoke.
    for (const auto& tick : ticks)
        InkLine(cr, tick, palette::kPaper, 4.6, 0.7);
    cairo_new_path(cr);
    SmoothPath(cr, ring, true);
    SetColour(cr, palette::kPaper, 0.7);
    cairo_set_line_width(cr, 4.8);
    cairo_stroke(cr);
    cairo_new_path(cr);
    SmoothPath(cr, ring, true);
    SetColour(cr, palette::kRedInk);
    cairo_set_line_width(cr, 2.2);
    cairo_stroke(cr);
    for (const auto& tick : ticks)
        InkLine(cr, tick, palette::kInk, 2.0);
    cairo_arc(cr, 0, 0, 1.6, 0, 2 * kPi);
    SetColour(cr, palette::kRedInk);
    cairo_fill(cr);
    return sketch.Picture();
}

// The bar is stretched nearly four times along its length by the game, so it is drawn with
// few vertical details.
Surface TimeSliderBack()
{
    Rng rng(8002);
    Sketch sketch(256, 16, false);
    cairo_t* cr = sketch.Cr();
    ShapeStyle bar;
    bar.fill = palette::kPaper;
    bar.fillAlpha = 0.92;
    bar.ink = palette::kInk;
    bar.width = 1.5;
    bar.wobble = 0.2;
    bar.hatching = {palette::kBallpointLight, 0.35, 0.0, 2.0, 0.7, false};
    DrawShape(cr, RoundedRectPoints(1.5, 3.0, 254.5, 13.0, 4.5), bar, rng);
    for (int i = 1; i < 10; ++i) {
        const double x = i * 25.6;
        InkLine(cr, {{x, 4.0}, {x, i % 5 == 0 ? 12.0 : 7.5}}, palette::kInk, 0.7, 0.55);
    }
    return sketch.Picture();
}

// The knob: a little hourglass with its sand in amber pencil.
Surface TimeSliderKnob()
{
    Rng rng(8003);
    Sketch sketch(24, 40);
    cairo_t* cr = sketch.Cr();
    ShapeStyle glass;
    glass.fill = palette::kPaper;
    glass.ink = palette::kInk;
    glass.width = 1.5;
    glass.wobble = 0.15;
    const std::vector<Pt> bulbs{{-8, -14}, {8, -14}, {7, -7}, {1.6, -1}, {1.6, 1}, {7, 7}, {8, 14}, {-8, 14}, {-7, 7}, {-1.6, 1}, {-1.6, -1}, {-7, -7}};
    DrawShape(cr, bulbs, glass, rng);
    ShapeStyle sand;
    sand.fill = palette::kAmberPencil;
    sand.inkAlpha = 0.0;
    sand.wobble = 0.1;
    DrawShape(cr, {{-5.5, -8.5}, {5.5, -8.5}, {1.2, -2}, {-1.2, -2}}, sand, rng);
    DrawShape(cr, {{0, 6.5}, {6.8, 12.5}, {-6.8, 12.5}}, sand, rng);
    InkLine(cr, {{0, -1}, {0, 6.5}}, palette::kAmberPencil, 1.0);
    ShapeStyle cap;
    cap.fill = palette::kRedInk;
    cap.ink = palette::kInk;
    cap.width = 1.3;
    cap.wobble = 0.1;
    DrawShape(cr, RoundedRectPoints(-10.5, -19.0, 10.5, -14.0, 1.5), cap, rng);
    DrawShape(cr, RoundedRectPoints(-10.5, 14.0, 10.5, 19.0, 1.5), cap, rng);
    return sketch.Picture();
}

// Where the game lays the fill inside the frame: its top-left corner at (5, 4), 50 wide and
// 9 * 0.875 high. The frame is drawn over the fill, so this window must stay clear.
const double kBarWindowLeft = 5.0, kBarWindowTop = 4.0, kBarWindowRight = 55.0, kBarWindowBottom = 12.0;

// A paper capsule with a clear window: the fill shows through at full strength, and the part
// of the window the fill has left shows the field.
Surface HealthBack()
{
    Rng rng(8004);
    Sketch sketch(60, 16, false);
    cairo_t* cr = sketch.Cr();
    const std::vector<Pt> outer = Jittered(RoundedRectPoints(1.2, 1.2, 58.8, 14.8, 4.0), 0.15, rng);
    const std::vector<Pt> window = RoundedRectPoints(kBarWindowLeft - 0.6, kBarWindowTop - 0.6, kBarWindowRight + 0.6,
                                                     kBarWindowBottom + 0.6, 1.0);
    cairo_new_path(cr);
    SmoothPath(cr, outer, true);
    PolygonPath(cr, window);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    SetColour(cr, palette::kPaper);
    cairo_fill(cr);
    cairo_new_path(cr);
    SmoothPath(cr, outer, true);
    SetColour(cr, palette::kInk);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    // The window's own thin ink edge, drawn just outside it.
    cairo_new_path(cr);
    PolygonPath(cr, window);
    SetColour(cr, palette::kInk, 0.8);
    cairo_set_line_width(cr, 0.9);
    cairo_stroke(cr);
    // Whatever spilled over the edge is wiped, so the window is exactly clear.
    cairo_rectangle(cr, kBarWindowLeft, kBarWindowTop, kBarWindowRight - kBarWindowLeft,
                    kBarWindowBottom - kBarWindowTop);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_fill(cr);
    return sketch.Picture();
}

// The fill: solid red ink with darker hatching, scaled along its length by the health left.
Surface HealthFront()
{
    Rng rng(8005);
    Sketch sketch(50, 9, false);
    cairo_t* cr = sketch.Cr();
    cairo_rectangle(cr, 0, 0, 50, 9);
    SetColour(cr, palette::kRedInk);
    cairo_fill(cr);
    cairo_rectangle(cr, 0, 0, 50, 9);
    cairo_clip(cr);
    HatchArea(cr, {25, 4.5}, 30, {Mix(palette::kRedInk, palette::kInk, 0.5), 0.6, 1.1, 2.6, 0.8, false}, rng);
    return sketch.Picture();
}

// The text at the size, or smaller where it would be wider than maxWidth.
void LetterOnScrap(cairo_t* cr, const std::string& text, double x, double baseline, double size, double maxWidth,
                   Rgb ink, uint64_t seed)
{
    Rng rng(seed);
    LetteringStyle style;
    style.size = FittedSize(cr, text, size, maxWidth);
    style.ink = ink;
    style.warp = size * 0.012;
    Letter(cr, text, x, baseline, Align::Left, style, rng);
}

const int kPressWidth = 520, kPressHeight = 110;

// "press" on its scrap, as both the press-space note and the one the game sets another key in,
// left of the key's room.
void DrawPressScrap(cairo_t* cr, const PictureWords& words)
{
    DrawPaperScrap(cr, 12, 10, kPressWidth - 12, kPressHeight - 12, -0.012, 8006);
    LetterOnScrap(cr, words.Tr("press picture", "press"), 36, 74, 56, 200, palette::kBallpoint,
                  8007);
}

Surface PressBlank(const PictureWords& words)
{
    Sketch sketch(kPressWidth, kPressHeight, false);
    DrawPressScrap(sketch.Cr(), words);
    return sketch.Picture();
}

Surface PressSpace(const PictureWords& english)
{
    Sketch sketch(kPressWidth, kPressHeight, false);
    cairo_t* cr = sketch.Cr();
    DrawPressScrap(cr, english);
    // The space bar, drawn as a key.
    Rng rng(8008);
    ShapeStyle key;
    key.fill = Mix(palette::kPaper, palette::kGraphiteLight, 0.25);
    key.ink = palette::kInk;
    key.width = 2.2;
    key.wobble = 0.4;
    DrawShape(cr, RoundedRectPoints(200, 20, 488, 92, 12), key, rng);
    key.fill = palette::kPaper;
    key.width = 1.4;
    DrawShape(cr, RoundedRectPoints(210, 24, 478, 80, 9), key, rng);
    LetterOnScrap(cr, "space", 262, 68, 50, 220, palette::kInk, 8009);
    return sketch.Picture();
}

// The "paused" note: a pause sign and the word, on a scrap like the "press space" one, wider
// for a longer word.
Surface Paused(const PictureWords& words)
{
    const std::string paused = words.Tr("paused picture", "paused");
    Surface scratch = NewSurface(1, 1);
    cairo_t* measure = cairo_create(scratch.get());
    const double wordWidth = LetteringWidth(measure, paused, 62);
    cairo_destroy(measure);
    const int width = std::clamp(static_cast<int>(std::ceil(118 + wordWidth + 34)), 376, 640), height = 110;
    Sketch sketch(width, height, false);
    cairo_t* cr = sketch.Cr();
    DrawPaperScrap(cr, 12, 10, width - 12, height - 12, 0.014, 8030);
    Rng rng(8031);
    ShapeStyle bar;
    bar.fill = palette::kRedInk;
    bar.ink = palette::kInk;
    bar.width = 2.2;
    bar.wobble = 0.4;
    DrawShape(cr, RoundedRectPoints(42, 27, 60, 82, 3.5), bar, rng);
    DrawShape(cr, RoundedRectPoints(72, 27, 90, 82, 3.5), bar, rng);
    LetterOnScrap(cr, paused, 118, 74, 62, width - 152, palette::kBallpoint, 8032);
    return sketch.Picture();
}

void DrawStar(cairo_t* cr, double x, double y, double r, Rgb colour)
{
    cairo_new_path(cr);
    PolygonPath(cr, StarPoints(x, y, r, r * 0.45));
    SetColour(cr, colour);
    cairo_set_line_width(cr, 1.8);
    cairo_stroke(cr);
}

// The banner of a clear, with the line that says space moves on or, for the banner the game
// letters the player's own key on, without.
Surface LevelCleared(bool withWayOn, const PictureWords& words)
{
    const std::string cleared = words.Tr("cleared picture", "level cleared!");
    const int width = 700, height = 180;
    Sketch sketch(width, height, false);
    cairo_t* cr = sketch.Cr();
    DrawPaperScrap(cr, 16, 16, width - 16, height - 14, 0.018, 8010);
    Rng rng(8011);
    LetteringStyle style;
    style.size = FittedSize(cr, cleared, 80, width - 150);
    style.ink = palette::kRedInk;
    style.outline = 3.0;
    style.outlineInk = palette::kInk;
    style.warp = 1.1;
    Letter(cr, cleared, width * 0.5, 94, Align::Centre, style, rng);
    std::vector<Pt> underline;
    for (int i = 0; i <= 12; ++i)
        underline.push_back({110 + i * 40.0, 113 + 3.0 * std::sin(i * 1.3) + i * 0.4});
    InkLine(cr, underline, palette::kBallpoint, 3.0, 0.85);
    LetteringStyle hint;
    hint.size = 30;
    hint.ink = palette::kBallpoint;
    hint.warp = 0.4;
    if (withWayOn)
        Letter(cr, "space: next level", width * 0.5, datafiles::kClearedWayOnBaseline, Align::Centre, hint, rng);
    DrawStar(cr, 50, 58, 15, palette::kBallpoint);
    DrawStar(cr, 652, 128, 12, palette::kBallpoint);
    DrawStar(cr, 646, 52, 8, palette::kRedInk);
    return sketch.Picture();
}

// The banner's paper again, without a word on it: the scrap under the banner on which the game
// letters how the clear went (its loops and time, their records).
Surface ClearNotePaper()
{
    Sketch sketch(datafiles::kClearNotePaperWidth, datafiles::kClearNotePaperHeight, false);
    DrawPaperScrap(sketch.Cr(), 14, 10, datafiles::kClearNotePaperWidth - 14, datafiles::kClearNotePaperHeight - 14,
                   -0.008, 8060);
    return sketch.Picture();
}

// The level and loop label ("level 3 / 10 · loop 2") is set by the game from single pictures
// laid side by side, each advancing by its own width (plus a word space between words), all at
// one height. Every picture is
// 28 px high with the baseline on the same row and carries its own spacing: the words a
// space after them, the slash and the dot a space on each side, the digits a little air.
// Dark ink with a faint paper halo, so the label reads on the ruled paper without a box.
const int kLabelHeight = 28;
const double kLabelBaseline = 20.0;
const double kLabelSize = 22.0;
const double kLabelHalo = 3.2;

// size: the lettering size relative to the label's.
Surface LabelText(const std::string& text, double before, double after, double size, uint64_t seed)
{
    Surface scratch = NewSurface(1, 1);
    cairo_t* measure = cairo_create(scratch.get());
    const double advance = LetteringWidth(measure, text, kLabelSize * size);
    cairo_destroy(measure);
    Sketch sketch(static_cast<int>(std::ceil(before + advance + after)), kLabelHeight, false);
    cairo_t* cr = sketch.Cr();
    Rng rng(seed);
    LetteringStyle style;
    style.size = kLabelSize * size;
    style.warp = kLabelSize * 0.012;
    LetteringPath(cr, text, before, kLabelBaseline, Align::Left, style, rng);
    InkWithHalo(cr, palette::kInk, kLabelHalo);
    return sketch.Picture();
}

// The lettering face has no middle dot, so it is inked by hand, halfway up the letters.
Surface LabelDot()
{
    const double space = 7.0, radius = 2.3;
    Sketch sketch(static_cast<int>(2 * (space + radius)), kLabelHeight, false);
    cairo_t* cr = sketch.Cr();
    Rng rng(8050);
    cairo_new_path(cr);
    SmoothPath(cr, Jittered(EllipsePoints(space + radius, kLabelBaseline - 6.0, radius, radius * 0.9, 8), 0.25, rng),
               true);
    InkWithHalo(cr, palette::kInk, kLabelHalo);
    return sketch.Picture();
}

void AddLabelGlyphs(PictureSet& pictures, const std::vector<PictureWords>& languages)
{
    for (const PictureWords& words : languages) {
        words.Add(pictures, datafiles::kLabelLevel, LabelText(words.Tr("label picture", "level"), 2.0, 8.0, 1.0, 8040));
        words.Add(pictures, datafiles::kLabelLoop, LabelText(words.Tr("label picture", "loop"), 2.0, 8.0, 1.0, 8041));
    }
    // The face's slash is only as tall as its small letters; a larger one matches the digits.
    pictures.Add(datafiles::kLabelSlash, LabelText("/", 5.0, 5.0, 1.35, 8042));
    pictures.Add(datafiles::kLabelDot, LabelDot());
    for (int digit = 0; digit <= 9; ++digit)
        pictures.Add(datafiles::LabelDigit(digit),
                     LabelText(std::to_string(digit), 1.0, 1.5, 1.0, 8060 + digit));
}

} // namespace

void DrawPaperScrap(cairo_t* cr, double x0, double y0, double x1, double y1, double tilt, uint64_t seed)
{
    Rng rng(seed);
    // Torn edges: the outline steps along each side with small irregular bites.
    std::vector<Pt> edge;
    const int steps = 40;
    for (int i = 0; i < steps; ++i)
        edge.push_back({x0 + (x1 - x0) * i / steps, y0 + rng.Jitter(1.6)});
    for (int i = 0; i < 8; ++i)
        edge.push_back({x1 + rng.Jitter(1.6), y0 + (y1 - y0) * i / 8});
    for (int i = 0; i < steps; ++i)
        edge.push_back({x1 - (x1 - x0) * i / steps, y1 + rng.Jitter(1.6)});
    for (int i = 0; i < 8; ++i)
        edge.push_back({x0 + rng.Jitter(1.6), y1 - (y1 - y0) * i / 8});
    const double cx = (x0 + x1) * 0.5, cy = (y0 + y1) * 0.5;
    const std::vector<Pt> scrap = Transformed(Transformed(edge, -cx, -cy), cx, cy, tilt);
    cairo_save(cr);
    cairo_push_group(cr);
    cairo_new_path(cr);
    PolygonPath(cr, Transformed(scrap, 3.0, 4.0));
    SetColour(cr, palette::kInk, 1.0);
    cairo_fill(cr);
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, 0.22);
    cairo_new_path(cr);
    PolygonPath(cr, scrap);
    SetColour(cr, palette::kPaper);
    cairo_fill_preserve(cr);
    SetColour(cr, palette::kGraphite, 0.5);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void AddHudArt(PictureSet& pictures, const std::vector<PictureWords>& languages)
{
    const PictureWords& english = languages.front();
    pictures.Add(datafiles::kCrosshair, Crosshair());
    pictures.Add(datafiles::kTimeSliderBack, TimeSliderBack());
    pictures.Add(datafiles::kTimeSliderKnob, TimeSliderKnob());
    pictures.Add(datafiles::kHealthBarFrame, HealthBack());
    pictures.Add(datafiles::kHealthBarFill, HealthFront());
    // The classic game's notes, in English alone.
    pictures.Add(datafiles::kPressSpace, PressSpace(english));
    pictures.Add(datafiles::kLevelCleared, LevelCleared(true, english));
    pictures.Add(datafiles::kClearNotePaper, ClearNotePaper());
    for (const PictureWords& words : languages) {
        words.Add(pictures, datafiles::kPressBlank, PressBlank(words));
        words.Add(pictures, datafiles::kLevelClearedBlank, LevelCleared(false, words));
        words.Add(pictures, datafiles::kPaused, Paused(words));
    }
    AddLabelGlyphs(pictures, languages);
}
