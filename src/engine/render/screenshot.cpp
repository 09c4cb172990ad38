#include "engine/render/screenshot.h"

#include "engine/render/renderbackend.h"

#include <stb/stb_image_write.h>

#include <vector>

bool SaveScreenshot(const std::string& fileName)
{
    std::vector<uint8_t> rgba;
    if (!GetRenderBackend().ReadTarget(rgba))
        return false;
    // The window shows the target's colours and ignores its alpha, which only tells how much
    // was drawn over the cleared target; the picture is saved as the window shows it, opaque.
    std::vector<uint8_t> rgb(rgba.size() / 4 * 3);
    for (std::size_t from = 0, to = 0; from < rgba.size(); from += 4, to += 3) {
        rgb[to] = rgba[from];
        rgb[to + 1] = rgba[from + 1];
        rgb[to + 2] = rgba[from + 2];
    }
    return stbi_write_png(fileName.c_str(), 1280, 720, 3, rgb.data(), 1280 * 3) != 0;
}
