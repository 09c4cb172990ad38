#pragma once
// Everything the game phase runs on, built in the order the game needs: the paper grid, the
// facade with the first level, and the overlay. Torn down in the opposite order.
#include "app/gameplay.h"
#include "app/hudoverlay.h"
#include "grid/papergrid.h"

#include <memory>
#include <string>

// Which level the game phase starts with: a given file, or the level list's next one. The list is
// asked only once the grid is built, so that its lines follow the grid's on the console.
class FirstLevel {
public:
    FirstLevel(const std::string& file) : file_(file) {}
    FirstLevel(const char* file) : file_(file) {}
    static FirstLevel FromLevelList();

    std::string FileName() const;

private:
    FirstLevel() = default;

    std::string file_;
    bool fromLevelList_ = false;
};

struct GamePhase {
    GamePhase(bool noGrid, const FirstLevel& firstLevel);

    CPaperGrid grid;
    Gameplay gameplay;
    std::unique_ptr<HudOverlay> overlay;
};
