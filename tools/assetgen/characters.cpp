#include "characters.h"

#include "utils/datafiles.h"

#include <cmath>
#include <string>

namespace {

const double kPi = 3.14159265358979323846;
const int kFigureSize = 96;

ShapeStyle Outlined(const FigureLook& look, Rgb fill, double width = 1.5)
{
    ShapeStyle style;
    style.fill = fill;
    style.ink = look.ink;
    style.width = width;
    style.wobble = 0.25;
    style.sketchy = look.sketchy;
    return style;
}

// A limb: an ink stroke with a narrower stroke of the sleeve's colour inside it.
void Limb(cairo_t* cr, const FigureLook& look, const std::vector<Pt>& points, Rgb fill, double width)
{
    InkLine(cr, points, look.ink, width);
    InkLine(cr, points, fill, width - 2.4);
}

void DrawLegsAndShoes(cairo_t* cr, const FigureLook& look, double stride)
{
    Rng rng(101);
    for (int side = -1; side <= 1; side += 2) {
        const double footX = 1.0 + (side < 0 ? 10.0 * stride : -10.0 * stride);
        Limb(cr, look, {{-2, side * 5.0}, {footX * 0.5, side * 8.0}, {footX, side * 9.5}}, look.trousers, 5.6);
        ShapeStyle shoe = Outlined(look, look.shoes, 1.2);
        DrawShape(cr, EllipsePoints(footX + 2.5, side * 9.5, 5.4, 3.2, 14), shoe, rng);
    }
}

void DrawBackpack(cairo_t* cr, const FigureLook& look)
{
    Rng rng(102);
    ShapeStyle pack = Outlined(look, Mix(look.jacket, look.ink, 0.12));
    pack.hatching = look.jacketHatching;
    pack.hatching.angle = -0.7;
    DrawShape(cr, RoundedRectPoints(-17.5, -9.0, -6.5, 9.0, 3.5), pack, rng);
    InkLine(cr, {{-16.5, -3.0}, {-11.0, -3.4}, {-7.5, -3.0}}, look.ink, 0.9, 0.8);
}

void DrawTorso(cairo_t* cr, const FigureLook& look)
{
    Rng rng(103);
    ShapeStyle torso = Outlined(look, look.jacket, 1.7);
    torso.hatching = look.jacketHatching;
    DrawShape(cr, EllipsePoints(-1.0, 0.0, 9.5, 14.5, 22), torso, rng);
}

void DrawGun(cairo_t* cr, const FigureLook& look)
{
    Rng rng(104);
    ShapeStyle metal = Outlined(look, look.gun, 1.1);
    metal.wobble = 0.1;
    DrawShape(cr, RoundedRectPoints(10.0, 4.0, 28.5, 10.0, 1.6), metal, rng);
    DrawShape(cr, RoundedRectPoints(27.0, 5.5, 36.0, 8.5, 0.8), metal, rng);
    InkLine(cr, {{12.0, 5.4}, {27.0, 5.4}}, palette::kWhite, 0.8, 0.45);
    InkLine(cr, {{33.6, 5.7}, {33.6, 8.3}}, palette::kWhite, 0.7, 0.5);
}

void DrawArmsAndHands(cairo_t* cr, const FigureLook& look)
{
    Rng rng(105);
    Limb(cr, look, {{0.0, -11.0}, {9.0, -9.5}, {16.0, -2.0}, {21.5, 4.2}}, look.jacket, 6.2);
    Limb(cr, look, {{0.0, 11.0}, {8.0, 12.2}, {13.5, 9.2}}, look.jacket, 6.2);
    DrawGun(cr, look);
    ShapeStyle hand = Outlined(look, look.skin, 1.1);
    DrawShape(cr, EllipsePoints(21.5, 5.0, 2.9, 2.7, 10), hand, rng);
    DrawShape(cr, EllipsePoints(13.8, 8.9, 2.7, 2.7, 10), hand, rng);
}

std::vector<Pt> HairOutline()
{
    std::vector<Pt> points;
    int i = 0;
    for (double degrees = 80.0; degrees <= 280.0; degrees += 14.3, ++i) {
        const double a = degrees * kPi / 180.0;
        const double r = (i % 2 == 0) ? 8.6 : 10.0;
        points.push_back({1.0 + r * std::cos(a), r * std::sin(a)});
    }
    points.push_back({-1.0, -4.0});
    points.push_back({0.3, -1.0});
    points.push_back({-1.2, 2.2});
    points.push_back({0.0, 5.5});
    return points;
}

void DrawBandanaTails(cairo_t* cr, const FigureLook& look, double knotX, int sway)
{
    // Both tails stream back and a little to the left, fluttering from frame to frame.
    const double wave = std::sin(sway * 2.1) * 1.3;
    const std::vector<Pt> upper{{knotX, -1.0}, {knotX - 5.0, -3.0 + wave}, {knotX - 11.0, -7.0 - wave}};
    const std::vector<Pt> lower{{knotX, 0.0}, {knotX - 5.5, -0.8 - wave}, {knotX - 11.5, -2.2 + wave}};
    for (const std::vector<Pt>* tail : {&upper, &lower}) {
        TaperedStroke(cr, *tail, 4.4, 1.8, look.ink);
        TaperedStroke(cr, *tail, 3.0, 0.7, look.accent);
    }
}

void DrawHead(cairo_t* cr, const FigureLook& look, int sway)
{
    Rng rng(106);
    DrawBandanaTails(cr, look, -7.5, sway);
    DrawShape(cr, EllipsePoints(1.0, 0.0, 8.2, 8.0, 18), Outlined(look, look.skin, 1.5), rng);
    ShapeStyle hair = Outlined(look, look.hair, 1.0);
    hair.wobble = 0.3;
    DrawShape(cr, HairOutline(), hair, rng);
    // The bandana: a band round the head and its knot at the back.
    cairo_new_path(cr);
    cairo_arc(cr, 1.0, 0.0, 7.4, kPi * 0.55, kPi * 1.45);
    SetColour(cr, look.ink);
    cairo_set_line_width(cr, 3.4);
    cairo_stroke(cr);
    cairo_arc(cr, 1.0, 0.0, 7.4, kPi * 0.56, kPi * 1.44);
    SetColour(cr, look.accent);
    cairo_set_line_width(cr, 1.9);
    cairo_stroke(cr);
    DrawShape(cr, EllipsePoints(-7.2, -0.5, 2.2, 2.0, 8), Outlined(look, look.accent, 1.0), rng);
    // Nose.
    InkLine(cr, {{8.6, -1.4}, {10.0, 0.0}, {8.6, 1.4}}, look.ink, 1.1);
}

// Draws into a group and lays it down with the look's opacity (the ghost is faded).
template <typename Draw>
void WithOpacity(cairo_t* cr, double alpha, Draw draw)
{
    cairo_push_group(cr);
    draw();
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, alpha);
}

void DrawFallenGun(cairo_t* cr, const FigureLook& look)
{
    cairo_save(cr);
    cairo_translate(cr, 15.0, 21.0);
    cairo_rotate(cr, 0.55);
    cairo_translate(cr, -23.0, -7.0);
    DrawGun(cr, look);
    cairo_restore(cr);
}

std::vector<Pt> PoolOutline(double cx, double cy, double radius, Rng& rng)
{
    const double p1 = rng.Range(0, 6.28), p2 = rng.Range(0, 6.28);
    std::vector<Pt> points;
    const int count = 28;
    for (int i = 0; i < count; ++i) {
        const double a = 2 * kPi * i / count;
        const double r = radius * (1.0 + 0.16 * std::sin(3 * a + p1) + 0.10 * std::sin(5 * a + p2));
        points.push_back({cx + r * std::cos(a), cy + r * 0.9 * std::sin(a)});
    }
    return points;
}

void DrawPool(cairo_t* cr, const FigureLook& look, double grow)
{
    Rng shape(201);
    ShapeStyle pool;
    pool.fill = look.pool;
    pool.fillAlpha = 0.85;
    pool.ink = look.pool;
    pool.inkAlpha = 0.9;
    pool.width = 1.0;
    pool.wobble = 0.5;
    const double radius = 7.0 + 22.0 * grow;
    DrawShape(cr, PoolOutline(-4.0, 0.0, radius, shape), pool, shape);
    // Splashes thrown around the pool; later frames keep the earlier ones and add more.
    Rng drops(202);
    const int count = 4 + static_cast<int>(grow * 12.0);
    for (int i = 0; i < count; ++i) {
        const double a = drops.Range(0, 2 * kPi);
        const double d = drops.Range(1.05, 1.5) * (7.0 + 22.0 * std::min(1.0, grow + 0.15));
        const double r = drops.Range(0.8, 2.4);
        cairo_new_path(cr);
        cairo_arc(cr, -4.0 + d * std::cos(a), 0.9 * d * std::sin(a), r, 0, 2 * kPi);
        SetColour(cr, look.pool, 0.9);
        cairo_fill(cr);
    }
}

void DrawImpactLines(cairo_t* cr, const FigureLook& look, double fade)
{
    Rng rng(203);
    for (int i = 0; i < 9; ++i) {
        const double a = rng.Range(0, 2 * kPi);
        const double r0 = rng.Range(24, 28), r1 = r0 + rng.Range(5, 10);
        InkLine(cr, {{-4 + r0 * std::cos(a), r0 * std::sin(a)}, {-4 + r1 * std::cos(a), r1 * std::sin(a)}},
                look.ink, 1.2, fade);
    }
}

Surface StandingFrame(const FigureLook& look, double stride, int sway)
{
    Sketch sketch(kFigureSize, kFigureSize);
    WithOpacity(sketch.Cr(), look.alpha, [&] { DrawStandingFigure(sketch.Cr(), look, stride, sway); });
    return sketch.Picture();
}

Surface FallenFrame(const FigureLook& look)
{
    Sketch sketch(kFigureSize, kFigureSize);
    WithOpacity(sketch.Cr(), look.alpha, [&] {
        DrawFallenGun(sketch.Cr(), look);
        DrawFallenFigure(sketch.Cr(), look, 0.0, 0.0);
    });
    return sketch.Picture();
}

Surface CorpseFrame(const FigureLook& look, int frame)
{
    const double t = frame / 5.0;
    const double grow = 1.0 - (1.0 - t) * (1.0 - t);
    Sketch sketch(kFigureSize, kFigureSize);
    cairo_t* cr = sketch.Cr();
    WithOpacity(cr, look.alpha, [&] {
        DrawPool(cr, look, grow);
        if (frame < 2)
            DrawImpactLines(cr, look, frame == 0 ? 1.0 : 0.5);
        DrawFallenGun(cr, look);
        DrawFallenFigure(cr, look, grow, std::max(0.0, (t - 0.15) / 0.85));
    });
    return sketch.Picture();
}

void AddFigureSet(PictureSet& pictures, const FigureLook& look, datafiles::FrameSet set)
{
    const double strides[3] = {1.0, 0.0, -1.0};
    Surface walk[3];
    for (int i = 0; i < 3; ++i)
        walk[i] = StandingFrame(look, strides[i], i);
    for (int i = 0; i < 3; ++i)
        pictures.Add(datafiles::Frame(set, i + 1), walk[i]);
    for (int i = 0; i < 3; ++i)
        pictures.Add(datafiles::Frame(set, i + 4), Mirrored(walk[i]));
    pictures.Add(datafiles::Frame(set, 7), FallenFrame(look));
}

void AddCorpseSet(PictureSet& pictures, const FigureLook& look, datafiles::FrameSet set)
{
    for (int i = 0; i < 6; ++i)
        pictures.Add(datafiles::Frame(set, i + 1), CorpseFrame(look, i));
}

} // namespace

// The live hero is the one figure in full colour: a saturated blue jacket and a scarlet
// bandana and scarf in full ink, so that a player finds it at a glance among its past selves.
FigureLook HeroLook()
{
    FigureLook look;
    look.ink = palette::kInk;
    look.jacket = palette::kJacketBlue;
    look.trousers = Mix(palette::kBallpoint, palette::kInk, 0.3);
    look.skin = palette::kSkin;
    look.hair = Mix(palette::kInk, palette::kBallpoint, 0.5);
    look.accent = palette::kScarlet;
    look.gun = Mix(palette::kInk, palette::kGraphite, 0.4);
    look.shoes = Mix(palette::kInk, palette::kGraphite, 0.3);
    look.pool = palette::kBlood;
    look.jacketHatching = {Mix(palette::kJacketBlue, palette::kInk, 0.55), 0.4, 0.8, 2.3, 0.7, false};
    look.alpha = 1.0;
    look.sketchy = false;
    return look;
}

// A past self is the same figure in faint pencil on pale paper, without a trace of colour.
FigureLook GhostLook()
{
    const Rgb pencil = Mix(palette::kGraphite, palette::kGraphiteLight, 0.55);
    const Rgb pale = Mix(palette::kGhostPaper, palette::kWhite, 0.4);
    FigureLook look;
    look.ink = pencil;
    look.jacket = pale;
    look.trousers = Mix(palette::kGraphiteLight, palette::kGhostPaper, 0.5);
    look.skin = pale;
    look.hair = palette::kGraphiteLight;
    look.accent = Mix(palette::kGraphiteLight, palette::kGhostPaper, 0.3);
    look.gun = pencil;
    look.shoes = palette::kGraphiteLight;
    look.pool = palette::kGraphiteLight;
    look.jacketHatching = {palette::kGraphiteLight, 0.3, 0.8, 2.3, 0.6, false};
    look.alpha = 0.82;
    look.sketchy = true;
    return look;
}

void DrawStandingFigure(cairo_t* cr, const FigureLook& look, double stride, int sway)
{
    Smudge(cr, 0.0, 2.0, 19.0, 20.0, palette::kGraphite, 0.16);
    DrawLegsAndShoes(cr, look, stride);
    DrawBackpack(cr, look);
    DrawTorso(cr, look);
    DrawArmsAndHands(cr, look);
    DrawHead(cr, look, sway);
}

void DrawFallenFigure(cairo_t* cr, const FigureLook& look, double flat, double ink)
{
    Rng rng(110);
    const Rgb jacket = Mix(look.jacket, look.ink, ink);
    const Rgb skin = Mix(look.skin, look.ink, ink);
    const Rgb trousers = Mix(look.trousers, look.ink, ink);
    const double spread = 1.0 + 0.25 * flat;
    for (int side = -1; side <= 1; side += 2) {
        const Pt foot{16.0 + 3.0 * flat, side * 9.0 * spread};
        Limb(cr, look, {{3.0, side * 4.0}, {10.0, side * 6.5 * spread}, foot}, trousers, 5.6);
        DrawShape(cr, EllipsePoints(foot.x + 1.5, foot.y, 3.6, 3.0, 10), Outlined(look, Mix(look.shoes, look.ink, ink), 1.1),
                  rng);
        const Pt hand{-1.0 + 2.0 * flat, side * 21.0 * spread};
        Limb(cr, look, {{-8.0, side * 9.0}, {-6.0, side * 15.0 * spread}, hand}, jacket, 6.0);
        DrawShape(cr, EllipsePoints(hand.x, hand.y, 2.8, 2.8, 10), Outlined(look, skin, 1.1), rng);
    }
    ShapeStyle torso = Outlined(look, jacket, 1.7);
    torso.hatching = look.jacketHatching;
    torso.hatching.alpha *= (1.0 - ink);
    DrawShape(cr, EllipsePoints(-3.0, 0.0, 9.5 + flat, 12.0 + 2.0 * flat, 22), torso, rng);
    // Head, face up, with the bandana's tails limp on the paper and crosses for eyes.
    const double headX = -17.0 - 1.5 * flat;
    TaperedStroke(cr, {{headX - 6.0, 1.0}, {headX - 11.0, 4.0}, {headX - 14.0, 9.0}}, 2.6, 0.8, look.accent);
    DrawShape(cr, EllipsePoints(headX, 0.0, 8.0 + flat, 8.0 + flat, 18), Outlined(look, skin, 1.5), rng);
    DrawShape(cr, EllipsePoints(headX - 5.0, 0.0, 3.4, 7.0, 12), Outlined(look, Mix(look.hair, look.ink, ink), 1.0),
              rng);
    const Rgb eyes = ink > 0.5 ? palette::kPaper : look.ink;
    for (int side = -1; side <= 1; side += 2) {
        const Pt eye{headX + 2.5, side * 3.0};
        InkLine(cr, {{eye.x - 1.6, eye.y - 1.6}, {eye.x + 1.6, eye.y + 1.6}}, eyes, 1.1);
        InkLine(cr, {{eye.x - 1.6, eye.y + 1.6}, {eye.x + 1.6, eye.y - 1.6}}, eyes, 1.1);
    }
}

void AddCharacterArt(PictureSet& pictures)
{
    AddFigureSet(pictures, HeroLook(), datafiles::FrameSet::kHero);
    AddFigureSet(pictures, GhostLook(), datafiles::FrameSet::kOldGuy);
    AddCorpseSet(pictures, HeroLook(), datafiles::FrameSet::kHeroCorpse);
    AddCorpseSet(pictures, GhostLook(), datafiles::FrameSet::kOldGuyCorpse);
}
