#include "app/profile/recordwords.h"
#include "app/text/translate.h"

#include <cstdio>

std::string LoopCount(int loops)
{
    return Fill(TrN("ending row", "%d loop", "%d loops", static_cast<uint64_t>(loops)), {std::to_string(loops)});
}

std::string AssistedMark(const LevelRecord& record)
{
    return record.loopsAssisted || record.timeAssisted ? Tr("ending row", "assisted") : "";
}

std::string AssistedGlyph(const LevelRecord& record)
{
    return record.loopsAssisted || record.timeAssisted ? kAssistedGlyph : "";
}

namespace {

// The milliseconds of the last digit shown.
uint32_t ShownUnit(int decimals) { return decimals >= 2 ? 10 : 100; }

} // namespace

uint32_t ShownGameTime(uint32_t milliseconds, int decimals)
{
    return milliseconds - milliseconds % ShownUnit(decimals);
}

std::string FormatGameTime(uint32_t milliseconds, int decimals)
{
    const uint32_t unit = ShownUnit(decimals);
    const uint32_t parts = milliseconds / unit;
    const uint32_t perSecond = 1000 / unit;
    const uint32_t seconds = parts / perSecond;
    char text[32];
    std::snprintf(text, sizeof text, "%u:%02u.%0*u", seconds / 60, seconds % 60, decimals >= 2 ? 2 : 1,
                  parts % perSecond);
    return WithDecimalMark(text);
}
