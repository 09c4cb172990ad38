#include "field.h"

#include "pen.h"

#include "utils/datafiles.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

const double kPi = 3.14159265358979323846;
const double kMarginX = 94.0;

// Smooth value noise over a coarse lattice, for the paper's mottling.
class Mottle {
public:
    Mottle(int cellsX, int cellsY, Rng& rng) : cellsX_(cellsX), values_((cellsX + 2) * (cellsY + 2))
    {
        for (double& v : values_)
            v = rng.Jitter(1.0);
    }
    double At(double u, double v) const // u, v in lattice cells
    {
        const int x = static_cast<int>(u), y = static_cast<int>(v);
        const double fx = Smooth(u - x), fy = Smooth(v - y);
        const double top = Lerp(Value(x, y), Value(x + 1, y), fx);
        const double bottom = Lerp(Value(x, y + 1), Value(x + 1, y + 1), fx);
        return Lerp(top, bottom, fy);
    }

private:
    static double Smooth(double t) { return t * t * (3 - 2 * t); }
    static double Lerp(double a, double b, double t) { return a + (b - a) * t; }
    double Value(int x, int y) const { return values_[static_cast<std::size_t>(y * (cellsX_ + 2) + x)]; }
    int cellsX_;
    std::vector<double> values_;
};

uint8_t ToByte(double v) { return static_cast<uint8_t>(std::clamp(v, 0.0, 1.0) * 255.0 + 0.5); }

void PaintPaperGrain(const Surface& surface, Rng& rng)
{
    const int width = WidthOf(surface), height = HeightOf(surface);
    const Mottle broad(8, 5, rng), fine(64, 36, rng);
    cairo_surface_flush(surface.get());
    unsigned char* data = cairo_image_surface_get_data(surface.get());
    const int stride = cairo_image_surface_get_stride(surface.get());
    const Rgb base = palette::kPaper;
    for (int y = 0; y < height; ++y) {
        uint32_t* row = reinterpret_cast<uint32_t*>(data + static_cast<std::size_t>(y) * stride);
        for (int x = 0; x < width; ++x) {
            const double u = static_cast<double>(x) / width, v = static_cast<double>(y) / height;
            const double shade = 0.018 * broad.At(u * 8, v * 5) + 0.008 * fine.At(u * 64, v * 36) +
                                 rng.Jitter(0.012);
            // A touch darker towards the edges, as light falls on a sheet on a desk.
            const double edge = 0.03 * std::pow(std::hypot(u - 0.5, (v - 0.5) * 0.8) * 1.5, 3.0);
            const double k = 1.0 + shade - edge;
            row[x] = 0xFF000000u | (uint32_t{ToByte(base.r * k)} << 16) | (uint32_t{ToByte(base.g * k)} << 8) |
                     ToByte(base.b * (k - 0.004));
        }
    }
    cairo_surface_mark_dirty(surface.get());
}

void DrawFibres(cairo_t* cr, int width, int height, Rng& rng)
{
    const int count = width * height / 600;
    for (int i = 0; i < count; ++i) {
        const Pt start{rng.Range(0, width), rng.Range(0, height)};
        const double a = rng.Range(0, kPi), len = rng.Range(4, 16);
        const Pt mid{start.x + std::cos(a) * len * 0.5 + rng.Jitter(1.5), start.y + std::sin(a) * len * 0.5 + rng.Jitter(1.5)};
        const Pt end{start.x + std::cos(a) * len, start.y + std::sin(a) * len};
        const bool dark = rng.Chance(0.7);
        InkLine(cr, {start, mid, end}, dark ? Rgb{0.55, 0.5, 0.42} : palette::kWhite, rng.Range(0.5, 0.9),
                dark ? rng.Range(0.04, 0.09) : rng.Range(0.15, 0.3));
    }
}

void DrawMargin(cairo_t* cr, int height, Rng& rng)
{
    std::vector<Pt> line;
    for (double y = -4; y <= height + 4; y += 60)
        line.push_back({kMarginX + rng.Jitter(0.5), y});
    InkLine(cr, line, palette::kRedInk, 1.8, 0.5);
}

void DrawCoffeeRing(cairo_t* cr, double x, double y, double r, Rng& rng)
{
    std::vector<Pt> ring;
    for (int i = 0; i <= 40; ++i) {
        const double a = i * 2 * kPi / 40 * 0.86 + 0.9;
        ring.push_back({x + (r + rng.Jitter(1.2)) * std::cos(a), y + (r + rng.Jitter(1.2)) * std::sin(a)});
    }
    InkLine(cr, ring, Rgb{0.55, 0.36, 0.18}, 5.0, 0.05);
    InkLine(cr, ring, Rgb{0.5, 0.32, 0.15}, 1.6, 0.08);
}

Surface PaperBackground()
{
    Surface paper = NewSurface(1280, 720);
    PaintPaper(paper, 7100);
    return paper;
}

void Vignette(cairo_t* cr, double cx, double cy, double rx, double ry, double strength)
{
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_pattern_t* gradient = cairo_pattern_create_radial(0, 0, 0.55, 0, 0, 1.5);
    cairo_pattern_add_color_stop_rgba(gradient, 0.0, 0.1, 0.08, 0.05, 0.0);
    cairo_pattern_add_color_stop_rgba(gradient, 1.0, 0.1, 0.08, 0.05, strength);
    cairo_set_source(cr, gradient);
    cairo_paint(cr);
    cairo_pattern_destroy(gradient);
    cairo_restore(cr);
}

// A crease: shadow rising towards the fold on one side, a thin lit edge on the other.
void Crease(cairo_t* cr, bool vertical, double at, double length, double strength)
{
    const double x0 = vertical ? at - 80.0 : 0.0, y0 = vertical ? 0.0 : at - 80.0;
    const double x1 = vertical ? at + 40.0 : 0.0, y1 = vertical ? 0.0 : at + 40.0;
    cairo_pattern_t* gradient = cairo_pattern_create_linear(x0, y0, x1, y1);
    cairo_pattern_add_color_stop_rgba(gradient, 0.0, 0.15, 0.12, 0.1, 0.0);
    cairo_pattern_add_color_stop_rgba(gradient, 78.0 / 120.0, 0.15, 0.12, 0.1, strength);
    cairo_pattern_add_color_stop_rgba(gradient, 80.0 / 120.0, 1.0, 1.0, 1.0, strength * 1.4);
    cairo_pattern_add_color_stop_rgba(gradient, 86.0 / 120.0, 1.0, 1.0, 1.0, strength * 0.6);
    cairo_pattern_add_color_stop_rgba(gradient, 1.0, 1.0, 1.0, 1.0, 0.0);
    cairo_set_source(cr, gradient);
    if (vertical)
        cairo_rectangle(cr, x0, 0, x1 - x0, length);
    else
        cairo_rectangle(cr, 0, y0, length, y1 - y0);
    cairo_fill(cr);
    cairo_pattern_destroy(gradient);
}

Surface FoldShadow()
{
    const int width = 1302, height = 720;
    Sketch sketch(width, height, false);
    cairo_t* cr = sketch.Cr();
    Crease(cr, true, width * 0.5, height, 0.09);
    Crease(cr, false, height * 0.5, width, 0.045);
    Vignette(cr, width * 0.5, height * 0.5, width * 0.5, height * 0.5, 0.2);
    return sketch.Picture();
}

Surface RuledLine()
{
    const int width = 64;
    Sketch sketch(width, 2, false);
    cairo_t* cr = sketch.Cr();
    for (int x = 0; x < width; ++x) {
        const double wave = 0.06 * std::sin(x * 0.21) + 0.04 * std::sin(x * 0.57 + 1.0);
        cairo_rectangle(cr, x, 0, 1, 1);
        SetColour(cr, palette::kRuleBlue, 0.62 + wave);
        cairo_fill(cr);
        cairo_rectangle(cr, x, 1, 1, 1);
        SetColour(cr, palette::kRuleBlue, 0.3 + wave * 0.5);
        cairo_fill(cr);
    }
    return sketch.Picture();
}

} // namespace

void PaintPaper(const Surface& surface, uint64_t seed)
{
    Rng rng(seed);
    const int width = WidthOf(surface), height = HeightOf(surface);
    PaintPaperGrain(surface, rng);
    cairo_t* cr = cairo_create(surface.get());
    DrawFibres(cr, width, height, rng);
    DrawMargin(cr, height, rng);
    DrawCoffeeRing(cr, width * 0.86, height * 0.8, 62.0, rng);
    cairo_destroy(cr);
}

void RuleGrid(cairo_t* cr, int width, int height, int columns, int rows, double alpha)
{
    const double cellW = static_cast<double>(width) / (columns - 1);
    const double cellH = static_cast<double>(height) / (rows - 1);
    for (int c = 0; c < columns; ++c) {
        cairo_move_to(cr, c * cellW + 0.5, 0);
        cairo_line_to(cr, c * cellW + 0.5, height);
    }
    for (int r = 0; r < rows; ++r) {
        cairo_move_to(cr, 0, r * cellH + 0.5);
        cairo_line_to(cr, width, r * cellH + 0.5);
    }
    SetColour(cr, palette::kRuleBlue, alpha);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
}

void AddFieldArt(PictureSet& pictures)
{
    pictures.Add(datafiles::kPaperBackground, PaperBackground());
    pictures.Add(datafiles::kFoldShadow, FoldShadow());
    pictures.Add(datafiles::kRuledLine, RuledLine());
}
