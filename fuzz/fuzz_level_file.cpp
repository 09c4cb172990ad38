// A level file end to end: the input is parsed from memory and read from a file (the two must
// agree), then a world is built on it and played for a few seconds of game time with sound off
// and nothing drawn: every event type and time the file holds goes through the timeline. The
// player fires at the middle of the field from the start and is retired into an old guy once,
// so the next loop replays the robots already spawned.
#include "tempfile.h"

#include "world/gameplay.h"
#include "audio/soundoutput.h"
#include "engine/core/random.h"
#include "world/leveltimeline.h"
#include "world/world.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

const int kStepMs = 16;
const int kSteps = 300;
const int kRestartStep = 200;

void Require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "fuzz_level_file: %s\n", what);
        std::abort();
    }
}

bool SameLevel(const LevelFile& a, const LevelFile& b)
{
    if (a.length != b.length || a.hasLength != b.hasLength || a.events.size() != b.events.size())
        return false;
    for (std::size_t i = 0; i < a.events.size(); ++i) {
        if (a.events[i].time != b.events[i].time || a.events[i].type != b.events[i].type)
            return false;
    }
    return true;
}

void Play(Gameplay& gameplay)
{
    gameplay.SetAim(vector2(640.0f, 360.0f));
    gameplay.FirePressed();
    for (int step = 0; step < kSteps; ++step) {
        if (step == kRestartStep) {
            gameplay.RetireCurrentPlayer();
            gameplay.RestartAttempt();
        }
        gameplay.Update(kStepMs);
        (void)gameplay.GetTimeProgress();
        (void)gameplay.IsLevelCleared();
        (void)gameplay.IsPlayerDead();
    }
    gameplay.Draw();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    SetSoundEnabled(false);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    static const fuzzsupport::TempFile file("level");
    const std::string text(reinterpret_cast<const char*>(data), size);
    file.Write(text);

    const LevelFile parsed = ParseLevelText(text);
    Require(SameLevel(parsed, ReadLevelFile(file.Path())), "the file and the text read differently");

    Gameplay gameplay(RandomGenerators(1));
    gameplay.LoadLevel(file.Path());
    Require(gameplay.World()->timeline.events.size() == parsed.events.size(), "the world lost events");
    Play(gameplay);
    return 0;
}
