#include "app/edit/levelcheck.h"

uint32_t LevelCheckFigures::NoviceTenths() const
{
    if (novice.empty())
        return 0;
    uint64_t loops = 0;
    for (const BotRun& run : novice)
        loops += run.loops;
    const uint64_t count = novice.size();
    return static_cast<uint32_t>((loops * 20 + count) / (2 * count));
}

bool LevelCheckFigures::NoviceClearedAll() const
{
    for (const BotRun& run : novice) {
        if (!run.cleared)
            return false;
    }
    return !novice.empty();
}
