#include "contactsheet.h"

#include "lettering.h"
#include "pen.h"

#include <algorithm>
#include <cmath>

namespace {

const int kSheetWidth = 1700;
const int kMargin = 24;
const int kGap = 14;
const double kLabelSize = 13.0;
const int kLabelHeight = 20;
const double kLargest = 420.0;

struct Cell {
    const Picture* picture;
    double scale;
    int x, y, width, height; // the cell, label included
};

std::string BaseName(const std::string& file)
{
    const std::size_t slash = file.find_last_of('/');
    return slash == std::string::npos ? file : file.substr(slash + 1);
}

std::vector<Cell> LayOut(cairo_t* measure, const PictureSet& pictures, int& sheetHeight)
{
    std::vector<Cell> cells;
    int x = kMargin, y = kMargin + 40, rowHeight = 0;
    for (const Picture& picture : pictures.All()) {
        if (!picture.onSheet)
            continue;
        const double w = WidthOf(picture.surface), h = HeightOf(picture.surface);
        // A specimen keeps its own size (as far as the sheet is wide): its parts are small.
        const double largest = picture.written ? kLargest / std::max(w, h) : (kSheetWidth - 2.0 * kMargin - 8.0) / w;
        const double scale = std::min(1.0, largest);
        const double label = LetteringWidth(measure, BaseName(picture.file), kLabelSize);
        const int width = static_cast<int>(std::ceil(std::max(w * scale, label))) + 8;
        const int height = static_cast<int>(std::ceil(h * scale)) + kLabelHeight + 8;
        if (x + width > kSheetWidth - kMargin) {
            x = kMargin;
            y += rowHeight + kGap;
            rowHeight = 0;
        }
        cells.push_back({&picture, scale, x, y, width, height});
        x += width + kGap;
        rowHeight = std::max(rowHeight, height);
    }
    sheetHeight = y + rowHeight + kMargin;
    return cells;
}

void DrawSheetPaper(cairo_t* cr, int height)
{
    SetColour(cr, palette::kPaper);
    cairo_paint(cr);
    for (int y = 30; y < height; y += 28) {
        cairo_move_to(cr, 0, y + 0.5);
        cairo_line_to(cr, kSheetWidth, y + 0.5);
    }
    SetColour(cr, palette::kRuleBlue, 0.25);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
}

void DrawCell(cairo_t* cr, const Cell& cell, Rng& rng)
{
    const Picture& picture = *cell.picture;
    const double w = WidthOf(picture.surface) * cell.scale, h = HeightOf(picture.surface) * cell.scale;
    const double left = cell.x + 4, top = cell.y + 4;
    if (picture.tinted) {
        cairo_rectangle(cr, left - 2, top - 2, w + 4, h + 4);
        cairo_set_source_rgb(cr, 0.24, 0.26, 0.31);
        cairo_fill(cr);
    }
    // A faint frame shows each picture's own bounds.
    cairo_rectangle(cr, left - 0.5, top - 0.5, w + 1, h + 1);
    SetColour(cr, palette::kGraphite, 0.3);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
    cairo_save(cr);
    cairo_translate(cr, left, top);
    cairo_scale(cr, cell.scale, cell.scale);
    cairo_set_source_surface(cr, picture.surface.get(), 0, 0);
    cairo_paint(cr);
    cairo_restore(cr);
    LetteringStyle label;
    label.size = kLabelSize;
    label.ink = palette::kGraphite;
    label.warp = 0.2;
    Letter(cr, BaseName(picture.file), left, top + h + 15, Align::Left, label, rng);
}

} // namespace

Surface MakeContactSheet(const PictureSet& pictures)
{
    Surface scratch = NewSurface(1, 1);
    cairo_t* measure = cairo_create(scratch.get());
    int height = 0;
    const std::vector<Cell> cells = LayOut(measure, pictures, height);
    cairo_destroy(measure);

    Sketch sheet(kSheetWidth, height, false);
    cairo_t* cr = sheet.Cr();
    DrawSheetPaper(cr, height);
    Rng rng(9001);
    LetteringStyle heading;
    heading.size = 30;
    Letter(cr, "Tobrakka - every picture of the game", kMargin, kMargin + 22, Align::Left, heading, rng);
    for (const Cell& cell : cells)
        DrawCell(cr, cell, rng);
    return sheet.Picture();
}
