#include "picture.h"

#include <stb/stb_image_write.h>

#include <cstdint>
#include <filesystem>
#include <iostream>

Surface NewSurface(int width, int height)
{
    return Surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height), cairo_surface_destroy);
}

int WidthOf(const Surface& surface) { return cairo_image_surface_get_width(surface.get()); }
int HeightOf(const Surface& surface) { return cairo_image_surface_get_height(surface.get()); }

Surface Mirrored(const Surface& surface)
{
    const int width = WidthOf(surface);
    Surface out = NewSurface(width, HeightOf(surface));
    cairo_t* cr = cairo_create(out.get());
    cairo_translate(cr, width, 0);
    cairo_scale(cr, -1, 1);
    cairo_set_source_surface(cr, surface.get(), 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
    cairo_paint(cr);
    cairo_destroy(cr);
    return out;
}

Sketch::Sketch(int width, int height, bool centred)
    : surface_(NewSurface(width, height)), cr_(cairo_create(surface_.get()))
{
    if (centred)
        cairo_translate(cr_, width * 0.5, height * 0.5);
    cairo_set_line_cap(cr_, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
}

Sketch::~Sketch() { cairo_destroy(cr_); }

void PictureSet::Add(const std::string& file, const Surface& surface, bool tinted)
{
    cairo_surface_flush(surface.get());
    pictures_.push_back({file, surface, tinted});
}

void PictureSet::AddUnlisted(const std::string& file, const Surface& surface)
{
    Add(file, surface);
    pictures_.back().onSheet = false;
}

void PictureSet::AddSpecimen(const std::string& label, const Surface& surface)
{
    Add(label, surface);
    pictures_.back().written = false;
}

bool PictureSet::WriteAll(const std::string& directory) const
{
    for (const Picture& picture : pictures_) {
        if (!picture.written)
            continue;
        const std::string path = directory + "/" + picture.file;
        std::error_code error;
        std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
        const bool isJpg = path.size() > 4 && path.compare(path.size() - 4, 4, ".jpg") == 0;
        const bool written = isJpg ? WriteJpg(picture.surface, path, 90) : WritePng(picture.surface, path);
        if (!written) {
            std::cerr << "assetgen: could not write " << path << std::endl;
            return false;
        }
    }
    return true;
}

bool WritePng(const Surface& surface, const std::string& path)
{
    // cairo keeps premultiplied pixels and un-premultiplies them while writing, so the file
    // holds straight alpha as the game expects.
    return cairo_surface_write_to_png(surface.get(), path.c_str()) == CAIRO_STATUS_SUCCESS;
}

bool WriteJpg(const Surface& surface, const std::string& path, int quality)
{
    cairo_surface_flush(surface.get());
    const int width = WidthOf(surface);
    const int height = HeightOf(surface);
    const int stride = cairo_image_surface_get_stride(surface.get());
    const unsigned char* data = cairo_image_surface_get_data(surface.get());
    std::vector<unsigned char> rgb(static_cast<std::size_t>(width) * height * 3);
    for (int y = 0; y < height; ++y) {
        const uint32_t* row = reinterpret_cast<const uint32_t*>(data + static_cast<std::size_t>(y) * stride);
        for (int x = 0; x < width; ++x) {
            // The JPG pictures are opaque, so premultiplied and straight colour agree.
            const uint32_t pixel = row[x];
            unsigned char* out = &rgb[(static_cast<std::size_t>(y) * width + x) * 3];
            out[0] = static_cast<unsigned char>((pixel >> 16) & 0xFF);
            out[1] = static_cast<unsigned char>((pixel >> 8) & 0xFF);
            out[2] = static_cast<unsigned char>(pixel & 0xFF);
        }
    }
    return stbi_write_jpg(path.c_str(), width, height, 3, rgb.data(), quality) != 0;
}
