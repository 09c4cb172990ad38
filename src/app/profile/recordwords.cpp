#include "app/profile/recordwords.h"

#include <cstdio>

std::string LoopCount(int loops) { return std::to_string(loops) + (loops == 1 ? " loop" : " loops"); }

std::string AssistedMark(const LevelRecord& record)
{
    return record.loopsAssisted || record.timeAssisted ? "assisted" : "";
}

std::string AssistedGlyph(const LevelRecord& record)
{
    return record.loopsAssisted || record.timeAssisted ? kAssistedGlyph : "";
}

std::string FormatGameTime(uint32_t milliseconds, int decimals)
{
    const uint32_t unit = decimals >= 2 ? 10 : 100;
    const uint32_t parts = milliseconds / unit;
    const uint32_t perSecond = 1000 / unit;
    const uint32_t seconds = parts / perSecond;
    char text[32];
    std::snprintf(text, sizeof text, "%u:%02u.%0*u", seconds / 60, seconds % 60, decimals >= 2 ? 2 : 1,
                  parts % perSecond);
    return text;
}
