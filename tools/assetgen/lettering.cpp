#include "lettering.h"

#include "accents.h"
#include "picture.h"

#include "utils/stringutils.h"
#include "utils/translation/spelling.h"

#include <fontconfig/fontconfig.h>

#include <cmath>
#include <cstring>
#include <vector>

namespace {

// A face the lettering is set in, and the characters it sets.
struct Face {
    const char* family;
    const char* package;
    cairo_font_weight_t weight;
};
const Face kHumorSans = {"Humor Sans", "fonts-humor-sans", CAIRO_FONT_WEIGHT_NORMAL};
const Face kComicNeue = {"Comic Neue", "fonts-comic-neue", CAIRO_FONT_WEIGHT_BOLD};
const Face kKleeOne = {"Klee One", "fonts-klee", CAIRO_FONT_WEIGHT_BOLD}; // its SemiBold, as heavy as the ink

bool IsJapanese(char32_t c)
{
    return (c >= U'\u3000' && c <= U'\u30FF') || (c >= U'\u4E00' && c <= U'\u9FFF') || (c >= U'\uFF00' && c <= U'\uFFEF');
}

const Face& FaceOf(char32_t c) { return c < 0x80 ? kHumorSans : IsJapanese(c) ? kKleeOne : kComicNeue; }

void SelectFace(cairo_t* cr, const Face& face, double size)
{
    cairo_select_font_face(cr, face.family, CAIRO_FONT_SLANT_NORMAL, face.weight);
    cairo_set_font_size(cr, size);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
}

// How far the face's "H" stands above the baseline at size 100.
double CapitalsOf(const Face& face)
{
    Surface scratch = NewSurface(1, 1);
    cairo_t* measure = cairo_create(scratch.get());
    SelectFace(measure, face, 100.0);
    cairo_text_extents_t extents;
    cairo_text_extents(measure, "H", &extents);
    cairo_destroy(measure);
    return -extents.y_bearing;
}

// The size to set the face at for lettering of the size: its capitals as tall as Humor Sans's.
double SizeIn(const Face& face, double size)
{
    if (&face == &kHumorSans)
        return size; // exactly, so ASCII is lettered as it always was
    static const double kHumorCapitals = CapitalsOf(kHumorSans);
    static const double kComicCapitals = CapitalsOf(kComicNeue);
    static const double kKleeCapitals = CapitalsOf(kKleeOne);
    return size * kHumorCapitals / (&face == &kComicNeue ? kComicCapitals : kKleeCapitals);
}

// The text cut where its face changes: each run with its face, beyond ASCII spelled in capitals;
// an accented capital Humor Sans makes from its own letter and mark a run of its own.
struct Run {
    const Face* face;
    std::string text;
    char32_t accented = 0;
};

std::vector<Run> Runs(const std::string& text)
{
    std::vector<Run> runs;
    for (char32_t c : kolm::DecodeUtf8(text)) {
        const std::u32string spelled = c < 0x80 ? std::u32string(1, c) : translation::LetteringSpelling(std::u32string(1, c));
        for (char32_t letter : spelled) {
            if (const char base = AccentedBase(letter)) {
                runs.push_back({&kHumorSans, std::string(1, base), letter});
                continue;
            }
            const Face& face = FaceOf(letter);
            if (runs.empty() || runs.back().face != &face || runs.back().accented)
                runs.push_back({&face, ""});
            runs.back().text += kolm::EncodeUtf8(letter);
        }
    }
    return runs;
}

double RunAdvance(cairo_t* cr, const Run& run, double size)
{
    cairo_save(cr);
    SelectFace(cr, *run.face, SizeIn(*run.face, size));
    cairo_text_extents_t extents;
    cairo_text_extents(cr, run.text.c_str(), &extents);
    cairo_restore(cr);
    return extents.x_advance;
}

void RunPath(cairo_t* cr, const Run& run, double x, double y, double size)
{
    SelectFace(cr, *run.face, SizeIn(*run.face, size));
    if (run.accented && AccentedPath(cr, run.accented, x, y))
        return;
    cairo_move_to(cr, x, y);
    cairo_text_path(cr, run.text.c_str());
}

bool Resolves(const Face& face)
{
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(face.family));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    bool found = false;
    FcChar8* family = nullptr;
    for (int i = 0; match && !found && FcPatternGetString(match, FC_FAMILY, i, &family) == FcResultMatch; ++i)
        found = std::strcmp(reinterpret_cast<const char*>(family), face.family) == 0;
    if (match)
        FcPatternDestroy(match);
    FcPatternDestroy(pattern);
    return found;
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

std::string MissingLetteringFont()
{
    if (!FcInit())
        return "fontconfig";
    for (const Face* face : {&kHumorSans, &kComicNeue, &kKleeOne})
        if (!Resolves(*face))
            return std::string("\"") + face->family + "\" (Debian package " + face->package + ")";
    return "";
}

double FittedSize(cairo_t* cr, const std::string& text, double size, double maxWidth)
{
    const double width = LetteringWidth(cr, text, size);
    return width > maxWidth ? size * maxWidth / width : size;
}

double LetteringWidth(cairo_t* cr, const std::string& text, double size)
{
    double width = 0.0;
    for (const Run& run : Runs(text))
        width += RunAdvance(cr, run, size);
    return width;
}

double CapitalHeight(cairo_t* cr, double size)
{
    cairo_save(cr);
    SelectFace(cr, kHumorSans, size);
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
    for (const Run& run : Runs(text)) {
        RunPath(cr, run, x, y, style.size);
        x += RunAdvance(cr, run, style.size);
    }
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
