#include "harness/demorun.h"

#include "engine/input/gamekeys.h"
#include "engine/render/screenshot.h"
#include "utils/log.h"

#include <cstdio>

DemoRun::DemoRun(uint32_t seconds, const std::string& shotsFolder, const BotPlayer::Options& bot)
    : bot_(bot), endTime_(seconds * 1000), shotsFolder_(shotsFolder)
{
}

void DemoRun::TakeTitleEvents(std::vector<GameEvent>& out) { bot_.TakeTitleEvents(out); }

void DemoRun::TakeDue(uint32_t phaseTime, std::vector<GameEvent>& out)
{
    bot_.TakeDue(phaseTime, out);
    if (phaseTime < endTime_)
        return;
    out.push_back(GameEvent::Key(gamekeys::kEscape, true));
}

void DemoRun::Observe(uint32_t phaseTime, const GamePhase& phase)
{
    bot_.Observe(phaseTime, phase);
    if (shotsFolder_.empty() || phaseTime < nextShot_)
        return;
    nextShot_ += kShotInterval;
    char name[32];
    std::snprintf(name, sizeof name, "/shot_%03d.png", ++shotsTaken_);
    if (!SaveScreenshot(shotsFolder_ + name))
        kolm::Warn("could not save " + shotsFolder_ + name);
}
