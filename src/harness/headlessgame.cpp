#include "harness/headlessgame.h"

#include "harness/inputscript.h"
#include "audio/soundoutput.h"
#include "engine/random.h"

HeadlessGame::Seeding::Seeding(uint32_t seed) : soundWasEnabled(SoundEnabled())
{
    SetSoundEnabled(false);
    RandomSeed(seed);
    SeedRuntimeRandom(seed);
}

HeadlessGame::Seeding::~Seeding() { SetSoundEnabled(soundWasEnabled); }

HeadlessGame::HeadlessGame(const std::string& firstLevel, uint32_t seed, InputSource* input)
    : seeding_(seed), phase_(false, firstLevel), input_(input), loop_(FrameLoop::Options(), phase_, input)
{
}

void HeadlessGame::Step()
{
    loop_.Step();
    if (input_)
        input_->Observe(loop_.GameTime(), phase_);
    loop_.DispatchInputDirectly();
}
