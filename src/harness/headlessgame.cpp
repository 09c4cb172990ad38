// The real game without a window or sound, seeded and played by an input source.
#include "harness/headlessgame.h"

#include "audio/soundoutput.h"
#include "engine/core/random.h"

namespace {

FrameLoop::Options WithoutWindow(bool pausable)
{
    FrameLoop::Options options;
    options.pause.pausable = pausable;
    return options;
}

} // namespace

HeadlessGame::HeadlessGame(const FirstLevel& firstLevel, uint32_t seed, InputSource* input, bool pausable)
    : phase_(false, firstLevel, levels_, RandomGenerators(seed)), loop_(WithoutWindow(pausable), phase_, input)
{
}
