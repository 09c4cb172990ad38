#include "endingart.h"

#include "broodrobots.h"
#include "characters.h"
#include "laterrobots.h"
#include "pen.h"
#include "robots.h"

#include "utils/datafiles.h"

#include <cmath>
#include <functional>
#include <vector>

namespace {

const double kPi = 3.14159265358979323846;
// Drawn on a sheet of kWidth x kHeight, made smaller to the picture's size.
constexpr int kWidth = 380;
constexpr int kHeight = 460;

// A sketch of the picture's size, drawn on in the sheet's units.
struct EndingSketch {
    Sketch sketch{datafiles::kEndingPictureWidth, datafiles::kEndingPictureHeight, false};
    cairo_t* cr = sketch.Cr();
    EndingSketch() { cairo_scale(cr, double(datafiles::kEndingPictureWidth) / kWidth, double(datafiles::kEndingPictureHeight) / kHeight); }
};

// A scrap of ruled paper torn from a notebook, a little askew, with its shadow.
void DrawScrap(cairo_t* cr, Rng& rng)
{
    std::vector<Pt> outline;
    for (int i = 0; i <= 16; ++i) // the torn top edge
        outline.push_back({18.0 + i * (kWidth - 36.0) / 16, 22.0 + rng.Jitter(5.0)});
    for (int i = 1; i <= 8; ++i)
        outline.push_back({kWidth - 18.0 + rng.Jitter(1.0), 22.0 + i * (kHeight - 44.0) / 8});
    for (int i = 1; i < 8; ++i)
        outline.push_back({kWidth - 18.0 - i * (kWidth - 36.0) / 8, kHeight - 22.0 + rng.Jitter(1.0)});
    outline.push_back({18.0, kHeight - 22.0});
    outline = Transformed(outline, kWidth * 0.5, kHeight * 0.5, -0.025);
    outline = Transformed(outline, -kWidth * 0.5, -kHeight * 0.5);
    cairo_new_path(cr);
    PolygonPath(cr, Transformed(outline, 4.0, 5.0));
    SetColour(cr, palette::kInk, 0.2);
    cairo_fill(cr);
    const auto rules = [&] {
        cairo_new_path(cr);
        for (double y = 60.0; y < kHeight; y += 30.0) {
            cairo_move_to(cr, 0, y + 4.0);
            cairo_line_to(cr, kWidth, y - 5.0);
        }
    };
    RuledPaper(cr, outline, rules, {58.0, 0.0}, {70.0, double(kHeight)});
}

// A robot lying broken where it fell: dulled with graphite, cracked in ink, its bolts strewn
// round it and a curl of smoke rising.
void DrawWreck(cairo_t* cr, Pt at, double angle, double scale, double radius, uint64_t seed,
               const std::function<void()>& draw)
{
    Rng rng(seed);
    Smudge(cr, at.x + 3, at.y + 5, radius * 1.1, radius * 0.8, palette::kGraphite, 0.3);
    Placed(cr, at.x, at.y, angle, scale, [&] {
        cairo_push_group(cr);
        draw();
        cairo_pattern_t* robot = cairo_pop_group(cr);
        cairo_set_source(cr, robot);
        cairo_paint(cr);
        SetColour(cr, palette::kGraphite, 0.45);
        cairo_mask(cr, robot);
        cairo_pattern_destroy(robot);
    });
    for (int crack = 0; crack < 3; ++crack) {
        const double direction = rng.Range(0, 2 * kPi);
        std::vector<Pt> line{{at.x + rng.Jitter(radius * 0.2), at.y + rng.Jitter(radius * 0.2)}};
        for (int i = 1; i <= 4; ++i) {
            const double d = radius * 0.18 * i, bend = direction + rng.Jitter(0.5);
            line.push_back({line[0].x + d * std::cos(bend), line[0].y + d * std::sin(bend)});
        }
        InkLine(cr, line, palette::kInk, 1.6, 0.85);
    }
    for (int bolt = 0; bolt < 5; ++bolt) {
        const double direction = rng.Range(0, 2 * kPi), d = radius * rng.Range(0.9, 1.4);
        ShapeStyle style;
        style.fill = palette::kGraphiteLight;
        style.width = 1.2;
        DrawShape(cr, EllipsePoints(at.x + d * std::cos(direction), at.y + d * std::sin(direction), 3.5, 3.0), style, rng);
    }
    std::vector<Pt> smoke;
    for (int i = 0; i <= 14; ++i)
        smoke.push_back({at.x + 9.0 * std::sin(i * 0.9) + i * 0.8, at.y - radius * 0.3 - i * 4.0});
    TaperedStroke(cr, smoke, 2.6, 0.6, palette::kGraphiteLight, 0.8);
}

// The hero facing up the page at its top, its past selves in a line behind it, fading.
void DrawSelves(cairo_t* cr, Pt hero, double sideways)
{
    const FigureLook live = HeroLook(), ghost = GhostLook();
    for (int self = 3; self >= 0; --self) {
        const Pt at{hero.x + sideways * self, hero.y + 52.0 * self};
        const double alpha = self == 0 ? 1.0 : ghost.alpha * (1.0 - 0.2 * self);
        Placed(cr, at.x, at.y, -kPi / 2 + 0.08 * self, 1.9, [&] {
            cairo_push_group(cr);
            DrawStandingFigure(cr, self == 0 ? live : ghost, self % 2 == 0 ? 1.0 : -1.0, self);
            cairo_pop_group_to_source(cr);
            cairo_paint_with_alpha(cr, alpha);
        });
    }
}

Surface NotebookOne()
{
    Rng rng(8700);
    EndingSketch ending;
    cairo_t* cr = ending.cr;
    DrawScrap(cr, rng);
    DrawWreck(cr, {120, 118}, 2.5, 0.85, 62, 8701, [&] { DrawBigBad(cr, 0.4, 0); });
    DrawWreck(cr, {292, 100}, 0.9, 1.4, 30, 8702, [&] { DrawTreadBot(cr, 0.2); });
    DrawWreck(cr, {300, 212}, -2.2, 1.4, 26, 8703, [&] { DrawHornet(cr, 0.3); });
    DrawSelves(cr, {196, 226}, -34.0);
    return ending.sketch.Picture();
}

// The twins' wire between them, snapped in the middle, its two ends curling away.
void DrawSnappedWire(cairo_t* cr, Pt from, Pt to)
{
    const Pt middle{(from.x + to.x) * 0.5, (from.y + to.y) * 0.5};
    InkLine(cr, {from, {middle.x - 10, middle.y - 14}, {middle.x - 4, middle.y - 4}}, palette::kAmberPencil, 3.0);
    InkLine(cr, {to, {middle.x + 12, middle.y + 10}, {middle.x + 3, middle.y + 6}}, palette::kAmberPencil, 3.0);
    for (int spark = 0; spark < 6; ++spark) {
        const double a = spark * kPi / 3;
        InkLine(cr, {{middle.x + 5 * std::cos(a), middle.y + 5 * std::sin(a)}, {middle.x + 12 * std::cos(a), middle.y + 12 * std::sin(a)}},
                palette::kOrangePencil, 1.4, 0.8);
    }
}

Surface NotebookTwo()
{
    Rng rng(8710);
    EndingSketch ending;
    cairo_t* cr = ending.cr;
    DrawScrap(cr, rng);
    DrawWreck(cr, {98, 98}, 2.8, 1.3, 38, 8711, [&] { DrawShieldBot(cr, 0.3); });
    DrawWreck(cr, {280, 96}, 0.4, 1.0, 46, 8712, [&] { DrawHive(cr, 0.0); });
    DrawSnappedWire(cr, {230, 210}, {330, 250});
    DrawWreck(cr, {230, 210}, -1.9, 1.3, 24, 8713, [&] { DrawTwinBot(cr, 0.2); });
    DrawWreck(cr, {330, 250}, 1.2, 1.3, 24, 8714, [&] { DrawTwinBot(cr, 0.6); });
    DrawWreck(cr, {300, 372}, 2.1, 1.2, 34, 8715, [&] { DrawSower(cr, 0.5); });
    DrawSelves(cr, {150, 226}, -24.0);
    return ending.sketch.Picture();
}

// A closed notebook on the paper, its elastic round it and a star inked on its cover.
Surface AnyBook()
{
    Rng rng(8720);
    EndingSketch ending;
    cairo_t* cr = ending.cr;
    const double left = 80, top = 80, right = 310, bottom = 390;
    for (int page = 3; page >= 1; --page) { // the pages' edges peeping out
        ShapeStyle pages;
        pages.width = 1.0;
        pages.ink = palette::kGraphite;
        DrawShape(cr, RoundedRectPoints(left + 2 * page, top + 3 * page, right + 3 * page, bottom + 3 * page, 10), pages, rng);
    }
    ShapeStyle cover;
    cover.fill = Mix(palette::kJacketBlue, palette::kPaper, 0.45);
    cover.width = 2.2;
    cover.sketchy = true;
    cover.hatching = {palette::kBallpoint, 0.35, 0.9, 3.0, 0.9, false};
    DrawShape(cr, RoundedRectPoints(left, top, right, bottom, 12), cover, rng);
    ShapeStyle spine = cover;
    spine.fill = palette::kBallpoint;
    spine.hatching.alpha = 0.0;
    DrawShape(cr, RoundedRectPoints(left, top, left + 26, bottom, 6), spine, rng);
    ShapeStyle label;
    label.width = 1.4;
    DrawShape(cr, RoundedRectPoints(135, 120, 270, 170, 4), label, rng);
    for (double y = 138; y < 170; y += 14)
        InkLine(cr, {{146, y}, {258, y + rng.Jitter(1.0)}}, palette::kRuleBlue, 1.0, 0.7);
    ShapeStyle starStyle;
    starStyle.fill = palette::kAmberPencil;
    starStyle.ink = palette::kRedInk;
    starStyle.width = 2.6;
    starStyle.wobble = 0.9;
    starStyle.sketchy = true;
    starStyle.hatching = {palette::kOrangePencil, 0.6, 0.6, 3.0, 1.0, false};
    DrawShape(cr, StarPoints(205, 272, 62.0, 26.0), starStyle, rng);
    InkLine(cr, {{282, top - 4}, {284, (top + bottom) * 0.5}, {283, bottom + 4}}, palette::kInk, 5.0, 0.9);
    return ending.sketch.Picture();
}

} // namespace

void AddEndingArt(PictureSet& pictures)
{
    pictures.Add(datafiles::kEndingNotebookOne, NotebookOne());
    pictures.Add(datafiles::kEndingNotebookTwo, NotebookTwo());
    pictures.Add(datafiles::kEndingAnyBook, AnyBook());
}
