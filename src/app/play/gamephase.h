#pragma once
// Everything the game phase runs on, built in the order the game needs: the paper grid, the
// facade with the first level, and the overlay. Torn down in the opposite order.
#include "world/gameplay.h"
#include "app/play/hudoverlay.h"
#include "app/profile/progresskeeper.h"
#include "app/replay/replayrecorder.h"
#include "app/robots/robotwatch.h"
#include "app/play/statuslayer.h"
#include "grid/papergrid.h"
#include "utils/levellist/clevellist.h"

#include <memory>
#include <string>

// Which level the game phase starts with: a given file, or the level list's next one (after a
// given position, when the player asked to start elsewhere). The list is asked only once the
// grid is built, so that its lines follow the grid's on the console.
class FirstLevel {
public:
    FirstLevel(const std::string& file) : file_(file) {}
    FirstLevel(const char* file) : file_(file) {}
    static FirstLevel FromLevelList(int startAfter = kListOwnStart);

    std::string FileName(kolm::CLevelList& levels) const;
    bool FromList() const { return fromLevelList_; }

    static constexpr int kListOwnStart = -1; // where the list itself starts ("JumpTo" or 1)

private:
    FirstLevel() = default;

    std::string file_;
    bool fromLevelList_ = false;
    int startAfter_ = kListOwnStart;
};

struct GamePhase {
    // The phase plays the levels of the list it is given, after its first level; its random
    // generators start as given (the game seeds them from the clock).
    GamePhase(bool noGrid, const FirstLevel& firstLevel, kolm::CLevelList& levels,
              const RandomGenerators& random = RandomGenerators());

    // Where the player is, for the status layer.
    StatusLayer::Place Where();
    // What drawing a frame does to the world and the overlay, without drawing: the sprites
    // killed since go.
    void SweepSprites();

    kolm::CLevelList& levels;
    CPaperGrid grid;
    Gameplay gameplay;
    std::unique_ptr<HudOverlay> overlay;
    // The game's additions, when they are on: the label and paused scrap, and the progress
    // kept between runs.
    std::unique_ptr<StatusLayer> status;
    std::unique_ptr<ProgressKeeper> progress;
    std::unique_ptr<ReplayRecorder> replays; // a replay of every clear, outside the classic game
    // The later robot kinds introduced the first time they come on: a person's game outside the
    // classic game.
    std::unique_ptr<RobotWatch> robots;
    bool levelsFromList;

private:
    // The level's name, read from the list once a level and language rather than every step.
    const std::string& LevelName(int level);

    int namedLevel_ = -1;
    uint32_t namedInSpeech_ = 0;
    std::string levelName_;
};
