#include "lettering.h"

#include <fontconfig/fontconfig.h>

#include <cmath>
#include <cstring>

namespace {

const char* const kFamily = "Humor Sans";

void SelectFace(cairo_t* cr, double size)
{
    cairo_select_font_face(cr, kFamily, CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, size);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
}

// Moves every point of the current path by a slow wave of its position, so neighbouring
// points move together and the strokes waver instead of fraying.
void WarpPath(cairo_t* cr, double amount, double size, Rng& rng)
{
    cairo_path_t* path = cairo_copy_path(cr);
    const double px = rng.Range(0, 6.28), py = rng.Range(0, 6.28);
    // One wave over roughly a letter's height, so whole strokes lean rather than fray.
    const double fx = rng.Range(4.0, 6.0) / size, fy = rng.Range(4.0, 6.0) / size;
    for (int i = 0; i < path->num_data; i += path->data[i].header.length) {
        cairo_path_data_t* item = &path->data[i];
        for (int k = 1; k < item->header.length; ++k) {
            cairo_path_data_t& point = item[k];
            const double x = point.point.x, y = point.point.y;
            point.point.x = x + amount * std::sin(y * fy + px + x * fx * 0.3);
            point.point.y = y + amount * std::sin(x * fx + py);
        }
    }
    cairo_new_path(cr);
    cairo_append_path(cr, path);
    cairo_path_destroy(path);
}

} // namespace

bool LetteringFontAvailable()
{
    if (!FcInit())
        return false;
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(kFamily));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    bool found = false;
    FcChar8* family = nullptr;
    if (match && FcPatternGetString(match, FC_FAMILY, 0, &family) == FcResultMatch)
        found = std::strcmp(reinterpret_cast<const char*>(family), kFamily) == 0;
    if (match)
        FcPatternDestroy(match);
    FcPatternDestroy(pattern);
    return found;
}

double FittedSize(cairo_t* cr, const std::string& text, double size, double maxWidth)
{
    const double width = LetteringWidth(cr, text, size);
    return width > maxWidth ? size * maxWidth / width : size;
}

double LetteringWidth(cairo_t* cr, const std::string& text, double size)
{
    cairo_save(cr);
    SelectFace(cr, size);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text.c_str(), &extents);
    cairo_restore(cr);
    return extents.x_advance;
}

double CapitalHeight(cairo_t* cr, double size)
{
    cairo_save(cr);
    SelectFace(cr, size);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, "H", &extents);
    cairo_restore(cr);
    return -extents.y_bearing;
}

void LetteringPath(cairo_t* cr, const std::string& text, double x, double y, Align align, const LetteringStyle& style,
                   Rng& rng)
{
    const double width = LetteringWidth(cr, text, style.size);
    if (align == Align::Centre)
        x -= width * 0.5;
    else if (align == Align::Right)
        x -= width;
    cairo_save(cr);
    SelectFace(cr, style.size);
    cairo_move_to(cr, x, y);
    cairo_text_path(cr, text.c_str());
    WarpPath(cr, style.warp, style.size, rng);
    cairo_path_t* path = cairo_copy_path(cr);
    cairo_restore(cr);
    cairo_new_path(cr);
    cairo_append_path(cr, path);
    cairo_path_destroy(path);
}

void Letter(cairo_t* cr, const std::string& text, double x, double y, Align align, const LetteringStyle& style,
            Rng& rng)
{
    cairo_save(cr);
    LetteringPath(cr, text, x, y, align, style, rng);
    cairo_push_group(cr);
    if (style.outline > 0.0) {
        SetColour(cr, style.outlineInk);
        cairo_set_line_width(cr, style.outline);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke_preserve(cr);
    }
    SetColour(cr, style.ink);
    cairo_fill(cr);
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, style.alpha);
    cairo_restore(cr);
}

void InkWithHalo(cairo_t* cr, Rgb ink, double haloWidth)
{
    SetColour(cr, palette::kPaper, 0.6);
    cairo_set_line_width(cr, haloWidth);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
    SetColour(cr, ink);
    cairo_fill(cr);
}
