#include "keycaps.h"

#include "pen.h"

#include "utils/datafiles.h"

namespace {

using datafiles::GlyphSize;
using datafiles::KeyCapPart;

// A cap as the title draws its keys: a grey-edged key with a paper face, its middle long and
// straight so that one column of it stands for any width.
Surface WholeCap(GlyphSize size, uint64_t seed)
{
    const datafiles::KeyCapMetrics metrics = datafiles::KeyCapMetricsOf(size);
    const double height = metrics.height;
    const double width = 8.0 * metrics.endWidth;
    const double corner = size == GlyphSize::kLarge ? 9.0 : 6.0;
    Sketch sketch(static_cast<int>(width), metrics.height, false);
    cairo_t* cr = sketch.Cr();
    Rng rng(seed);
    ShapeStyle key;
    key.fill = Mix(palette::kPaper, palette::kGraphiteLight, 0.3);
    key.ink = palette::kInk;
    key.width = size == GlyphSize::kLarge ? 2.2 : 1.8;
    key.wobble = 0.3;
    DrawShape(cr, RoundedRectPoints(1.5, 1.5, width - 1.5, height - 1.5, corner), key, rng);
    key.fill = palette::kPaper;
    key.width = 1.0;
    const double face = height * 0.1;
    DrawShape(cr, RoundedRectPoints(5.0, face, width - 5.0, height - face * 2.2, corner * 0.7), key, rng);
    return sketch.Picture();
}

Surface Columns(const Surface& whole, int left, int width)
{
    Sketch sketch(width, HeightOf(whole), false);
    cairo_set_source_surface(sketch.Cr(), whole.get(), -left, 0);
    cairo_paint(sketch.Cr());
    return sketch.Picture();
}

void AddCaps(PictureSet& pictures, GlyphSize size, uint64_t seed)
{
    const Surface whole = WholeCap(size, seed);
    const int end = datafiles::KeyCapMetricsOf(size).endWidth;
    const int width = WidthOf(whole);
    pictures.Add(datafiles::KeyCapPiece(size, KeyCapPart::kLeft), Columns(whole, 0, end));
    pictures.Add(datafiles::KeyCapPiece(size, KeyCapPart::kMiddle), Columns(whole, width / 2, 1));
    pictures.Add(datafiles::KeyCapPiece(size, KeyCapPart::kRight), Columns(whole, width - end, end));
}

} // namespace

void AddKeyCapArt(PictureSet& pictures)
{
    AddCaps(pictures, GlyphSize::kLarge, 8060);
    AddCaps(pictures, GlyphSize::kSmall, 8061);
}
