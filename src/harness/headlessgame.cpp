#include "harness/headlessgame.h"

#include "audio/soundoutput.h"
#include "engine/random.h"

HeadlessGame::Seeding::Seeding(uint32_t seed) : soundWasEnabled(SoundEnabled())
{
    SetSoundEnabled(false);
    RandomSeed(seed);
    SeedRuntimeRandom(seed);
}

HeadlessGame::Seeding::~Seeding() { SetSoundEnabled(soundWasEnabled); }

namespace {

FrameLoop::Options WithoutWindow(bool pausable)
{
    FrameLoop::Options options;
    options.pausable = pausable;
    return options;
}

} // namespace

HeadlessGame::HeadlessGame(const FirstLevel& firstLevel, uint32_t seed, InputSource* input, bool pausable)
    : seeding_(seed), phase_(false, firstLevel), loop_(WithoutWindow(pausable), phase_, input)
{
}
