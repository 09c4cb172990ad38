#include "pen.h"

#include <algorithm>
#include <cmath>

namespace {

const double kPi = 3.14159265358979323846;

Pt Lerp(Pt a, Pt b, double t) { return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t}; }

void ControlPoints(Pt p0, Pt p1, Pt p2, Pt p3, Pt& c1, Pt& c2)
{
    c1 = {p1.x + (p2.x - p0.x) / 6.0, p1.y + (p2.y - p0.y) / 6.0};
    c2 = {p2.x - (p3.x - p1.x) / 6.0, p2.y - (p3.y - p1.y) / 6.0};
}

double Length(const std::vector<Pt>& points)
{
    double total = 0.0;
    for (std::size_t i = 1; i < points.size(); ++i)
        total += std::hypot(points[i].x - points[i - 1].x, points[i].y - points[i - 1].y);
    return total;
}

} // namespace

Rgb Mix(Rgb a, Rgb b, double t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

void SetColour(cairo_t* cr, Rgb colour, double alpha)
{
    cairo_set_source_rgba(cr, colour.r, colour.g, colour.b, alpha);
}

std::vector<Pt> EllipsePoints(double cx, double cy, double rx, double ry, int count)
{
    if (count <= 0)
        count = std::max(10, static_cast<int>(2.0 * kPi * std::max(rx, ry) / 3.0));
    std::vector<Pt> points;
    for (int i = 0; i < count; ++i) {
        const double a = 2.0 * kPi * i / count;
        points.push_back({cx + rx * std::cos(a), cy + ry * std::sin(a)});
    }
    return points;
}

std::vector<Pt> StarPoints(double cx, double cy, double outer, double inner)
{
    std::vector<Pt> points;
    for (int i = 0; i < 10; ++i) {
        const double a = -kPi / 2 + i * kPi / 5;
        const double d = i % 2 == 0 ? outer : inner;
        points.push_back({cx + d * std::cos(a), cy + d * std::sin(a)});
    }
    return points;
}

std::vector<Pt> RoundedRectPoints(double x0, double y0, double x1, double y1, double corner)
{
    corner = std::min({corner, (x1 - x0) * 0.5, (y1 - y0) * 0.5});
    const Pt centres[4] = {{x1 - corner, y1 - corner}, {x0 + corner, y1 - corner},
                           {x0 + corner, y0 + corner}, {x1 - corner, y0 + corner}};
    std::vector<Pt> points;
    for (int c = 0; c < 4; ++c) {
        for (int i = 0; i <= 3; ++i) {
            const double a = kPi * 0.5 * (c + i / 3.0);
            points.push_back({centres[c].x + corner * std::cos(a), centres[c].y + corner * std::sin(a)});
        }
        // Long sides get extra points so the wobble bends them a little.
        const Pt from = points.back();
        const Pt to = centres[(c + 1) % 4];
        const double a = kPi * 0.5 * (c + 1);
        const Pt end{to.x + corner * std::cos(a), to.y + corner * std::sin(a)};
        const int steps = static_cast<int>(std::hypot(end.x - from.x, end.y - from.y) / 8.0);
        for (int s = 1; s < steps; ++s)
            points.push_back(Lerp(from, end, static_cast<double>(s) / steps));
    }
    return points;
}

std::vector<Pt> Jittered(const std::vector<Pt>& points, double amount, Rng& rng)
{
    std::vector<Pt> out;
    out.reserve(points.size());
    for (const Pt& p : points)
        out.push_back({p.x + rng.Jitter(amount), p.y + rng.Jitter(amount)});
    return out;
}

std::vector<Pt> Transformed(const std::vector<Pt>& points, double dx, double dy, double angle, double scale)
{
    const double c = std::cos(angle) * scale;
    const double s = std::sin(angle) * scale;
    std::vector<Pt> out;
    out.reserve(points.size());
    for (const Pt& p : points)
        out.push_back({dx + p.x * c - p.y * s, dy + p.x * s + p.y * c});
    return out;
}

void SmoothPath(cairo_t* cr, const std::vector<Pt>& points, bool closed)
{
    const std::size_t n = points.size();
    if (n < 2)
        return;
    auto at = [&](long i) -> Pt {
        if (closed)
            return points[static_cast<std::size_t>((i % static_cast<long>(n) + static_cast<long>(n)) %
                                                   static_cast<long>(n))];
        return points[static_cast<std::size_t>(std::clamp(i, 0L, static_cast<long>(n) - 1))];
    };
    cairo_move_to(cr, points[0].x, points[0].y);
    const long segments = closed ? static_cast<long>(n) : static_cast<long>(n) - 1;
    for (long i = 0; i < segments; ++i) {
        Pt c1, c2;
        ControlPoints(at(i - 1), at(i), at(i + 1), at(i + 2), c1, c2);
        const Pt end = at(i + 1);
        cairo_curve_to(cr, c1.x, c1.y, c2.x, c2.y, end.x, end.y);
    }
    if (closed)
        cairo_close_path(cr);
}

void PolygonPath(cairo_t* cr, const std::vector<Pt>& points)
{
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (i == 0)
            cairo_move_to(cr, points[i].x, points[i].y);
        else
            cairo_line_to(cr, points[i].x, points[i].y);
    }
    cairo_close_path(cr);
}

void InkLine(cairo_t* cr, const std::vector<Pt>& points, Rgb colour, double width, double alpha)
{
    cairo_new_path(cr);
    SmoothPath(cr, points, false);
    SetColour(cr, colour, alpha);
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

void TaperedStroke(cairo_t* cr, const std::vector<Pt>& points, double startWidth, double endWidth,
                   Rgb colour, double alpha)
{
    if (points.size() < 2)
        return;
    const double total = Length(points);
    if (total <= 0.0)
        return;
    // Both edges of the band, offset along each point's normal by half the local width.
    std::vector<Pt> left, right;
    double along = 0.0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (i > 0)
            along += std::hypot(points[i].x - points[i - 1].x, points[i].y - points[i - 1].y);
        const Pt a = points[i == 0 ? 0 : i - 1];
        const Pt b = points[std::min(i + 1, points.size() - 1)];
        const double dx = b.x - a.x, dy = b.y - a.y;
        const double len = std::max(1e-9, std::hypot(dx, dy));
        const double half = 0.5 * (startWidth + (endWidth - startWidth) * (along / total));
        left.push_back({points[i].x - dy / len * half, points[i].y + dx / len * half});
        right.push_back({points[i].x + dy / len * half, points[i].y - dx / len * half});
    }
    std::vector<Pt> band = left;
    band.insert(band.end(), right.rbegin(), right.rend());
    // Drawn opaque into a group and laid down once, so the caps do not darken the ends.
    cairo_push_group(cr);
    cairo_new_path(cr);
    SmoothPath(cr, band, true);
    SetColour(cr, colour);
    cairo_fill(cr);
    // Round caps at both ends.
    cairo_arc(cr, points.front().x, points.front().y, startWidth * 0.5, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_arc(cr, points.back().x, points.back().y, endWidth * 0.5, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, alpha);
}

void HatchArea(cairo_t* cr, Pt centre, double radius, const Hatching& hatching, Rng& rng)
{
    if (hatching.alpha <= 0.0)
        return;
    const int passes = hatching.cross ? 2 : 1;
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int pass = 0; pass < passes; ++pass) {
        const double angle = hatching.angle + pass * kPi * 0.5;
        const double ux = std::cos(angle), uy = std::sin(angle);
        const double nx = -uy, ny = ux;
        for (double d = -radius; d <= radius; d += hatching.spacing) {
            const double offset = d + rng.Jitter(hatching.spacing * 0.2);
            const double reach = radius * 1.1;
            const Pt a{centre.x + nx * offset - ux * reach, centre.y + ny * offset - uy * reach};
            const Pt b{centre.x + nx * offset + ux * reach, centre.y + ny * offset + uy * reach};
            cairo_move_to(cr, a.x, a.y);
            // Drawn in two statements: the order of a call's arguments is the compiler's choice.
            const double jitterY = rng.Jitter(0.6);
            const double jitterX = rng.Jitter(0.6);
            cairo_line_to(cr, b.x + jitterX, b.y + jitterY);
            SetColour(cr, hatching.colour, hatching.alpha * rng.Range(0.75, 1.0));
            cairo_set_line_width(cr, hatching.width * rng.Range(0.85, 1.15));
            cairo_stroke(cr);
        }
    }
}

void DrawShape(cairo_t* cr, const std::vector<Pt>& points, const ShapeStyle& style, Rng& rng)
{
    if (points.size() < 3)
        return;
    const std::vector<Pt> outline = Jittered(points, style.wobble, rng);
    double minX = outline[0].x, maxX = minX, minY = outline[0].y, maxY = minY;
    for (const Pt& p : outline) {
        minX = std::min(minX, p.x);
        maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
    const Pt centre{(minX + maxX) * 0.5, (minY + maxY) * 0.5};
    const double radius = 0.5 * std::hypot(maxX - minX, maxY - minY);

    cairo_new_path(cr);
    SmoothPath(cr, outline, true);
    if (style.fillAlpha > 0.0) {
        SetColour(cr, style.fill, style.fillAlpha);
        cairo_fill_preserve(cr);
    }
    if (style.hatching.alpha > 0.0) {
        cairo_save(cr);
        cairo_clip_preserve(cr);
        cairo_new_path(cr);
        HatchArea(cr, centre, radius, style.hatching, rng);
        cairo_restore(cr);
        cairo_new_path(cr);
        SmoothPath(cr, outline, true);
    }
    if (style.inkAlpha > 0.0) {
        SetColour(cr, style.ink, style.inkAlpha);
        cairo_set_line_width(cr, style.width);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke(cr);
        if (style.sketchy) {
            cairo_new_path(cr);
            SmoothPath(cr, Jittered(points, style.wobble * 1.8 + 0.3, rng), true);
            SetColour(cr, style.ink, style.inkAlpha * 0.45);
            cairo_set_line_width(cr, style.width * 0.55);
            cairo_stroke(cr);
        }
    }
    cairo_new_path(cr);
}

void Smudge(cairo_t* cr, double cx, double cy, double rx, double ry, Rgb colour, double alpha)
{
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_pattern_t* gradient = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1.0);
    cairo_pattern_add_color_stop_rgba(gradient, 0.0, colour.r, colour.g, colour.b, alpha);
    cairo_pattern_add_color_stop_rgba(gradient, 0.6, colour.r, colour.g, colour.b, alpha * 0.7);
    cairo_pattern_add_color_stop_rgba(gradient, 1.0, colour.r, colour.g, colour.b, 0.0);
    cairo_set_source(cr, gradient);
    cairo_arc(cr, 0, 0, 1.0, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_pattern_destroy(gradient);
    cairo_restore(cr);
}
