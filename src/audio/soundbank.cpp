#include "audio/soundbank.h"

#include "audio/soundoutput.h"
#include "engine/ticks.h"
#include "utils/directorylisting.h"
#include "utils/datafiles.h"
#include "utils/stringutils.h"

#include <cstdint>
#include <iostream>

namespace {

constexpr uint32_t kThrottleMs = 100;

// The throttle remembers only the last request it let through, and when.
struct LastStartedEffect {
    std::string name;
    uint32_t time = 0;
};
LastStartedEffect g_lastStarted;

} // namespace

MixerFile::MixerFile(const std::string& path)
    : fileName(path)
{
    if (!SoundEnabled())
        return;
    chunk = LoadWavChunk(path);
    if (!chunk)
        std::cout << "Error! Couldn't load: " << path << std::endl;
}

MixerFile::~MixerFile()
{
    Mix_FreeChunk(chunk);
    chunk = nullptr;
}

MixerFile* FindOrLoadSound(const std::string& path)
{
    MixerFile* entry = MixerFile::FindFirst([&path](const MixerFile& file) { return file.fileName == path; });
    return entry ? entry : new MixerFile(path);
}

void PlaySoundNow(const std::string& path)
{
    if (!SoundEnabled())
        return;
    MixerFile* entry = FindOrLoadSound(path);
    if (entry->chunk)
        PlayOnFirstFreeChannel(entry->chunk, 0);
    else
        delete entry;
}

void PlaySound(const std::string& path)
{
    if (kolm::GetTicks() - g_lastStarted.time < kThrottleMs && path == g_lastStarted.name)
        return;
    PlaySoundNow(path);
    g_lastStarted.name = path;
    g_lastStarted.time = kolm::GetTicks();
}

void LoadAllSoundEffects()
{
    if (!SoundEnabled())
        return;
    kolm::DirectoryListing listing;
    listing.Read(datafiles::kEffectPattern);
    while (!listing.AtEnd())
        FindOrLoadSound(kolm::LowerCase(datafiles::kEffectFolder + listing.Next()));
}

void UnloadAllSoundEffects()
{
    while (MixerFile* entry = MixerFile::Oldest())
        delete entry;
    g_lastStarted = LastStartedEffect();
}
