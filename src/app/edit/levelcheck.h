#pragma once
// The built-in bot's check of a level, as `tobrakka-sim --check-levels` makes it: the practised
// bot plays the level from its first loop with seed 1, the novice with seeds 1 to 3, each until it
// clears the level or has lost 20 loops. The app asks for it through this seam (the bot itself
// lives with the tools, above the app); a check runs a slice at a time, beside whatever shows.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

struct BotRun {
    bool cleared = false;
    uint32_t loops = 0;  // the loops it played, the clearing one included
    uint64_t time = 0;   // game ms
};

struct LevelCheckFigures {
    BotRun practised;
    std::vector<BotRun> novice; // one a seed
    // The novice's loops on average, in tenths, halves rounded up (as the level tables print it).
    uint32_t NoviceTenths() const;
    bool NoviceClearedAll() const;
};

class LevelCheck {
public:
    static constexpr uint32_t kGiveUpLoops = 20;

    virtual ~LevelCheck() = default;
    // Plays on for about sliceMs of wall time; true once every run has ended.
    virtual bool Advance(uint32_t sliceMs) = 0;
    // The runs ended so far.
    virtual const LevelCheckFigures& Figures() const = 0;
};

// Makes the check of a level file (null where the game has no bot to play it).
using LevelCheckMaker = std::function<std::unique_ptr<LevelCheck>(const std::string& levelFile)>;
