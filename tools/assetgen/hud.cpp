#include "hud.h"

#include "lettering.h"
#include "pen.h"

#include <cmath>

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

Surface HealthBack()
{
    Rng rng(8004);
    Sketch sketch(60, 16, false);
    ShapeStyle frame;
    frame.fill = palette::kPaper;
    frame.fillAlpha = 0.9;
    frame.ink = palette::kInk;
    frame.width = 1.6;
    frame.wobble = 0.15;
    DrawShape(sketch.Cr(), RoundedRectPoints(1.2, 1.2, 58.8, 14.8, 4.0), frame, rng);
    return sketch.Picture();
}

// The fill sits inside the frame at (5, 4) and is scaled by the health left.
Surface HealthFront()
{
    Rng rng(8005);
    Sketch sketch(50, 9, false);
    cairo_t* cr = sketch.Cr();
    cairo_rectangle(cr, 0, 0, 50, 9);
    SetColour(cr, palette::kRedInk, 0.88);
    cairo_fill(cr);
    cairo_rectangle(cr, 0, 0, 50, 9);
    cairo_clip(cr);
    HatchArea(cr, {25, 4.5}, 30, {Mix(palette::kRedInk, palette::kInk, 0.5), 0.6, 1.1, 2.6, 0.8, false}, rng);
    return sketch.Picture();
}

void LetterOnScrap(cairo_t* cr, const std::string& text, double x, double baseline, double size, Rgb ink, uint64_t seed)
{
    Rng rng(seed);
    LetteringStyle style;
    style.size = size;
    style.ink = ink;
    style.warp = size * 0.012;
    Letter(cr, text, x, baseline, Align::Left, style, rng);
}

Surface PressSpace()
{
    const int width = 520, height = 110;
    Sketch sketch(width, height, false);
    cairo_t* cr = sketch.Cr();
    DrawPaperScrap(cr, 12, 10, width - 12, height - 12, -0.012, 8006);
    LetterOnScrap(cr, "press", 36, 74, 56, palette::kBallpoint, 8007);
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
    LetterOnScrap(cr, "space", 262, 68, 50, palette::kInk, 8009);
    return sketch.Picture();
}

void DrawStar(cairo_t* cr, double x, double y, double r, Rgb colour)
{
    std::vector<Pt> star;
    for (int i = 0; i < 10; ++i) {
        const double a = -kPi / 2 + i * kPi / 5;
        const double d = i % 2 == 0 ? r : r * 0.45;
        star.push_back({x + d * std::cos(a), y + d * std::sin(a)});
    }
    cairo_new_path(cr);
    PolygonPath(cr, star);
    SetColour(cr, colour);
    cairo_set_line_width(cr, 1.8);
    cairo_stroke(cr);
}

Surface LevelCleared()
{
    const int width = 700, height = 180;
    Sketch sketch(width, height, false);
    cairo_t* cr = sketch.Cr();
    DrawPaperScrap(cr, 16, 16, width - 16, height - 14, 0.018, 8010);
    Rng rng(8011);
    LetteringStyle style;
    style.size = FittedSize(cr, "level cleared!", 92, width - 130);
    style.ink = palette::kRedInk;
    style.outline = 3.0;
    style.outlineInk = palette::kInk;
    style.warp = 1.2;
    Letter(cr, "level cleared!", width * 0.5, 112, Align::Centre, style, rng);
    std::vector<Pt> underline;
    for (int i = 0; i <= 12; ++i)
        underline.push_back({100 + i * 41.0, 136 + 3.0 * std::sin(i * 1.3) + i * 0.4});
    InkLine(cr, underline, palette::kBallpoint, 3.0, 0.85);
    DrawStar(cr, 50, 62, 15, palette::kBallpoint);
    DrawStar(cr, 652, 126, 12, palette::kBallpoint);
    DrawStar(cr, 646, 56, 8, palette::kRedInk);
    return sketch.Picture();
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

void AddHudArt(PictureSet& pictures)
{
    pictures.Add("data/gfx/crosshair.png", Crosshair());
    pictures.Add("data/gfx/time_slider_back.png", TimeSliderBack());
    pictures.Add("data/gfx/time_slider.png", TimeSliderKnob());
    pictures.Add("data/gfx/zarn_slider_back.png", HealthBack());
    pictures.Add("data/gfx/zarn_slider_front.png", HealthFront());
    pictures.Add("data/gfx/press_space.png", PressSpace());
    pictures.Add("data/gfx/level_cleared.png", LevelCleared());
}
