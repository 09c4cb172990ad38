#include "icon.h"

#include "characters.h"
#include "field.h"
#include "pen.h"
#include "picture.h"
#include "robots.h"

#include <cairo.h>

#include <cmath>
#include <filesystem>
#include <iostream>

namespace {

constexpr double kPi = 3.14159265358979323846;
// The icon is drawn on a 256 x 256 canvas and scaled to each size.
constexpr double kCanvas = 256.0;
constexpr int kSizes[] = {48, 128, 256};

std::vector<Pt> SheetOutline()
{
    return RoundedRectPoints(10, 10, kCanvas - 10, kCanvas - 10, 30);
}

void DrawSheet(cairo_t* cr, Rng& rng)
{
    const Surface paper = NewSurface(static_cast<int>(kCanvas), static_cast<int>(kCanvas));
    PaintPaper(paper, 9100);
    cairo_save(cr);
    PolygonPath(cr, SheetOutline());
    cairo_clip(cr);
    cairo_set_source_surface(cr, paper.get(), 0, 0);
    cairo_paint(cr);
    RuleGrid(cr, static_cast<int>(kCanvas), static_cast<int>(kCanvas), 7, 7, 0.55);
    cairo_restore(cr);
    InkLine(cr, Jittered(SheetOutline(), 0.8, rng), palette::kInk, 5.0);
}

// The time loop: a red arrow almost all the way round the centre, thickening as it goes.
void DrawLoopArrow(cairo_t* cr)
{
    const Pt centre{kCanvas / 2, kCanvas / 2 + 6};
    const double radius = 96;
    const double from = -0.35 * kPi, to = 1.45 * kPi;
    std::vector<Pt> arc;
    for (int i = 0; i <= 48; ++i) {
        const double a = from + (to - from) * i / 48.0;
        arc.push_back({centre.x + radius * std::cos(a), centre.y + radius * std::sin(a)});
    }
    TaperedStroke(cr, arc, 3.0, 11.0, palette::kRedInk);
    const Pt tip{centre.x + radius * std::cos(to), centre.y + radius * std::sin(to)};
    const double heading = to + kPi / 2; // along the arc, the way it turns
    for (double side : {-0.55, 0.55}) {
        const Pt barb{tip.x - 30 * std::cos(heading + side), tip.y - 30 * std::sin(heading + side)};
        InkLine(cr, {barb, tip}, palette::kRedInk, 10.0);
    }
}

// A ballpoint shot from the muzzle towards the drone, in dashes.
void DrawShot(cairo_t* cr, Pt from, Pt to)
{
    for (double t = 0.0; t < 0.8; t += 0.4) {
        const Pt a{from.x + (to.x - from.x) * t, from.y + (to.y - from.y) * t};
        const Pt b{from.x + (to.x - from.x) * (t + 0.22), from.y + (to.y - from.y) * (t + 0.22)};
        TaperedStroke(cr, {a, b}, 1.0, 5.0, palette::kBallpoint, 0.9);
    }
}

void DrawFigures(cairo_t* cr)
{
    const Pt hero{104, 152}, ghost{62, 198}, drone{206, 58};
    const double scale = 2.2;
    const double aim = std::atan2(drone.y - hero.y, drone.x - hero.x);
    const Pt muzzle{hero.x + scale * (36 * std::cos(aim) - 7 * std::sin(aim)),
                    hero.y + scale * (36 * std::sin(aim) + 7 * std::cos(aim))};
    Placed(cr, drone.x, drone.y, aim + kPi, 1.35, [&] { DrawHornet(cr, 0.5); });
    DrawShot(cr, muzzle, drone);
    Placed(cr, ghost.x, ghost.y, aim - 0.15, scale, [&] {
        const FigureLook look = GhostLook();
        cairo_push_group(cr);
        DrawStandingFigure(cr, look, -1.0, 0);
        cairo_pop_group_to_source(cr);
        cairo_paint_with_alpha(cr, look.alpha);
    });
    Placed(cr, hero.x, hero.y, aim, scale, [&] { DrawStandingFigure(cr, HeroLook(), 1.0, 1); });
}

Surface DrawIcon(int size)
{
    Sketch sketch(size, size, false);
    cairo_t* cr = sketch.Cr();
    cairo_scale(cr, size / kCanvas, size / kCanvas);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    Rng rng(9000);
    DrawSheet(cr, rng);
    DrawLoopArrow(cr);
    DrawFigures(cr);
    return sketch.Picture();
}

} // namespace

bool WriteIcons(const std::string& directory)
{
    for (int size : kSizes) {
        const std::string folder =
            directory + "/hicolor/" + std::to_string(size) + "x" + std::to_string(size) + "/apps";
        std::error_code error;
        std::filesystem::create_directories(folder, error);
        if (error || !WritePng(DrawIcon(size), folder + "/tobrakka.png")) {
            std::cerr << "assetgen: could not write " << folder << "/tobrakka.png" << std::endl;
            return false;
        }
    }
    return true;
}
