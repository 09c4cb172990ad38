#pragma once
// Everything the game phase runs on, built in the order the game needs: the paper grid, the
// facade with the first level of the list, and the overlay. Torn down in the opposite order.
#include "app/gameplay.h"
#include "app/hudoverlay.h"
#include "grid/papergrid.h"

#include <memory>
#include <string>

struct GamePhase {
    // Loads the given level file (the level list's first, in the game).
    GamePhase(bool noGrid, const std::string& firstLevel);

    CPaperGrid grid;
    Gameplay gameplay;
    std::unique_ptr<HudOverlay> overlay;
};
