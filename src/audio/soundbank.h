#pragma once
// The effect bank: every WAV effect the game plays, addressed by its path text and loaded once.
// LoadAllSoundEffects preloads "data/sfx/*.wav" at start-up (the device must be open: StartMusic
// opens it); any other path is loaded by its first request. PlaySound is what the game calls:
// it keeps the most recent effect from restarting within 100 ms, so that a burst of robot deaths
// or a volley of shots in one step is heard once. See soundoutput.h for the headless switch.
//
// The bank owns its effects, in the order they were loaded, for the rest of the run (or until
// UnloadAllSoundEffects); an entry whose load failed goes at the first request that finds it.
#include <SDL_mixer.h>

#include <string>
#include <vector>

// One effect of the bank.
class MixerFile {
public:
    // Loads the WAV at path now; a failed load prints "Error! Couldn't load: <path>" and leaves
    // the entry in the bank with no chunk.
    explicit MixerFile(const std::string& path);
    MixerFile(const MixerFile&) = delete;
    MixerFile& operator=(const MixerFile&) = delete;
    ~MixerFile();

    Mix_Chunk* chunk = nullptr; // null when loading failed
    std::string fileName;       // exactly as requested
};

// The entry whose fileName is path (exact, case-sensitive), or a new entry loaded now. Never null.
MixerFile* FindOrLoadSound(const std::string& path);
// Plays path once on the first free channel (silently skipped when all are busy). An entry
// whose load failed is removed, so the next request loads the file again.
void PlaySoundNow(const std::string& path);
// PlaySoundNow, unless path is the effect last started and that start was less than 100 ms ago.
void PlaySound(const std::string& path);
// Preloads every "data/sfx/*.wav", as the lower-cased path "data/sfx/<name>".
void LoadAllSoundEffects();
// Frees every effect and forgets the last one played: the bank is as before start-up. The game
// leaves its effects loaded to the end; tools and tests use this to start from an empty bank.
void UnloadAllSoundEffects();
// The bank's entries in the order they were loaded.
std::vector<const MixerFile*> LoadedSounds();
