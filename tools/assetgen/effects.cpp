#include "effects.h"

#include "pen.h"

#include "utils/datafiles.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace {

const double kPi = 3.14159265358979323846;

ShapeStyle Metal(Rgb fill, double width)
{
    ShapeStyle style;
    style.fill = fill;
    style.ink = palette::kInk;
    style.width = width;
    style.wobble = 0.15;
    return style;
}

// --- bullets -------------------------------------------------------------------------------

Surface HeroBullet()
{
    Sketch sketch(16, 6);
    cairo_t* cr = sketch.Cr();
    TaperedStroke(cr, {{-7.0, 0.2}, {-1.0, 0.0}, {5.0, 0.0}}, 0.6, 3.6, palette::kBallpoint, 0.85);
    TaperedStroke(cr, {{2.0, 0.0}, {5.2, 0.0}}, 2.6, 4.2, palette::kInk);
    cairo_arc(cr, 5.0, -0.8, 0.7, 0, 2 * kPi);
    SetColour(cr, palette::kWhite, 0.8);
    cairo_fill(cr);
    return sketch.Picture();
}

Surface BigBadBullet(int frame)
{
    Rng rng(6100 + frame);
    const double radius = 6.0 + 1.6 * frame;
    Sketch sketch(22, 22);
    cairo_t* cr = sketch.Cr();
    Smudge(cr, 0, 0, radius + 3.0, radius + 3.0, palette::kRedInk, 0.35);
    ShapeStyle ball;
    ball.fill = palette::kRedInk;
    ball.ink = palette::kInk;
    ball.width = 1.4;
    ball.wobble = 0.3;
    ball.hatching = {palette::kInk, 0.5, 0.7 + frame * 0.6, 2.0, 0.8, false};
    DrawShape(cr, EllipsePoints(0, 0, radius, radius, 14), ball, rng);
    cairo_arc(cr, -radius * 0.35, -radius * 0.35, radius * 0.28, 0, 2 * kPi);
    SetColour(cr, palette::kWhite, 0.85);
    cairo_fill(cr);
    // A scribbled ring of heat around the shot.
    std::vector<Pt> ring;
    for (int i = 0; i <= 16; ++i) {
        const double a = i * 2 * kPi / 14 + frame;
        const double r = radius + 2.2 + rng.Jitter(0.8);
        ring.push_back({r * std::cos(a), r * std::sin(a)});
    }
    InkLine(cr, ring, palette::kRedInk, 0.9, 0.7);
    return sketch.Picture();
}

// --- robot parts (long axis along +y) -------------------------------------------------------

Surface Bolt()
{
    Rng rng(6201);
    Sketch sketch(10, 18);
    cairo_t* cr = sketch.Cr();
    DrawShape(cr, RoundedRectPoints(-2.2, -3.0, 2.2, 8.0, 0.8), Metal(palette::kGraphiteLight, 1.0), rng);
    for (double y = -1.5; y < 7.5; y += 1.8)
        InkLine(cr, {{-2.2, y}, {2.2, y + 0.8}}, palette::kInk, 0.6);
    std::vector<Pt> hex;
    for (int i = 0; i < 6; ++i)
        hex.push_back({4.2 * std::cos(i * kPi / 3.0), -5.0 + 3.2 * std::sin(i * kPi / 3.0)});
    DrawShape(cr, hex, Metal(Mix(palette::kGraphiteLight, palette::kPaper, 0.4), 1.1), rng);
    return sketch.Picture();
}

Surface Gear()
{
    Rng rng(6202);
    Sketch sketch(20, 20);
    std::vector<Pt> teeth;
    for (int i = 0; i < 32; ++i) {
        const double a = i * 2 * kPi / 32;
        const double r = (i / 2) % 2 == 0 ? 9.0 : 6.8;
        teeth.push_back({r * std::cos(a), r * std::sin(a)});
    }
    ShapeStyle gear = Metal(Mix(palette::kGraphiteLight, palette::kPaper, 0.3), 1.1);
    gear.hatching = {palette::kGraphite, 0.5, 0.8, 1.8, 0.6, false};
    DrawShape(sketch.Cr(), teeth, gear, rng);
    DrawShape(sketch.Cr(), EllipsePoints(0, 0, 2.6, 2.6, 10), Metal(palette::kInk, 0.8), rng);
    return sketch.Picture();
}

Surface Plate()
{
    Rng rng(6203);
    Sketch sketch(14, 22);
    cairo_t* cr = sketch.Cr();
    ShapeStyle plate = Metal(palette::kPaper, 1.2);
    plate.hatching = {palette::kRedInk, 0.7, -0.8, 3.0, 1.2, false};
    DrawShape(cr, {{-5.5, -9.5}, {5.0, -8.0}, {6.0, 3.0}, {3.5, 9.5}, {-5.0, 8.5}, {-6.0, -1.0}}, plate, rng);
    InkLine(cr, {{-5.0, 0.0}, {5.5, 1.5}}, palette::kInk, 0.8, 0.8);
    for (const Pt& p : {Pt{-3.0, -6.5}, Pt{3.0, -5.5}, Pt{-2.5, 6.0}, Pt{2.5, 6.5}}) {
        cairo_arc(cr, p.x, p.y, 0.9, 0, 2 * kPi);
        SetColour(cr, palette::kInk);
        cairo_fill(cr);
    }
    return sketch.Picture();
}

Surface Spring()
{
    Sketch sketch(10, 22);
    std::vector<Pt> coil;
    for (int i = 0; i <= 60; ++i) {
        const double t = i / 60.0;
        coil.push_back({3.4 * std::sin(t * 5.5 * 2 * kPi), -9.5 + 19.0 * t});
    }
    InkLine(sketch.Cr(), coil, palette::kInk, 1.9);
    InkLine(sketch.Cr(), coil, palette::kGraphiteLight, 0.8);
    return sketch.Picture();
}

// --- light pictures the game tints -----------------------------------------------------------

Surface SmokePuff(int variant)
{
    Rng rng(6300 + variant);
    Sketch sketch(40, 40);
    cairo_t* cr = sketch.Cr();
    const int lumps = 4 + variant % 3;
    std::vector<Pt> centres;
    std::vector<double> radii;
    for (int i = 0; i < lumps; ++i) {
        const double a = rng.Range(0, 2 * kPi);
        const double d = rng.Range(3.0, 8.0);
        centres.push_back({d * std::cos(a), d * std::sin(a)});
        radii.push_back(rng.Range(7.0, 10.5));
    }
    // Soft white body, then a light grey scribbled rim on each lump.
    for (int i = 0; i < lumps; ++i)
        Smudge(cr, centres[i].x, centres[i].y, radii[i] + 1.5, radii[i] + 1.5, palette::kWhite, 0.95);
    for (int i = 0; i < lumps; ++i) {
        cairo_new_path(cr);
        const double start = rng.Range(0, 2 * kPi);
        cairo_arc(cr, centres[i].x, centres[i].y, radii[i] * 0.85, start, start + rng.Range(2.0, 3.6));
        SetColour(cr, Rgb{0.82, 0.82, 0.84}, 0.8);
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
    }
    return sketch.Picture();
}

Surface Spark(int variant)
{
    const int widths[5] = {4, 4, 3, 5, 4};
    const int heights[5] = {16, 14, 16, 18, 12};
    const int w = widths[variant], h = heights[variant];
    Sketch sketch(w, h);
    const double bend = (variant % 2 == 0 ? 0.5 : -0.5);
    const double half = h * 0.5 - 1.0;
    TaperedStroke(sketch.Cr(), {{0.0, -half}, {bend, 0.0}, {0.0, half}}, 0.4, w - 1.0, palette::kWhite);
    return sketch.Picture();
}

Surface Spiral()
{
    Rng rng(6400);
    Sketch sketch(64, 64);
    std::vector<Pt> turns;
    const int steps = 140;
    for (int i = 0; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        const double a = t * 3.2 * 2 * kPi;
        const double r = 2.0 + 27.0 * t + rng.Jitter(0.25);
        turns.push_back({r * std::cos(a), r * std::sin(a)});
    }
    TaperedStroke(sketch.Cr(), turns, 4.2, 1.2, palette::kWhite);
    return sketch.Picture();
}

// --- blood -------------------------------------------------------------------------------

Surface BloodDrop(int variant)
{
    Rng rng(6500 + variant);
    const int sizes[8][2] = {{6, 8}, {7, 10}, {8, 12}, {6, 12}, {9, 14}, {10, 12}, {8, 14}, {12, 14}};
    const int w = sizes[variant][0], h = sizes[variant][1];
    Sketch sketch(w, h);
    cairo_t* cr = sketch.Cr();
    // A drop flying along +y: round head in front, thin tail behind.
    const double r = w * 0.5 - 1.2;
    const double head = h * 0.5 - 1.0 - r;
    const double tip = -(h * 0.5 - 1.0);
    std::vector<Pt> drop;
    for (int i = 0; i < 20; ++i) {
        const double a = 2 * kPi * i / 20;
        const double s = std::sin(a);
        if (s >= 0)
            drop.push_back({r * std::cos(a), head + r * s});
        else
            drop.push_back({r * std::cos(a) * (1.0 - 0.35 * -s), head + (tip - head) * std::pow(-s, 1.3)});
    }
    ShapeStyle ink;
    ink.fill = palette::kBlood;
    ink.ink = Mix(palette::kBlood, palette::kInk, 0.4);
    ink.width = 0.8;
    ink.wobble = 0.2;
    DrawShape(cr, drop, ink, rng);
    cairo_arc(cr, -r * 0.3, head - r * 0.3, std::max(0.6, r * 0.25), 0, 2 * kPi);
    SetColour(cr, palette::kWhite, 0.5);
    cairo_fill(cr);
    return sketch.Picture();
}

} // namespace

void AddEffectArt(PictureSet& pictures)
{
    pictures.Add(datafiles::kHeroBullet, HeroBullet());
    for (int i = 0; i < 3; ++i)
        pictures.Add(datafiles::BigBadBullet(i + 1), BigBadBullet(i));
    pictures.Add(datafiles::RobotPart(1), Bolt());
    pictures.Add(datafiles::RobotPart(2), Gear());
    pictures.Add(datafiles::RobotPart(3), Plate());
    pictures.Add(datafiles::RobotPart(4), Spring());
    for (int i = 0; i < 5; ++i)
        pictures.Add(datafiles::Smoke(i + 1), SmokePuff(i), true);
    for (int i = 0; i < 5; ++i)
        pictures.Add(datafiles::Spark(i + 1), Spark(i), true);
    for (int i = 0; i < 8; ++i)
        pictures.Add(datafiles::BloodDrop(i + 1), BloodDrop(i));
    pictures.Add(datafiles::kSpiral, Spiral(), true);
    pictures.Add(datafiles::kEmpty, NewSurface(64, 64));
}
