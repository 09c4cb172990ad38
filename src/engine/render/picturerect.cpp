#include "engine/render/picturerect.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

PictureRect PictureRect::Stretched(int windowWidth, int windowHeight)
{
    PictureRect rect;
    rect.width = windowWidth;
    rect.height = windowHeight;
    return rect;
}

PictureRect PictureRect::Letterboxed(int windowWidth, int windowHeight)
{
    // In 64 bits: a window's sides multiplied by the picture's may pass 2^31.
    const int64_t wide = static_cast<int64_t>(windowWidth) * 9;
    const int64_t tall = static_cast<int64_t>(windowHeight) * 16;
    PictureRect rect = Stretched(windowWidth, windowHeight);
    if (wide > tall)
        rect.width = static_cast<int>((tall + 4) / 9);
    else
        rect.height = static_cast<int>((wide + 8) / 16);
    if (std::abs(rect.width - windowWidth) <= 1 && std::abs(rect.height - windowHeight) <= 1)
        return Stretched(windowWidth, windowHeight);
    rect.x = (windowWidth - rect.width) / 2;
    rect.y = (windowHeight - rect.height) / 2;
    return rect;
}

vector2 PictureRect::WindowToPicture(const vector2& window) const
{
    // Stretched over the whole window, this is the game's long-standing pixel arithmetic to
    // the last bit: the distance from the corner over the size in float, times 1280 in double.
    const float px = static_cast<float>((window.x - static_cast<float>(x)) / static_cast<float>(width) * 1280.0);
    const float py = static_cast<float>((window.y - static_cast<float>(y)) / static_cast<float>(height) * 720.0);
    return vector2(Clamp(px, 0.0f, kVirtualWidth), Clamp(py, 0.0f, kVirtualHeight));
}

vector2 PictureRect::PictureToWindow(const vector2& picture) const
{
    return vector2(static_cast<float>(x + picture.x / 1280.0 * width),
                   static_cast<float>(y + picture.y / 720.0 * height));
}

GameEvent PictureRect::MouseInPicture(GameEvent event) const
{
    if (!event.IsMouse() || event.type == GameEvent::Type::kMouseWheel || event.inPicture)
        return event;
    const vector2 point = WindowToPicture(vector2(event.x, event.y));
    event.x = AtOwnSize() ? std::trunc(point.x) : point.x;
    event.y = AtOwnSize() ? std::trunc(point.y) : point.y;
    event.inPicture = true;
    return event;
}
