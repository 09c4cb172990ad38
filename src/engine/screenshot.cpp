#include "engine/screenshot.h"

#include "engine/renderbackend.h"

#include <stb/stb_image_write.h>

#include <vector>

bool SaveScreenshot(const std::string& fileName)
{
    std::vector<uint8_t> rgba;
    if (!GetRenderBackend().ReadTarget(rgba))
        return false;
    return stbi_write_png(fileName.c_str(), 1280, 720, 4, rgba.data(), 1280 * 4) != 0;
}
