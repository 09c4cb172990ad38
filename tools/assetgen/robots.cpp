#include "robots.h"

#include "pen.h"
#include "robotparts.h"

#include "utils/datafiles.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace {

const int kBigSize = 160;
const int kSmallSize = 64;

// --- big_bad -----------------------------------------------------------------------------

void DrawWalkerLeg(cairo_t* cr, int side, double footX, Rng& rng)
{
    const Pt hip{-4.0, side * 27.0};
    const double footY = side * 47.0;
    InkLine(cr, {hip, {footX * 0.5 - 3.0, side * 38.0}, {footX, footY - side * 3.0}}, palette::kInk, 12.0);
    InkLine(cr, {hip, {footX * 0.5 - 3.0, side * 38.0}, {footX, footY - side * 3.0}}, kSteel, 7.5);
    ShapeStyle foot = Plate(Mix(kSteel, palette::kGraphite, 0.35), 2.2);
    foot.hatching = {palette::kInk, 0.45, 0.7, 3.0, 0.8, true};
    for (int toe = -1; toe <= 1; ++toe) {
        const double y = footY + toe * 5.5;
        DrawShape(cr, {{footX + 10.0, y - 2.6}, {footX + 20.0, y + toe * 1.2}, {footX + 10.0, y + 2.6}},
                  Plate(kDarkSteel, 1.4), rng);
    }
    DrawShape(cr, RoundedRectPoints(footX - 15.0, footY - 8.5, footX + 13.0, footY + 8.5, 5.0), foot, rng);
    DrawShape(cr, EllipsePoints(hip.x, hip.y, 7.5, 7.5, 14), Plate(kSteel, 2.0), rng);
    Rivet(cr, hip.x, hip.y);
}

void DrawExhaust(cairo_t* cr, int puff, Rng& rng)
{
    for (int side = -1; side <= 1; side += 2) {
        const double y = side * 16.0;
        DrawShape(cr, RoundedRectPoints(-47.0, y - 5.5, -36.0, y + 5.5, 2.5), Plate(kDarkSteel, 1.6), rng);
        Circle(cr, -45.0, y, 2.6, palette::kInk);
        for (int k = 0; k < 2; ++k) {
            const double d = 6.0 + ((puff + k * 2 + (side > 0 ? 1 : 0)) % 3) * 4.0;
            cairo_new_path(cr);
            cairo_arc(cr, -47.0 - d, y + rng.Jitter(1.5), 2.0 + d * 0.22, 0, 2 * kPi);
            SetColour(cr, palette::kGraphite, 0.55 - d * 0.025);
            cairo_set_line_width(cr, 1.0);
            cairo_stroke(cr);
        }
    }
}

void DrawChassis(cairo_t* cr, Rng& rng)
{
    ShapeStyle hull = Plate(palette::kPaper, 2.8);
    hull.sketchy = true;
    const std::vector<Pt> outline = RoundedRectPoints(-40.0, -35.0, 31.0, 35.0, 13.0);
    DrawShape(cr, outline, hull, rng);
    // Pencil shading over the rear half, red warning stripes on the front plate.
    PolygonPath(cr, RoundedRectPoints(-39.0, -34.0, -14.0, 34.0, 12.0));
    StripesInPath(cr, {-26.0, 0.0}, 40.0, {palette::kGraphite, 0.45, 0.9, 2.6, 0.9, true}, rng);
    cairo_new_path(cr);
    cairo_rectangle(cr, 22.0, -31.0, 8.0, 62.0);
    StripesInPath(cr, {26.0, 0.0}, 36.0, {palette::kRedInk, 0.8, -0.8, 4.5, 2.2, false}, rng);
    InkLine(cr, {{-14.0, -33.0}, {-14.5, 0.0}, {-14.0, 33.0}}, palette::kInk, 1.4);
    InkLine(cr, {{21.5, -32.0}, {21.5, 32.0}}, palette::kInk, 1.2);
    for (double x = -33.0; x <= 16.0; x += 9.8) {
        Rivet(cr, x, -30.0);
        Rivet(cr, x, 30.0);
    }
}

void DrawSensorHead(cairo_t* cr, Rng& rng)
{
    ShapeStyle dome = Plate(Mix(kSteel, palette::kPaper, 0.4), 2.0);
    dome.hatching = {palette::kGraphite, 0.3, 2.2, 2.2, 0.7, false};
    DrawShape(cr, EllipsePoints(6.0, -19.0, 10.5, 10.0, 18), dome, rng);
    DrawShape(cr, EllipsePoints(13.0, -19.0, 3.6, 6.0, 12), Plate(palette::kRedInk, 1.3), rng);
    Circle(cr, 13.8, -21.0, 1.2, palette::kWhite, 0.9);
    InkLine(cr, {{-18.0, -22.0}, {-27.0, -27.0}, {-33.0, -33.0}}, palette::kInk, 1.6);
    Circle(cr, -33.0, -33.0, 2.6, palette::kRedInk);
}

void DrawCannon(cairo_t* cr, Rng& rng, double barrelLength, double barrelAngle)
{
    ShapeStyle ring = Plate(kSteel, 2.2);
    ring.hatching = {palette::kGraphite, 0.35, 0.5, 2.4, 0.7, false};
    DrawShape(cr, EllipsePoints(0.0, 7.0, 17.0, 17.0, 24), ring, rng);
    for (int i = 0; i < 8; ++i) {
        const double a = i * kPi / 4.0 + 0.3;
        Rivet(cr, 13.0 * std::cos(a), 7.0 + 13.0 * std::sin(a));
    }
    cairo_save(cr);
    cairo_translate(cr, 0.0, 7.0);
    cairo_rotate(cr, barrelAngle);
    ShapeStyle barrel = Plate(kDarkSteel, 1.8);
    barrel.wobble = 0.15;
    DrawShape(cr, RoundedRectPoints(8.0, -6.0, barrelLength - 8.0, 6.0, 2.0), barrel, rng);
    InkLine(cr, {{10.0, -3.6}, {barrelLength - 10.0, -3.6}}, palette::kWhite, 1.1, 0.45);
    if (barrelLength >= 60.0) {
        DrawShape(cr, RoundedRectPoints(barrelLength - 10.0, -8.5, barrelLength, 8.5, 2.0), barrel, rng);
        for (int k = 0; k < 2; ++k)
            InkLine(cr, {{barrelLength - 7.5 + k * 3.6, -6.0}, {barrelLength - 7.5 + k * 3.6, 6.0}}, palette::kPaper,
                    1.0, 0.6);
    }
    cairo_restore(cr);
    DrawShape(cr, EllipsePoints(0.0, 7.0, 7.0, 7.0, 12), Plate(kDarkSteel, 1.6), rng);
}

// --- big_bad wreck -----------------------------------------------------------------------

void DrawFlame(cairo_t* cr, double x, double y, double size, Rng& rng)
{
    const double lean = rng.Jitter(0.4);
    std::vector<Pt> flame{{x - size * 0.5, y}, {x - size * 0.3, y - size * 0.9}, {x + lean * size, y - size * 1.7},
                          {x + size * 0.35, y - size * 0.8}, {x + size * 0.5, y}, {x, y + size * 0.4}};
    ShapeStyle outer;
    outer.fill = palette::kOrangePencil;
    outer.ink = palette::kRedInk;
    outer.width = 1.2;
    outer.wobble = 0.3;
    DrawShape(cr, flame, outer, rng);
    outer.fill = palette::kAmberPencil;
    outer.inkAlpha = 0.0;
    DrawShape(cr, Transformed(flame, x * 0.4, y * 0.4 + size * 0.15, 0.0, 0.6), outer, rng);
}

void DrawSmokeCurl(cairo_t* cr, double x, double y, double size)
{
    std::vector<Pt> curl;
    for (int i = 0; i <= 30; ++i) {
        const double t = i / 30.0;
        const double a = t * 3.5 * kPi;
        const double r = size * (1.0 - t * 0.7);
        curl.push_back({x + r * std::cos(a) - t * size, y + r * std::sin(a) - t * size * 1.8});
    }
    InkLine(cr, curl, palette::kGraphite, 1.4, 0.6);
}

void DrawWreckedLegs(cairo_t* cr, Rng& rng)
{
    cairo_save(cr);
    cairo_rotate(cr, -0.35);
    DrawWalkerLeg(cr, -1, 8.0, rng);
    cairo_restore(cr);
    cairo_save(cr);
    cairo_translate(cr, -10.0, 6.0);
    cairo_rotate(cr, 0.55);
    DrawWalkerLeg(cr, 1, -6.0, rng);
    cairo_restore(cr);
}

void DrawCracks(cairo_t* cr, Rng& rng)
{
    const std::vector<std::vector<Pt>> cracks{
        {{-38.0, -8.0}, {-28.0, -4.0}, {-22.0, 6.0}, {-10.0, 4.0}, {-4.0, 14.0}},
        {{-22.0, 6.0}, {-24.0, 18.0}, {-18.0, 28.0}},
        {{30.0, -20.0}, {20.0, -14.0}, {14.0, -24.0}}};
    for (const std::vector<Pt>& crack : cracks) {
        std::vector<Pt> jagged;
        for (const Pt& p : crack)
            jagged.push_back({p.x + rng.Jitter(1.0), p.y + rng.Jitter(1.0)});
        cairo_new_path(cr);
        PolygonPath(cr, jagged);
        cairo_new_path(cr);
        for (std::size_t i = 0; i < jagged.size(); ++i)
            (i == 0 ? cairo_move_to : cairo_line_to)(cr, jagged[i].x, jagged[i].y);
        SetColour(cr, palette::kInk);
        cairo_set_line_width(cr, 1.6);
        cairo_stroke(cr);
    }
}

void DrawBigBadWreck(cairo_t* cr)
{
    Rng rng(3107);
    Smudge(cr, -4.0, 4.0, 66.0, 66.0, palette::kInk, 0.35);
    DrawWreckedLegs(cr, rng);
    cairo_save(cr);
    cairo_rotate(cr, 0.12);
    DrawChassis(cr, rng);
    PolygonPath(cr, RoundedRectPoints(-36.0, -30.0, 10.0, 28.0, 12.0));
    StripesInPath(cr, {-14.0, 0.0}, 40.0, {palette::kInk, 0.55, 0.3, 2.2, 1.0, true}, rng);
    DrawCracks(cr, rng);
    cairo_save(cr);
    cairo_translate(cr, 3.0, 4.0);
    DrawCannon(cr, rng, 38.0, 0.45);
    cairo_restore(cr);
    cairo_restore(cr);
    // The muzzle brake and the sensor head, knocked off.
    cairo_save(cr);
    cairo_translate(cr, 52.0, 46.0);
    cairo_rotate(cr, 1.2);
    DrawShape(cr, RoundedRectPoints(-5.0, -8.5, 5.0, 8.5, 2.0), Plate(kDarkSteel, 1.6), rng);
    cairo_restore(cr);
    cairo_save(cr);
    cairo_translate(cr, -48.0, -44.0);
    DrawShape(cr, EllipsePoints(0.0, 0.0, 10.0, 9.5, 18), Plate(kSteel, 2.0), rng);
    InkLine(cr, {{4.0, -3.0}, {9.0, 3.0}}, palette::kInk, 1.6);
    InkLine(cr, {{4.0, 3.0}, {9.0, -3.0}}, palette::kInk, 1.6);
    cairo_restore(cr);
    DrawFlame(cr, -18.0, 0.0, 11.0, rng);
    DrawFlame(cr, 8.0, -16.0, 8.0, rng);
    DrawSmokeCurl(cr, -20.0, -14.0, 9.0);
    DrawSmokeCurl(cr, 10.0, -28.0, 6.0);
    for (int i = 0; i < 7; ++i)
        Rivet(cr, rng.Range(-70.0, 70.0), rng.Range(-70.0, 70.0));
}

// --- small robots ------------------------------------------------------------------------

std::vector<Pt> HornetBody()
{
    std::vector<Pt> points;
    const int count = 28;
    for (int i = 0; i < count; ++i) {
        const double a = 2 * kPi * i / count;
        const double c = std::cos(a);
        const double nose = c > 0 ? 7.0 * std::pow(c, 6.0) : 0.0;
        points.push_back({-2.0 + (14.0 + nose) * c, 12.0 * std::sin(a)});
    }
    return points;
}

void DrawRotor(cairo_t* cr, double angle, Rng& rng)
{
    const Pt hub{-3.0, 0.0};
    Circle(cr, hub.x, hub.y, 20.0, palette::kGraphite, 0.07);
    for (int blade = 0; blade < 3; ++blade) {
        const double a = angle + blade * 2.0 * kPi / 3.0;
        cairo_new_path(cr);
        cairo_arc(cr, hub.x, hub.y, 17.5, a - 0.75, a - 0.08);
        SetColour(cr, palette::kGraphite, 0.4);
        cairo_set_line_width(cr, 1.0);
        cairo_stroke(cr);
        ShapeStyle style = Plate(kSteel, 1.1);
        style.wobble = 0.15;
        DrawShape(cr, Transformed(EllipsePoints(10.5, 0.0, 9.0, 2.3, 14), hub.x, hub.y, a), style, rng);
    }
    DrawShape(cr, EllipsePoints(hub.x, hub.y, 3.2, 3.2, 10), Plate(palette::kRedInk, 1.2), rng);
}

void DrawTreadSide(cairo_t* cr, int side, double phase, Rng& rng)
{
    DrawTread(cr, Tread{side * 15.0, 5.5, -18.0, 18.0, 4.5, 1.5, -21.0, 4.6, 0.6, 1.3}, phase, rng);
}

void AddNumberedFrames(PictureSet& pictures, datafiles::FrameSet set, const Surface* frames, int first)
{
    for (int i = 0; i < 8; ++i)
        pictures.Add(datafiles::Frame(set, first + i), frames[i]);
}

void AddBigBad(PictureSet& pictures)
{
    const double strides[3] = {1.0, 0.0, -1.0};
    Surface walk[3];
    for (int i = 0; i < 3; ++i) {
        Sketch sketch(kBigSize, kBigSize);
        DrawBigBad(sketch.Cr(), strides[i], i);
        walk[i] = sketch.Picture();
    }
    for (int i = 0; i < 3; ++i)
        pictures.Add(datafiles::Frame(datafiles::FrameSet::kBigBad, i + 1), walk[i]);
    for (int i = 0; i < 3; ++i)
        pictures.Add(datafiles::Frame(datafiles::FrameSet::kBigBad, i + 4), Mirrored(walk[i]));
    Sketch wreck(kBigSize, kBigSize);
    DrawBigBadWreck(wreck.Cr());
    pictures.Add(datafiles::Frame(datafiles::FrameSet::kBigBad, 7), wreck.Picture());
}

// small_homing's files 01-08 face +x and 09-16 are their mirror images.
void AddSmallHoming(PictureSet& pictures)
{
    Surface right[8], left[8];
    for (int i = 0; i < 8; ++i) {
        Sketch sketch(kSmallSize, kSmallSize);
        DrawHornet(sketch.Cr(), i * (2.0 * kPi / 3.0) / 8.0);
        right[i] = sketch.Picture();
        left[i] = Mirrored(right[i]);
    }
    AddNumberedFrames(pictures, datafiles::FrameSet::kSmallHoming, right, 1);
    AddNumberedFrames(pictures, datafiles::FrameSet::kSmallHoming, left, 9);
}

// small_moving's files 01-08 face -x (mirrored) and 09-16 face +x.
void AddSmallMoving(PictureSet& pictures)
{
    Surface right[8], left[8];
    for (int i = 0; i < 8; ++i) {
        Sketch sketch(kSmallSize, kSmallSize);
        DrawTreadBot(sketch.Cr(), i / 8.0);
        right[i] = sketch.Picture();
        left[i] = Mirrored(right[i]);
    }
    AddNumberedFrames(pictures, datafiles::FrameSet::kSmallMoving, left, 1);
    AddNumberedFrames(pictures, datafiles::FrameSet::kSmallMoving, right, 9);
}

} // namespace

void DrawBigBad(cairo_t* cr, double stride, int puff)
{
    Rng rng(3001);
    Smudge(cr, -2.0, 4.0, 58.0, 62.0, palette::kGraphite, 0.2);
    DrawWalkerLeg(cr, -1, 16.0 * stride, rng);
    DrawWalkerLeg(cr, 1, -16.0 * stride, rng);
    DrawExhaust(cr, puff, rng);
    DrawChassis(cr, rng);
    DrawSensorHead(cr, rng);
    DrawCannon(cr, rng, 66.0, 0.0);
}

void DrawHornet(cairo_t* cr, double rotorAngle)
{
    Rng rng(4001);
    Smudge(cr, 0.0, 3.0, 22.0, 20.0, palette::kGraphite, 0.16);
    for (int side = -1; side <= 1; side += 2) {
        DrawShape(cr, {{-11.0, side * 5.0}, {-23.0, side * 14.0}, {-20.0, side * 4.0}}, Plate(kSteel, 1.3), rng);
        InkLine(cr, {{10.0, side * 6.0}, {17.5, side * 9.5}, {21.5, side * 5.0}}, palette::kInk, 2.6);
    }
    ShapeStyle body = Plate(palette::kPaper, 1.8);
    body.hatching = {palette::kOrangePencil, 0.75, 0.9, 2.0, 1.0, false};
    DrawShape(cr, HornetBody(), body, rng);
    for (double x : {-7.0, -12.0}) {
        cairo_new_path(cr);
        cairo_arc(cr, x + 14.0, 0.0, 14.0, kPi * 0.72, kPi * 1.28);
        SetColour(cr, palette::kInk, 0.85);
        cairo_set_line_width(cr, 2.4);
        cairo_stroke(cr);
    }
    for (int side = -1; side <= 1; side += 2) {
        Circle(cr, 8.5, side * 4.6, 3.4, palette::kRedInk, 0.5);
        Circle(cr, 8.5, side * 4.6, 2.4, palette::kInk);
        Circle(cr, 9.2, side * 4.6 - 0.8, 0.8, palette::kWhite);
    }
    DrawRotor(cr, rotorAngle, rng);
}

void DrawTreadBot(cairo_t* cr, double phase)
{
    Rng rng(5001);
    Smudge(cr, 0.0, 3.0, 22.0, 23.0, palette::kGraphite, 0.16);
    for (int k = 0; k < 2; ++k) {
        const double t = std::fmod(phase + k * 0.5, 1.0);
        cairo_new_path(cr);
        cairo_arc(cr, -21.0 - t * 6.0, 5.0 - t * 2.0, 1.5 + t * 2.0, 0, 2 * kPi);
        SetColour(cr, palette::kGraphite, 0.6 * (1.0 - t));
        cairo_set_line_width(cr, 1.0);
        cairo_stroke(cr);
    }
    DrawTreadSide(cr, -1, phase, rng);
    DrawTreadSide(cr, 1, phase, rng);
    ShapeStyle body = Plate(palette::kPaper, 1.8);
    body.hatching = {palette::kGreenPencil, 0.7, -0.8, 2.0, 1.0, false};
    DrawShape(cr, RoundedRectPoints(-14.0, -11.5, 14.0, 11.5, 4.0), body, rng);
    DrawShape(cr, RoundedRectPoints(13.0, -8.0, 17.5, 8.0, 1.5), Plate(kDarkSteel, 1.3), rng);
    DrawShape(cr, EllipsePoints(-2.0, 0.0, 8.0, 8.0, 16), Plate(Mix(palette::kPaper, palette::kGreenPencil, 0.12), 1.6),
              rng);
    DrawShape(cr, EllipsePoints(3.0, 0.0, 3.9, 3.9, 12), Plate(palette::kPaper, 1.2), rng);
    Circle(cr, 4.4, 0.0, 1.9, palette::kInk);
    Circle(cr, 4.9, -0.7, 0.6, palette::kWhite);
    const double wobble = std::sin(phase * 2.0 * kPi) * 1.5;
    InkLine(cr, {{-6.0, -5.0}, {-9.5, -9.5 + wobble * 0.3}, {-12.0 + wobble, -14.0}}, palette::kInk, 1.2);
    Circle(cr, -12.0 + wobble, -14.0, 2.0, palette::kRedInk);
}

void AddRobotArt(PictureSet& pictures)
{
    AddBigBad(pictures);
    AddSmallHoming(pictures);
    AddSmallMoving(pictures);
}
