#include "broodrobots.h"

#include "laterrobots.h"
#include "pen.h"
#include "robotparts.h"

#include <cmath>

namespace {

const int kHiveSize = 112;
const int kHatchlingSize = 48;
const int kSowerSize = 72;
const int kMineSize = 40;

const Rgb kWax = Mix(palette::kPaper, palette::kAmberPencil, 0.3);

// --- hive ------------------------------------------------------------------------------------

std::vector<Pt> Hexagon(double cx, double cy, double r)
{
    std::vector<Pt> points;
    for (int i = 0; i < 6; ++i)
        points.push_back({cx + r * std::cos(i * kPi / 3.0), cy + r * std::sin(i * kPi / 3.0)});
    return points;
}

// Pencilled wax cells inside the shell's path, a few of them dark with a grub inside.
void DrawCells(cairo_t* cr, double radius, Rng& rng)
{
    cairo_save(cr);
    cairo_clip(cr);
    const double cell = 7.0;
    for (int row = -7; row <= 7; ++row) {
        for (int col = -5; col <= 5; ++col) {
            const double x = col * cell * 1.5;
            const double y = row * cell * 1.732 + (col % 2 ? cell * 0.866 : 0.0);
            if (x * x + y * y > radius * radius)
                continue;
            PolygonPath(cr, Jittered(Hexagon(x, y, cell * 0.92), 0.4, rng));
            const bool dark = rng.Chance(0.18);
            SetColour(cr, dark ? palette::kOrangePencil : palette::kAmberPencil, dark ? 0.55 : 0.2);
            cairo_fill_preserve(cr);
            SetColour(cr, palette::kInk, 0.55);
            cairo_set_line_width(cr, 0.9);
            cairo_stroke(cr);
        }
    }
    cairo_restore(cr);
}

// The iris in the middle: its blades part as open goes from 0 to 1.
void DrawIris(cairo_t* cr, double open, Rng& rng)
{
    DrawShape(cr, EllipsePoints(0.0, 0.0, 13.0, 13.0, 20), Plate(kSteel, 2.0), rng);
    Circle(cr, 0.0, 0.0, 3.0 + 6.5 * open, palette::kInk);
    for (int i = 0; i < 6; ++i) {
        const double a = i * kPi / 3.0 + open * 0.8;
        const double inner = 3.0 + 6.5 * open;
        InkLine(cr, {{inner * std::cos(a), inner * std::sin(a)}, {12.0 * std::cos(a + 0.5), 12.0 * std::sin(a + 0.5)}},
                palette::kInk, 1.0, 0.8);
    }
    for (int i = 0; i < 8; ++i)
        Rivet(cr, 10.5 * std::cos(i * kPi / 4.0 + 0.2), 10.5 * std::sin(i * kPi / 4.0 + 0.2));
}

// --- hatchling and sower -----------------------------------------------------------------------

void DrawWings(cairo_t* cr, double beat, Rng& rng)
{
    ShapeStyle wing = Plate(palette::kGhostPaper, 1.0);
    wing.fillAlpha = 0.6;
    wing.wobble = 0.15;
    for (int side = -1; side <= 1; side += 2)
        DrawShape(cr, EllipsePoints(-2.0, side * (8.0 + 3.0 * beat), 7.0, 3.0 + 3.0 * beat, 14), wing, rng);
}

void DrawSowerLegs(cairo_t* cr, double phase)
{
    for (int side = -1; side <= 1; side += 2) {
        for (int leg = 0; leg < 3; ++leg) {
            const double swing = std::sin(phase * 2.0 * kPi + leg * 2.1 + (side > 0 ? kPi : 0.0)) * 4.0;
            const double x = -12.0 + leg * 11.0;
            InkLine(cr, {{x, side * 12.0}, {x + swing * 0.5, side * 22.0}, {x + swing + 3.0, side * 28.0}}, palette::kInk, 2.0);
        }
    }
}

void DrawHopper(cairo_t* cr, Rng& rng)
{
    DrawShape(cr, RoundedRectPoints(-27.0, -11.0, -10.0, 11.0, 4.0), Plate(kDarkSteel, 1.8), rng);
    for (int i = -1; i <= 1; ++i) {
        Circle(cr, -18.5 + (i == 0 ? 3.0 : -2.0), i * 6.0, 3.6, palette::kInk);
        Circle(cr, -18.5 + (i == 0 ? 3.0 : -2.0), i * 6.0, 1.2, palette::kRedInk);
    }
}

// --- mine ------------------------------------------------------------------------------------

void DrawSpikes(cairo_t* cr, Rng& rng)
{
    for (int i = 0; i < 8; ++i) {
        const double a = i * kPi / 4.0 + 0.2;
        const Pt tip{17.5 * std::cos(a), 17.5 * std::sin(a)};
        DrawShape(cr, {{10.0 * std::cos(a - 0.25), 10.0 * std::sin(a - 0.25)}, tip, {10.0 * std::cos(a + 0.25), 10.0 * std::sin(a + 0.25)}},
                  Plate(kSteel, 1.2), rng);
    }
}

} // namespace

void DrawHive(cairo_t* cr, double phase)
{
    Rng rng(7101);
    const double breathe = 1.0 + 0.03 * std::sin(phase * 2.0 * kPi);
    Smudge(cr, 0.0, 4.0, 50.0, 48.0, palette::kGraphite, 0.2);
    for (int i = 0; i < 4; ++i) {
        const double a = kPi / 4.0 + i * kPi / 2.0;
        DrawShape(cr, Transformed(RoundedRectPoints(36.0, -7.0, 52.0, 7.0, 3.0), 0.0, 0.0, a), Plate(kDarkSteel, 1.6), rng);
    }
    const std::vector<Pt> shell = EllipsePoints(0.0, 0.0, 42.0 * breathe, 42.0 * breathe, 40);
    ShapeStyle wax = Plate(kWax, 2.8);
    wax.sketchy = true;
    DrawShape(cr, shell, wax, rng);
    PolygonPath(cr, shell);
    DrawCells(cr, 40.0 * breathe, rng);
    DrawIris(cr, 0.5 - 0.5 * std::cos(phase * 2.0 * kPi), rng);
}

void DrawHatchling(cairo_t* cr, double phase)
{
    Rng rng(7201);
    Smudge(cr, 0.0, 2.0, 15.0, 13.0, palette::kGraphite, 0.14);
    DrawWings(cr, 0.5 + 0.5 * std::sin(phase * 2.0 * kPi), rng);
    ShapeStyle body = Plate(kWax, 1.6);
    body.hatching = {palette::kOrangePencil, 0.7, 0.9, 2.0, 0.9, false};
    DrawShape(cr, {{14.0, 0.0}, {8.0, -7.5}, {-6.0, -7.0}, {-15.0, 0.0}, {-6.0, 7.0}, {8.0, 7.5}}, body, rng);
    for (double x : {-6.0, 0.0})
        InkLine(cr, {{x, -6.5}, {x + 1.0, 0.0}, {x, 6.5}}, palette::kInk, 1.3, 0.8);
    Circle(cr, 9.5, -2.8, 1.8, palette::kRedInk);
    Circle(cr, 9.5, 2.8, 1.8, palette::kRedInk);
    InkLine(cr, {{-15.0, 0.0}, {-20.0, 0.0}}, palette::kInk, 1.6);
}

void DrawSower(cairo_t* cr, double phase)
{
    Rng rng(7301);
    Smudge(cr, -2.0, 3.0, 30.0, 26.0, palette::kGraphite, 0.18);
    DrawSowerLegs(cr, phase);
    ShapeStyle shell = Plate(kSteel, 2.4);
    shell.sketchy = true;
    shell.hatching = {palette::kGreenPencil, 0.5, 0.8, 2.4, 0.9, true};
    DrawShape(cr, EllipsePoints(0.0, 0.0, 24.0, 17.0, 32), shell, rng);
    InkLine(cr, {{-20.0, 0.0}, {22.0, 0.0}}, palette::kInk, 1.4);
    DrawHopper(cr, rng);
    DrawShape(cr, EllipsePoints(21.0, 0.0, 6.5, 8.5, 16), Plate(kDarkSteel, 1.6), rng);
    Circle(cr, 24.0, -3.5, 1.7, palette::kRedInk);
    Circle(cr, 24.0, 3.5, 1.7, palette::kRedInk);
    for (double x : {-4.0, 6.0, 14.0}) {
        Rivet(cr, x, -12.0);
        Rivet(cr, x, 12.0);
    }
}

// Frames 0 and 1 of eight have the light on: it blinks.
void DrawMine(cairo_t* cr, double phase)
{
    Rng rng(7401);
    const bool lit = phase < 0.25;
    Smudge(cr, 0.0, 2.0, 14.0, 14.0, palette::kGraphite, 0.18);
    DrawSpikes(cr, rng);
    DrawShape(cr, EllipsePoints(0.0, 0.0, 11.0, 11.0, 20), Plate(kDarkSteel, 1.8), rng);
    DrawShape(cr, EllipsePoints(0.0, 0.0, 6.0, 6.0, 14), Plate(kSteel, 1.2), rng);
    if (lit)
        Circle(cr, 0.0, 0.0, 6.5, palette::kScarlet, 0.35);
    Circle(cr, 0.0, 0.0, 3.0, lit ? palette::kScarlet : Mix(palette::kRedInk, palette::kInk, 0.5));
    Circle(cr, -0.8, -0.8, 0.9, palette::kWhite, lit ? 0.9 : 0.4);
}

void AddBroodRobotArt(PictureSet& pictures)
{
    AddEightFrames(pictures, kHiveSize, datafiles::FrameSet::kHive, false, DrawHive);
    AddEightFrames(pictures, kHatchlingSize, datafiles::FrameSet::kHatchling, true, DrawHatchling);
    AddEightFrames(pictures, kSowerSize, datafiles::FrameSet::kSower, true, DrawSower);
    AddEightFrames(pictures, kMineSize, datafiles::FrameSet::kMine, false, DrawMine);
}
