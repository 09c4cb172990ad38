#pragma once
// The game's demo: the built-in bot plays in the window for a given time, screenshots of the
// 1280 x 720 picture are saved every five seconds of game time when a folder is given, and the
// game then ends as if Escape had been pressed.
#include "harness/botplayer.h"

#include <cstdint>
#include <string>

class DemoRun : public InputSource {
public:
    DemoRun(uint32_t seconds, const std::string& shotsFolder, const BotPlayer::Options& bot);

    void TakeTitleEvents(std::vector<GameEvent>& out) override;
    void TakeDue(uint32_t phaseTime, std::vector<GameEvent>& out) override;
    void Observe(uint32_t phaseTime, const GamePhase& phase) override;

private:
    BotPlayer bot_;
    uint32_t endTime_;
    std::string shotsFolder_;
    uint32_t nextShot_ = kShotInterval;
    int shotsTaken_ = 0;

    static constexpr uint32_t kShotInterval = 5000;
};
