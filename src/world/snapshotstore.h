#pragma once
// What the snapshots of one level share, so that each snapshot holds only small handles into it:
// the images and looks of their sprites (a look is a sprite's frames and animations, made by its
// sprite set and never changed afterwards), and the recordings of their characters. A recording
// only ever grows while a level is played forward, so every snapshot of a character names the
// same entry and its own length; a recording that turns out to differ from its entry (a world
// that parted from the one the entry was taken from) gets an entry of its own.
//
// A store belongs to one level of one run: its handles mean nothing elsewhere.
#include "characters/inputevent.h"
#include "engine/render/sprite.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <unordered_map>
#include <vector>

struct TextureEntry;

class SnapshotStore {
public:
    // A recording as a snapshot names it: an entry of the store and how much of it.
    struct RecordingHandle {
        uint32_t entry = 0;
        uint32_t length = 0;
    };

    // Images: 0 stands for none.
    uint32_t TextureHandle(TextureEntry* texture);
    TextureEntry* TextureOf(uint32_t handle) const;

    uint32_t LookHandle(const std::vector<TextureEntry*>& frames, const std::vector<SpriteAnimation>& animations);
    // Gives the sprite's frames and animations the look's; false for a handle the store never gave.
    bool CopyLook(uint32_t handle, std::vector<TextureEntry*>& frames, std::vector<SpriteAnimation>& animations) const;

    // The recording of the character numbered owner (its handle in its world) as it stands now.
    RecordingHandle Recording(uint32_t owner, const std::vector<InputEvent>& events);
    bool CopyRecording(RecordingHandle handle, std::vector<InputEvent>& events) const;

    // The memory the store holds, roughly, in bytes.
    std::size_t Bytes() const { return bytes_; }

private:
    struct Look {
        std::vector<TextureEntry*> frames;
        std::vector<SpriteAnimation> animations;
    };

    // Whether the entry holds what the first `length` events of events hold, judged by the last
    // event the two share (a recording only grows, so the rest follows).
    bool Extends(const std::vector<InputEvent>& entry, const std::vector<InputEvent>& events) const;

    std::vector<TextureEntry*> textures_;
    std::map<const TextureEntry*, uint32_t> textureHandles_;
    std::vector<Look> looks_;
    std::unordered_multimap<uint64_t, uint32_t> lookHandles_; // by a hash of the look
    std::vector<std::vector<InputEvent>> recordings_;
    std::map<uint32_t, uint32_t> latestEntry_; // the newest entry of each owner
    std::size_t bytes_ = 0;
};
