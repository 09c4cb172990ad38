#include "app/gamephase.h"

#include "utils/levellist/clevellist.h"

FirstLevel FirstLevel::FromLevelList()
{
    FirstLevel level;
    level.fromLevelList_ = true;
    return level;
}

std::string FirstLevel::FileName() const
{
    return fromLevelList_ ? kolm::CLevelList::Instance().NextLevelFile() : file_;
}

GamePhase::GamePhase(bool noGrid, const FirstLevel& firstLevel)
{
    grid.Init(35, 20);
    if (noGrid)
        grid.noGrid = true;
    gameplay.LoadLevel(firstLevel.FileName());
    gameplay.SetGrid(&grid);
    overlay.reset(new HudOverlay(&gameplay));
}
