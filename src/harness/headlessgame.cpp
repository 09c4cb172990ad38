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

FrameLoop::Options WithoutWindow()
{
    FrameLoop::Options options;
    options.readsWindow = false;
    return options;
}

} // namespace

HeadlessGame::HeadlessGame(const FirstLevel& firstLevel, uint32_t seed, InputSource* input)
    : seeding_(seed), phase_(false, firstLevel), loop_(WithoutWindow(), phase_, input)
{
}
