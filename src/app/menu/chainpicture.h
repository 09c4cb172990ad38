#pragma once
// The help card's small moving picture of a chain, drawn from the game's own sprites: the hero
// and a past self fire together at the nearest robot of a small arrow of them; hit by both, it
// explodes, and its neighbours go up after it, one after the other. It plays slower than the game
// would (each blast follows the one before by kBlastGapMs, not 90 ms) and starts again every
// kPeriodMs. Its time runs only as it is moved on, so it shows the same at the same time.
#include "app/text/lettering.h"
#include "engine/render/spritecontainer.h"

#include <cstdint>
#include <vector>

class ChainPicture {
public:
    static constexpr uint32_t kPeriodMs = 3400;
    static constexpr uint32_t kFirstBlastMs = 1300;
    static constexpr uint32_t kBlastGapMs = 300;

    // The picture within the box of the 1280 x 720 picture whose top-left corner is at corner.
    explicit ChainPicture(const vector2& corner);
    ChainPicture(const ChainPicture&) = delete;
    ChainPicture& operator=(const ChainPicture&) = delete;

    // Moves the picture on by ms; it changes at every call.
    void Advance(uint32_t ms);
    uint32_t Time() const { return time_; }
    // The robots standing at this moment (four, fewer as they go up).
    int RobotsStanding() const;
    void Draw() { sprites_.Draw(); }

private:
    struct Robot {
        CSprite* body;
        vector2 start;
        uint32_t blast; // when it goes up, in the picture's time
    };

    void Place();
    void PlaceShots();
    void PlaceBlast(std::size_t index, const vector2& at, uint32_t since);

    vector2 corner_;
    uint32_t time_ = 0;
    CSpriteContainer sprites_;
    CSprite* hero_ = nullptr;
    CSprite* pastSelf_ = nullptr;
    std::vector<Robot> robots_;
    std::vector<CSprite*> shots_;
    std::vector<CSprite*> smoke_; // three puffs for each robot
};
