#include "app/gamephase.h"

GamePhase::GamePhase(bool noGrid, const std::string& firstLevel)
{
    grid.Init(35, 20);
    if (noGrid)
        grid.noGrid = true;
    gameplay.LoadLevel(firstLevel);
    gameplay.SetGrid(&grid);
    overlay.reset(new HudOverlay(&gameplay));
}
