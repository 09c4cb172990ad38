#include "accents.h"

namespace {

enum class Mark { kGrave, kAcute, kCircumflex, kTilde, kDiaeresis, kDot, kCedilla, kOgonek, kStroke };

struct Accented {
    char32_t letter;
    char base;
    Mark mark;
};

const Accented kAccented[] = {
    {U'\u00C0', 'A', Mark::kGrave},     {U'\u00C1', 'A', Mark::kAcute},     {U'\u00C2', 'A', Mark::kCircumflex},
    {U'\u00C3', 'A', Mark::kTilde},     {U'\u00C4', 'A', Mark::kDiaeresis}, {U'\u00C7', 'C', Mark::kCedilla},
    {U'\u00C8', 'E', Mark::kGrave},     {U'\u00C9', 'E', Mark::kAcute},     {U'\u00CA', 'E', Mark::kCircumflex},
    {U'\u00CB', 'E', Mark::kDiaeresis}, {U'\u00CC', 'I', Mark::kGrave},     {U'\u00CD', 'I', Mark::kAcute},
    {U'\u00CE', 'I', Mark::kCircumflex}, {U'\u00CF', 'I', Mark::kDiaeresis}, {U'\u00D1', 'N', Mark::kTilde},
    {U'\u00D2', 'O', Mark::kGrave},     {U'\u00D3', 'O', Mark::kAcute},     {U'\u00D4', 'O', Mark::kCircumflex},
    {U'\u00D5', 'O', Mark::kTilde},     {U'\u00D6', 'O', Mark::kDiaeresis}, {U'\u00D9', 'U', Mark::kGrave},
    {U'\u00DA', 'U', Mark::kAcute},     {U'\u00DB', 'U', Mark::kCircumflex}, {U'\u00DC', 'U', Mark::kDiaeresis},
    {U'\u00DD', 'Y', Mark::kAcute},     {U'\u0104', 'A', Mark::kOgonek},    {U'\u0106', 'C', Mark::kAcute},
    {U'\u0118', 'E', Mark::kOgonek},    {U'\u0141', 'L', Mark::kStroke},    {U'\u0143', 'N', Mark::kAcute},
    {U'\u015A', 'S', Mark::kAcute},     {U'\u0179', 'Z', Mark::kAcute},     {U'\u017B', 'Z', Mark::kDot},
};

const Accented* Find(char32_t letter)
{
    for (const Accented& accented : kAccented)
        if (accented.letter == letter)
            return &accented;
    return nullptr;
}

cairo_text_extents_t Extents(cairo_t* cr, const char* text)
{
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text, &extents);
    return extents;
}

// Which edge of a mark's ink goes to the height given: its bottom (a mark above the letter), its
// top (a mark under it) or its middle (a mark through it).
enum class Edge { kBottom, kTop, kMiddle };

// Appends the mark's outline at the scale of the face, the middle of its ink at x and its edge at
// height y; turned over left to right when mirrored.
void MarkPath(cairo_t* cr, const char* mark, double scale, double x, double y, Edge edge, bool mirrored)
{
    cairo_save(cr);
    cairo_matrix_t font;
    cairo_get_font_matrix(cr, &font);
    cairo_matrix_scale(&font, scale, scale);
    cairo_set_font_matrix(cr, &font);
    const cairo_text_extents_t ink = Extents(cr, mark);
    const double below = edge == Edge::kBottom ? ink.height : edge == Edge::kMiddle ? ink.height * 0.5 : 0.0;
    cairo_translate(cr, x, y - ink.y_bearing - below);
    if (mirrored)
        cairo_scale(cr, -1.0, 1.0);
    cairo_move_to(cr, -(ink.x_bearing + ink.width * 0.5), 0.0);
    cairo_text_path(cr, mark);
    cairo_restore(cr);
}

void AppendMark(cairo_t* cr, Mark mark, const cairo_text_extents_t& base, double x, double y)
{
    const double middle = x + base.x_bearing + base.width * 0.5;
    const double top = y + base.y_bearing - base.height * 0.12;
    const double bottom = y + base.y_bearing + base.height * 0.96; // just into the foot of the letter
    const double dots = base.height * 0.16;
    switch (mark) {
    case Mark::kGrave:
        return MarkPath(cr, "`", 0.8, middle, top, Edge::kBottom, false);
    case Mark::kAcute:
        return MarkPath(cr, "`", 0.8, middle, top, Edge::kBottom, true);
    case Mark::kCircumflex:
        return MarkPath(cr, "^", 0.7, middle, top, Edge::kBottom, false);
    case Mark::kTilde:
        return MarkPath(cr, "~", 0.7, middle, top, Edge::kBottom, false);
    case Mark::kDiaeresis:
        MarkPath(cr, ".", 0.9, middle - dots, top, Edge::kBottom, false);
        return MarkPath(cr, ".", 0.9, middle + dots, top, Edge::kBottom, false);
    case Mark::kDot:
        return MarkPath(cr, ".", 0.9, middle, top, Edge::kBottom, false);
    case Mark::kCedilla:
        return MarkPath(cr, ",", 0.9, middle, bottom, Edge::kTop, false);
    case Mark::kOgonek:
        return MarkPath(cr, ",", 0.9, x + base.x_bearing + base.width * 0.78, bottom, Edge::kTop, true);
    case Mark::kStroke:
        return MarkPath(cr, "/", 0.55, x + base.x_bearing + base.width * 0.22, y + base.y_bearing + base.height * 0.6,
                        Edge::kMiddle, false);
    }
}

} // namespace

char AccentedBase(char32_t letter)
{
    const Accented* accented = Find(letter);
    return accented ? accented->base : '\0';
}

bool AccentedPath(cairo_t* cr, char32_t letter, double x, double y)
{
    const Accented* accented = Find(letter);
    if (!accented)
        return false;
    const char base[2] = {accented->base, '\0'};
    cairo_move_to(cr, x, y);
    cairo_text_path(cr, base);
    AppendMark(cr, accented->mark, Extents(cr, base), x, y);
    return true;
}
