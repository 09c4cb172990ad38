#include "laterrobots.h"

#include "broodrobots.h"
#include "pen.h"
#include "robotparts.h"

#include <cmath>

namespace {

const int kShieldBotSize = 80;
const int kTwinSize = 56;
const int kPhantomSize = 64;
const int kWireWidth = 128;
const int kWireHeight = 16;

// --- shield bot ----------------------------------------------------------------------------

void DrawBigTread(cairo_t* cr, int side, double phase, Rng& rng)
{
    DrawTread(cr, Tread{side * 19.0, 6.5, -24.0, 14.0, 5.0, 1.6, -28.0, 5.0, 0.8, 1.4}, phase, rng);
}

// The one place a shot gets in: a hot red vent across the back, glowing with the phase.
void DrawOpenBack(cairo_t* cr, double phase, Rng& rng)
{
    ShapeStyle vent = Plate(Mix(palette::kRedInk, palette::kOrangePencil, 0.4), 1.6);
    vent.hatching = {palette::kRedInk, 0.7, 0.6, 2.0, 0.9, false};
    DrawShape(cr, RoundedRectPoints(-27.0, -9.0, -19.0, 9.0, 3.0), vent, rng);
    const double glow = 0.25 + 0.2 * std::sin(phase * 2.0 * kPi);
    Circle(cr, -27.0, 0.0, 6.0, palette::kOrangePencil, glow);
    for (int i = -1; i <= 1; ++i)
        InkLine(cr, {{-26.0, i * 5.0}, {-20.0, i * 5.0}}, palette::kInk, 1.0, 0.8);
}

// A crescent of plate round the front, from -75 to 75 degrees.
std::vector<Pt> ShieldOutline()
{
    std::vector<Pt> points;
    const double span = 75.0 * kPi / 180.0;
    for (int i = 0; i <= 16; ++i) {
        const double a = -span + 2.0 * span * i / 16.0;
        points.push_back({-4.0 + 38.0 * std::cos(a), 38.0 * std::sin(a)});
    }
    for (int i = 16; i >= 0; --i) {
        const double a = -span + 2.0 * span * i / 16.0;
        points.push_back({-4.0 + 29.0 * std::cos(a), 29.0 * std::sin(a)});
    }
    return points;
}

void DrawShield(cairo_t* cr, Rng& rng)
{
    ShapeStyle plate = Plate(kSteel, 2.6);
    plate.sketchy = true;
    plate.hatching = {palette::kGraphite, 0.4, -0.7, 2.6, 0.8, false};
    DrawShape(cr, ShieldOutline(), plate, rng);
    for (int i = -2; i <= 2; ++i) {
        const double a = i * 0.45;
        Rivet(cr, -4.0 + 33.5 * std::cos(a), 33.5 * std::sin(a));
    }
    cairo_new_path(cr);
    cairo_arc(cr, -4.0, 0.0, 36.2, -0.9, 0.9);
    SetColour(cr, palette::kRedInk, 0.8);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
}

// --- twins -----------------------------------------------------------------------------------

void DrawPlug(cairo_t* cr, int side, Rng& rng)
{
    DrawShape(cr, RoundedRectPoints(-4.0, side * 15.0 - 3.0, 4.0, side * 15.0 + 3.0, 1.5), Plate(kDarkSteel, 1.3), rng);
    InkLine(cr, {{0.0, side * 18.0}, {0.0, side * 21.5}}, palette::kAmberPencil, 2.4);
    Circle(cr, 0.0, side * 22.0, 1.8, palette::kInk);
}

void DrawCoil(cairo_t* cr, double phase)
{
    cairo_new_path(cr);
    for (int i = 0; i <= 40; ++i) {
        const double a = i * 0.6;
        const double r = 2.0 + i * 0.12;
        (i == 0 ? cairo_move_to : cairo_line_to)(cr, -3.0 + r * std::cos(a), r * std::sin(a));
    }
    SetColour(cr, palette::kInk, 0.9);
    cairo_set_line_width(cr, 1.1);
    cairo_stroke(cr);
    for (int k = 0; k < 3; ++k) {
        const double a = (phase + k / 3.0) * 2.0 * kPi;
        const Pt at{-3.0 + 8.5 * std::cos(a), 8.5 * std::sin(a)};
        InkLine(cr, {at, {at.x + 3.0 * std::cos(a + 0.9), at.y + 3.0 * std::sin(a + 0.9)}}, palette::kAmberPencil, 1.6);
    }
}

// --- the wire --------------------------------------------------------------------------------

std::vector<Pt> Zigzag(double length, Rng& rng)
{
    std::vector<Pt> points;
    const int kinks = static_cast<int>(length / 9.0);
    for (int i = 0; i <= kinks; ++i) {
        const double swing = (i == 0 || i == kinks) ? 0.0 : (i % 2 ? 1.0 : -1.0) * rng.Range(2.0, 4.5);
        points.push_back({length * i / kinks, kWireHeight * 0.5 + swing});
    }
    return points;
}

// --- phantom ---------------------------------------------------------------------------------

// A sheet with a round head at the front and a hem that ripples behind it.
std::vector<Pt> PhantomOutline(double phase)
{
    std::vector<Pt> points;
    for (int i = 0; i <= 12; ++i) {
        const double a = -kPi * 0.5 + kPi * i / 12.0;
        points.push_back({6.0 + 14.0 * std::cos(a), 14.0 * std::sin(a)});
    }
    for (int i = 0; i <= 8; ++i) {
        const double y = 14.0 - 28.0 * i / 8.0;
        const double ripple = 3.5 * std::sin(phase * 2.0 * kPi + i * 1.4);
        points.push_back({-16.0 + (i % 2 ? 4.0 : 0.0) + ripple, y});
    }
    return points;
}

void DottedOutline(cairo_t* cr, const std::vector<Pt>& points, double width, double alpha)
{
    const double dash[2] = {2.4, 2.6};
    cairo_new_path(cr);
    SmoothPath(cr, points, true);
    cairo_set_dash(cr, dash, 2, 0.0);
    SetColour(cr, palette::kGraphite, alpha);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0.0);
}

void DrawPhantomEyes(cairo_t* cr)
{
    for (int side = -1; side <= 1; side += 2) {
        cairo_new_path(cr);
        cairo_save(cr);
        cairo_translate(cr, 11.0, side * 5.0);
        cairo_scale(cr, 1.0, 1.5);
        cairo_arc(cr, 0.0, 0.0, 2.6, 0.0, 2.0 * kPi);
        cairo_restore(cr);
        SetColour(cr, palette::kInk, 0.85);
        cairo_fill(cr);
        Circle(cr, 11.6, side * 5.0 - 1.0, 0.8, palette::kRedInk, 0.9);
    }
}

} // namespace

void DrawShieldBot(cairo_t* cr, double phase)
{
    Rng rng(6101);
    Smudge(cr, -2.0, 3.0, 32.0, 30.0, palette::kGraphite, 0.18);
    DrawBigTread(cr, -1, phase, rng);
    DrawBigTread(cr, 1, phase, rng);
    ShapeStyle body = Plate(palette::kPaper, 2.0);
    body.hatching = {palette::kBallpoint, 0.55, 0.9, 2.2, 0.9, false};
    DrawShape(cr, RoundedRectPoints(-22.0, -14.0, 10.0, 14.0, 5.0), body, rng);
    DrawOpenBack(cr, phase, rng);
    DrawShape(cr, EllipsePoints(2.0, 0.0, 7.5, 7.5, 16), Plate(Mix(palette::kPaper, palette::kBallpointLight, 0.3), 1.6), rng);
    InkLine(cr, {{5.0, -3.5}, {9.0, -1.0}, {9.0, 1.0}, {5.0, 3.5}}, palette::kRedInk, 2.0);
    DrawShield(cr, rng);
}

void DrawTwinBot(cairo_t* cr, double phase)
{
    Rng rng(6201);
    Smudge(cr, 0.0, 3.0, 19.0, 19.0, palette::kGraphite, 0.16);
    DrawPlug(cr, -1, rng);
    DrawPlug(cr, 1, rng);
    ShapeStyle body = Plate(palette::kPaper, 1.9);
    body.hatching = {Mix(palette::kBallpoint, palette::kRedInk, 0.45), 0.55, -0.7, 2.2, 0.9, false};
    DrawShape(cr, EllipsePoints(0.0, 0.0, 15.0, 15.0, 24), body, rng);
    DrawShape(cr, EllipsePoints(-3.0, 0.0, 9.0, 9.0, 18), Plate(Mix(palette::kPaper, palette::kAmberPencil, 0.35), 1.3), rng);
    DrawCoil(cr, phase);
    Circle(cr, 11.0, 0.0, 3.4, palette::kInk);
    Circle(cr, 11.6, -0.9, 1.1, palette::kWhite);
}

void DrawTwinWire(cairo_t* cr, double length, int frame)
{
    Rng rng(6301 + static_cast<uint64_t>(frame));
    const std::vector<Pt> zigzag = Zigzag(length, rng);
    InkLine(cr, zigzag, palette::kAmberPencil, 5.0, 0.35);
    InkLine(cr, zigzag, palette::kInk, 2.6, 0.85);
    InkLine(cr, zigzag, palette::kAmberPencil, 1.4);
    for (int i = 0; i < 3; ++i) {
        const double x = rng.Range(8.0, length - 8.0);
        InkLine(cr, {{x, kWireHeight * 0.5}, {x + rng.Jitter(4.0), kWireHeight * 0.5 + rng.Jitter(6.0)}},
                palette::kAmberPencil, 1.0, 0.9);
    }
}

void DrawPhantom(cairo_t* cr, double phase)
{
    Rng rng(6401);
    const std::vector<Pt> outline = PhantomOutline(phase);
    cairo_new_path(cr);
    SmoothPath(cr, outline, true);
    SetColour(cr, palette::kGhostPaper, 0.55);
    cairo_fill_preserve(cr);
    StripesInPath(cr, {0.0, 0.0}, 24.0, {palette::kGraphiteLight, 0.45, 0.8, 3.0, 0.7, false}, rng);
    DottedOutline(cr, outline, 1.6, 0.85);
    DottedOutline(cr, Transformed(outline, -3.0, 0.0, 0.0, 0.8), 0.9, 0.4);
    DrawPhantomEyes(cr);
    for (int k = 0; k < 3; ++k) {
        const double y = -8.0 + k * 8.0 + 2.0 * std::sin(phase * 2.0 * kPi + k);
        InkLine(cr, {{-20.0, y}, {-27.0, y + 1.0}}, palette::kGraphiteLight, 1.0, 0.6);
    }
}

void AddEightFrames(PictureSet& pictures, int size, datafiles::FrameSet set, bool turns, void (*draw)(cairo_t*, double))
{
    Surface frames[8];
    for (int i = 0; i < 8; ++i) {
        Sketch sketch(size, size);
        draw(sketch.Cr(), i / 8.0);
        frames[i] = sketch.Picture();
        pictures.Add(datafiles::Frame(set, i + 1), frames[i]);
    }
    for (int i = 0; turns && i < 8; ++i)
        pictures.Add(datafiles::Frame(set, i + 9), Mirrored(frames[i]));
}

void AddLaterRobotArt(PictureSet& pictures)
{
    AddEightFrames(pictures, kShieldBotSize, datafiles::FrameSet::kShieldBot, true, DrawShieldBot);
    AddEightFrames(pictures, kTwinSize, datafiles::FrameSet::kTwinBot, true, DrawTwinBot);
    for (int frame = 0; frame < 3; ++frame) {
        Sketch sketch(kWireWidth, kWireHeight, false);
        DrawTwinWire(sketch.Cr(), kWireWidth, frame);
        pictures.Add(datafiles::TwinWire(frame + 1), sketch.Picture());
    }
    AddEightFrames(pictures, kPhantomSize, datafiles::FrameSet::kPhantom, true, DrawPhantom);
    AddBroodRobotArt(pictures);
}
