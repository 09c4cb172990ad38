// The effect bank: loading every effect once, playing them, and the 100 ms throttle.
#include "audio/soundbank.h"

#include "audio/soundoutput.h"
#include "engine/core/ticks.h"
#include "utils/datafiles.h"
#include "utils/directorylisting.h"
#include "utils/log.h"
#include "utils/stringutils.h"

#include <cstdint>
#include <list>

namespace {

constexpr uint32_t kThrottleMs = 100;

// The bank, in loading order; a list, so that an entry handed out stays where it is. Made at the
// first use, once the audio is up, so that at exit it goes before the audio does.
std::list<MixerFile>& Bank()
{
    static std::list<MixerFile> bank;
    return bank;
}

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
        kolm::Say("Error! Couldn't load: " + path);
}

MixerFile::~MixerFile()
{
    Mix_FreeChunk(chunk);
    chunk = nullptr;
}

MixerFile* FindOrLoadSound(const std::string& path)
{
    for (MixerFile& entry : Bank()) {
        if (entry.fileName == path)
            return &entry;
    }
    return &Bank().emplace_back(path);
}

void PlaySoundNow(const std::string& path)
{
    if (!SoundEnabled())
        return;
    MixerFile* entry = FindOrLoadSound(path);
    if (entry->chunk)
        PlayOnFirstFreeChannel(entry->chunk, 0);
    else
        Bank().remove_if([entry](const MixerFile& file) { return &file == entry; });
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
    Bank().clear();
    g_lastStarted = LastStartedEffect();
}

std::vector<const MixerFile*> LoadedSounds()
{
    std::vector<const MixerFile*> entries;
    for (const MixerFile& entry : Bank())
        entries.push_back(&entry);
    return entries;
}
