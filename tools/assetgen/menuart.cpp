#include "menuart.h"

#include "pen.h"

#include "utils/datafiles.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

const double kPi = 3.14159265358979323846;

// The card's pieces, top to bottom, as drawn in one tall picture and cut apart.
const int kTopHeight = datafiles::kMenuCardTopHeight;
const int kBandHeight = datafiles::kMenuCardBandHeight;
const int kBottomHeight = datafiles::kMenuCardBottomHeight;
const double kPaperLeft = datafiles::kMenuCardPaperLeft;
const double kPaperRight = datafiles::kMenuCardPaperRight;
const double kPaperTop = 10.0;
const double kPaperBottomGap = 14.0; // below the paper, in the bottom piece
const double kTear = 1.5;            // how far the torn edges bite

// A torn side edge from y0 to y1: small bites every 8 px, but straight for 6 px either side of
// every join between pieces (and so under the shadow's offset too), so that the pieces fit
// together in any order.
void SideEdge(std::vector<Pt>& edge, double x, double y0, double y1, const std::vector<double>& joins, Rng& rng)
{
    const double straight = 6.0;
    std::vector<double> ys;
    for (double y = std::min(y0, y1); y < std::max(y0, y1); y += 8.0)
        ys.push_back(y);
    for (double join : joins) {
        for (double y : {join - straight, join, join + straight})
            ys.push_back(y);
    }
    ys.push_back(std::max(y0, y1));
    std::sort(ys.begin(), ys.end());
    if (y1 < y0)
        std::reverse(ys.begin(), ys.end());
    for (double y : ys) {
        double nearest = 1e9;
        for (double join : joins)
            nearest = std::min(nearest, std::fabs(y - join));
        edge.push_back({x + rng.Jitter(kTear) * std::clamp((nearest - straight) / straight, 0.0, 1.0), y});
    }
}

void EndEdge(std::vector<Pt>& edge, double y, double x0, double x1, Rng& rng)
{
    const int steps = 60;
    for (int i = 1; i < steps; ++i)
        edge.push_back({x0 + (x1 - x0) * i / steps, y + rng.Jitter(kTear)});
}

// The whole card with three bands: the paper's outline, its shadow, the ruled line of every
// band, the red margin line and the title's underline.
Surface WholeCard()
{
    const int bands = datafiles::kMenuCardBands;
    const int height = kTopHeight + bands * kBandHeight + kBottomHeight;
    const double bottom = height - kPaperBottomGap;
    std::vector<double> joins;
    for (int i = 0; i <= bands; ++i)
        joins.push_back(kTopHeight + i * kBandHeight);
    Rng rng(8600);
    std::vector<Pt> outline;
    outline.push_back({kPaperLeft, kPaperTop});
    EndEdge(outline, kPaperTop, kPaperLeft, kPaperRight, rng);
    SideEdge(outline, kPaperRight, kPaperTop, bottom, joins, rng);
    EndEdge(outline, bottom, kPaperRight, kPaperLeft, rng);
    SideEdge(outline, kPaperLeft, bottom, kPaperTop, joins, rng);

    Sketch sketch(datafiles::kMenuCardWidth, height, false);
    cairo_t* cr = sketch.Cr();
    cairo_push_group(cr);
    cairo_new_path(cr);
    PolygonPath(cr, Transformed(outline, 3.0, 4.0));
    SetColour(cr, palette::kInk);
    cairo_fill(cr);
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, 0.22);
    cairo_new_path(cr);
    const auto rules = [&] {
        for (int i = 0; i < bands; ++i) {
            const double rule = kTopHeight + i * kBandHeight + datafiles::kMenuCardLineBaseline + 3.5;
            cairo_move_to(cr, 0, rule);
            cairo_line_to(cr, datafiles::kMenuCardWidth, rule);
        }
    };
    const double margin = datafiles::kMenuCardMargin + 0.5;
    RuledPaper(cr, outline, rules, {margin, 0}, {margin, static_cast<double>(height)});
    std::vector<Pt> underline;
    const double centre = datafiles::kMenuCardWidth * 0.5, y = datafiles::kMenuCardTitleBaseline + 16.0;
    for (int i = 0; i <= 12; ++i)
        underline.push_back({centre - 234 + i * 39.0, y + 2.5 * std::sin(i * 1.4) - i * 0.3});
    InkLine(cr, underline, palette::kRedInk, 3.0, 0.85);
    return sketch.Picture();
}

Surface Cut(const Surface& whole, int top, int height)
{
    Sketch sketch(WidthOf(whole), height, false);
    cairo_set_source_surface(sketch.Cr(), whole.get(), 0, -top);
    cairo_paint(sketch.Cr());
    return sketch.Picture();
}

// The mark: a bold arrow in red ballpoint, pointing right at the chosen line, gone over twice
// as a hand does that means it.
Surface Mark()
{
    Sketch sketch(76, 44);
    cairo_t* cr = sketch.Cr();
    const std::vector<Pt> shaft{{-33, 4}, {-16, 2}, {4, -0.5}, {29, 0}};
    const std::vector<std::vector<Pt>> head{{{12, -14}, {21, -6}, {30, 0}}, {{30, 0}, {21, 6}, {11, 14}}};
    InkLine(cr, shaft, palette::kPaper, 10.0, 0.7);
    for (const auto& stroke : head)
        InkLine(cr, stroke, palette::kPaper, 10.0, 0.7);
    TaperedStroke(cr, shaft, 2.4, 5.2, palette::kRedInk);
    TaperedStroke(cr, Transformed(shaft, 1.0, 1.5), 1.0, 2.2, palette::kRedInk, 0.7);
    for (const auto& stroke : head)
        TaperedStroke(cr, stroke, 3.2, 5.2, palette::kRedInk);
    return sketch.Picture();
}

Surface Padlock()
{
    Rng rng(8610);
    Sketch sketch(32, 40);
    cairo_t* cr = sketch.Cr();
    std::vector<Pt> shackle;
    for (int i = 0; i <= 12; ++i) {
        const double a = kPi + kPi * i / 12.0;
        shackle.push_back({8.0 * std::cos(a), -4.0 + 10.0 * std::sin(a)});
    }
    InkLine(cr, shackle, palette::kGraphite, 4.2);
    InkLine(cr, shackle, palette::kGraphiteLight, 1.6);
    ShapeStyle body;
    body.fill = palette::kAmberPencil;
    body.ink = palette::kInk;
    body.width = 1.8;
    body.wobble = 0.3;
    body.hatching = {Mix(palette::kAmberPencil, palette::kInk, 0.5), 0.5, 0.9, 2.6, 0.7, false};
    DrawShape(cr, RoundedRectPoints(-12, -4, 12, 16, 3), body, rng);
    cairo_arc(cr, 0, 4, 2.6, 0, 2 * kPi);
    SetColour(cr, palette::kInk);
    cairo_fill(cr);
    InkLine(cr, {{0, 5}, {0, 11}}, palette::kInk, 2.2);
    return sketch.Picture();
}

// A teacher's tick in green pencil, with a light halo.
Surface Tick()
{
    Sketch sketch(38, 36);
    cairo_t* cr = sketch.Cr();
    const std::vector<Pt> tick{{-13, 0}, {-6, 8}, {-3, 11}, {4, 0}, {14, -13}};
    InkLine(cr, tick, palette::kPaper, 8.0, 0.7);
    TaperedStroke(cr, tick, 2.4, 4.2, palette::kGreenPencil);
    return sketch.Picture();
}

Surface Star()
{
    Rng rng(8620);
    Sketch sketch(38, 38);
    cairo_t* cr = sketch.Cr();
    ShapeStyle style;
    style.fill = palette::kAmberPencil;
    style.ink = palette::kRedInk;
    style.width = 1.8;
    style.wobble = 0.5;
    style.hatching = {palette::kOrangePencil, 0.6, 0.6, 2.4, 0.8, false};
    DrawShape(cr, StarPoints(0.0, 1.0, 16.0, 7.0), style, rng);
    return sketch.Picture();
}

// A medal on its ribbon: an amber disc hatched in orange, a red ribbon in a V above it.
void DrawMedal(cairo_t* cr, Pt centre, Rng& rng)
{
    const std::vector<Pt> ribbon{{centre.x - 6, centre.y - 16}, {centre.x, centre.y - 4}, {centre.x + 6, centre.y - 16}};
    InkLine(cr, ribbon, palette::kRedInk, 3.6);
    ShapeStyle disc;
    disc.fill = palette::kAmberPencil;
    disc.ink = palette::kInk;
    disc.width = 1.8;
    disc.wobble = 0.3;
    disc.hatching = {palette::kOrangePencil, 0.6, 0.6, 2.4, 0.8, false};
    DrawShape(cr, EllipsePoints(centre.x, centre.y + 4, 9.5, 9.5), disc, rng);
    InkLine(cr, {{centre.x - 3, centre.y + 4}, {centre.x + 3, centre.y + 4}}, palette::kRedInk, 1.4);
}

// One medal, or two side by side (a level's loops and time medals).
Surface Medals(int count)
{
    Rng rng(8625 + static_cast<uint32_t>(count));
    Sketch sketch(count == 1 ? 30 : 50, 40);
    cairo_t* cr = sketch.Cr();
    if (count == 1) {
        DrawMedal(cr, {0, 0}, rng);
    } else {
        DrawMedal(cr, {-10, 0}, rng);
        DrawMedal(cr, {10, 0}, rng);
    }
    return sketch.Picture();
}

Surface Box()
{
    Rng rng(8630);
    Sketch sketch(34, 34);
    ShapeStyle style;
    style.fill = palette::kPaper;
    style.ink = palette::kInk;
    style.width = 2.0;
    style.wobble = 0.5;
    style.sketchy = true;
    DrawShape(sketch.Cr(), RoundedRectPoints(-12, -12, 12, 12, 2), style, rng);
    return sketch.Picture();
}

// The slider's bar: a groove with a stroke at each end and a notch for every value, the
// notches of 0, 5 and 10 longer.
Surface Slider()
{
    Rng rng(8640);
    const int first = datafiles::kMenuSliderFirstNotch, step = datafiles::kMenuSliderNotchStep;
    const int last = first + 10 * step;
    Sketch sketch(last + first, 34, false);
    cairo_t* cr = sketch.Cr();
    ShapeStyle groove;
    groove.fill = palette::kPaper;
    groove.ink = palette::kInk;
    groove.width = 1.5;
    groove.wobble = 0.25;
    groove.hatching = {palette::kBallpointLight, 0.4, 0.0, 2.0, 0.7, false};
    DrawShape(cr, RoundedRectPoints(first - 5, 19, last + 5, 27, 3.5), groove, rng);
    for (int n = 0; n <= 10; ++n) {
        const double x = first + n * step + rng.Jitter(0.3);
        const bool major = n % 5 == 0;
        InkLine(cr, {{x, major ? 4.0 : 9.0}, {x + rng.Jitter(0.4), 16.0}}, palette::kInk, major ? 1.6 : 1.1);
    }
    for (double x : {first - 9.0, last + 9.0})
        InkLine(cr, {{x, 15.0}, {x + rng.Jitter(0.5), 31.0}}, palette::kInk, 2.0);
    return sketch.Picture();
}

Surface SliderKnob()
{
    Rng rng(8650);
    Sketch sketch(20, 34);
    ShapeStyle knob;
    knob.fill = palette::kRedInk;
    knob.ink = palette::kInk;
    knob.width = 1.6;
    knob.wobble = 0.2;
    knob.hatching = {Mix(palette::kRedInk, palette::kInk, 0.5), 0.6, 1.1, 2.4, 0.7, false};
    DrawShape(sketch.Cr(), RoundedRectPoints(-6, -14, 6, 14, 3), knob, rng);
    return sketch.Picture();
}

Surface ListArrow(double direction, uint64_t seed)
{
    Rng rng(seed);
    Sketch sketch(22, 28);
    ShapeStyle arrow;
    arrow.fill = palette::kBallpoint;
    arrow.ink = palette::kBallpoint;
    arrow.width = 1.6;
    arrow.wobble = 0.3;
    DrawShape(sketch.Cr(), {{-6 * direction, -10}, {7 * direction, 0}, {-6 * direction, 10}}, arrow, rng);
    return sketch.Picture();
}

} // namespace

void AddMenuArt(PictureSet& pictures)
{
    const Surface card = WholeCard();
    pictures.Add(datafiles::kMenuCardTop, Cut(card, 0, kTopHeight));
    for (int n = 1; n <= datafiles::kMenuCardBands; ++n)
        pictures.Add(datafiles::MenuCardBand(n), Cut(card, kTopHeight + (n - 1) * kBandHeight, kBandHeight));
    pictures.Add(datafiles::kMenuCardBottom, Cut(card, HeightOf(card) - kBottomHeight, kBottomHeight));
    pictures.AddSpecimen("menu card: top, bands 1-3, bottom, joined", card);
    pictures.Add(datafiles::kMenuMark, Mark());
    pictures.Add(datafiles::kMenuPadlock, Padlock());
    pictures.Add(datafiles::kMenuTick, Tick());
    pictures.Add(datafiles::kMenuStar, Star());
    pictures.Add(datafiles::kMenuMedal, Medals(1));
    pictures.Add(datafiles::kMenuMedals, Medals(2));
    pictures.Add(datafiles::kMenuBox, Box());
    pictures.Add(datafiles::kMenuSlider, Slider());
    pictures.Add(datafiles::kMenuSliderKnob, SliderKnob());
    pictures.Add(datafiles::kMenuArrowLeft, ListArrow(-1.0, 8660));
    pictures.Add(datafiles::kMenuArrowRight, ListArrow(1.0, 8661));
}
