#pragma once
// The level check played by the built-in bot (app/edit/levelcheck.h), headless, unheard and a
// slice at a time: the practised bot with its seeds, then the novice with its own, each run from
// the first loop until the level is cleared, 20 loops are lost, or half an hour of game time has
// gone. The paper stands still in these runs: it moves nothing in the world, so the figures are
// those of the game.
#include "app/edit/levelcheck.h"
#include "app/play/frameloop.h"
#include "app/play/gamephase.h"
#include "harness/botplayer.h"
#include "utils/levellist/clevellist.h"

#include <memory>
#include <string>
#include <vector>

class BotLevelCheck : public LevelCheck {
public:
    static constexpr uint64_t kLongestRunMs = 30 * 60 * 1000;

    // The editor's check: practised with seed 1, novice with seeds 1 to 3.
    explicit BotLevelCheck(const std::string& levelFile);
    // Any runs: the practised bot's seeds, then the novice's (either list may be empty).
    BotLevelCheck(const std::string& levelFile, const std::vector<uint32_t>& practisedSeeds,
                  const std::vector<uint32_t>& noviceSeeds);

    bool Advance(uint32_t sliceMs) override;
    const LevelCheckFigures& Figures() const override { return figures_; }
    // The practised runs, one a seed, for a table of several seeds.
    const std::vector<BotRun>& PractisedRuns() const { return practisedRuns_; }

    // Runs end after this much game time (half an hour unless set).
    void SetLongestRun(uint64_t ms) { longestRunMs_ = ms; }
    // Runs end once this many loops are lost (20 unless set).
    void SetGiveUpLoops(uint32_t loops) { giveUpLoops_ = loops; }
    // Plays one run to its end at once.
    static BotRun PlayOnce(const std::string& levelFile, uint32_t seed, bool novice, uint64_t longestRunMs = kLongestRunMs);

private:
    struct Planned {
        uint32_t seed;
        bool novice;
    };
    void StartNext();
    bool RunEnded() const;
    void EndRun();

    std::string file_;
    std::vector<Planned> planned_;
    std::size_t next_ = 0;
    kolm::CLevelList levels_;
    std::unique_ptr<BotPlayer> bot_;
    std::unique_ptr<GamePhase> phase_;
    std::unique_ptr<FrameLoop> loop_;
    bool runNovice_ = false;
    uint64_t longestRunMs_ = kLongestRunMs;
    uint32_t giveUpLoops_ = kGiveUpLoops;
    std::vector<BotRun> practisedRuns_;
    LevelCheckFigures figures_;
};
