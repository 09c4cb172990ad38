#include "harness/demorun.h"

#include "engine/screenshot.h"

#include <cstdio>
#include <iostream>

DemoRun::DemoRun(uint32_t seconds, const std::string& shotsFolder, const BotPlayer::Options& bot)
    : bot_(bot), endTime_(seconds * 1000), shotsFolder_(shotsFolder)
{
}

void DemoRun::TakeTitleEvents(std::vector<SDL_Event>& out) { bot_.TakeTitleEvents(out); }

void DemoRun::TakeDue(uint32_t phaseTime, std::vector<SDL_Event>& out)
{
    bot_.TakeDue(phaseTime, out);
    if (phaseTime < endTime_)
        return;
    SDL_Event escape{};
    escape.type = SDL_KEYDOWN;
    escape.key.keysym.sym = SDLK_ESCAPE;
    out.push_back(escape);
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
        std::cerr << "tobrakka: could not save " << shotsFolder_ << name << std::endl;
}
