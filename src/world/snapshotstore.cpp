#include "world/snapshotstore.h"

#include <algorithm>
#include <cstring>

namespace {

// FNV-1a over the bytes of each value added.
class LookHash {
public:
    template <typename T>
    void Add(const T& value)
    {
        const auto* bytes = reinterpret_cast<const unsigned char*>(&value);
        for (std::size_t i = 0; i < sizeof(T); ++i) {
            hash_ ^= bytes[i];
            hash_ *= 1099511628211ull;
        }
    }
    void AddText(const std::string& text)
    {
        for (char c : text)
            Add(c);
        Add(text.size());
    }
    uint64_t Value() const { return hash_; }

private:
    uint64_t hash_ = 14695981039346656037ull;
};

uint64_t HashOf(const std::vector<TextureEntry*>& frames, const std::vector<SpriteAnimation>& animations)
{
    LookHash hash;
    for (const TextureEntry* frame : frames)
        hash.Add(frame);
    hash.Add(frames.size());
    for (const SpriteAnimation& animation : animations) {
        for (int32_t index : animation.frameIndices)
            hash.Add(index);
        hash.Add(animation.frameIndices.size());
        hash.Add(animation.frameTime);
        hash.Add(animation.loop);
        hash.Add(animation.killAtEnd);
        hash.AddText(animation.name);
    }
    return hash.Value();
}

bool SameAnimations(const std::vector<SpriteAnimation>& one, const std::vector<SpriteAnimation>& other)
{
    if (one.size() != other.size())
        return false;
    for (std::size_t i = 0; i < one.size(); ++i) {
        const SpriteAnimation& a = one[i];
        const SpriteAnimation& b = other[i];
        if (a.frameIndices != b.frameIndices || a.frameTime != b.frameTime || a.loop != b.loop ||
            a.killAtEnd != b.killAtEnd || a.name != b.name)
            return false;
    }
    return true;
}

bool SameEvent(const InputEvent& one, const InputEvent& other) { return std::memcmp(&one, &other, sizeof one) == 0; }

} // namespace

uint32_t SnapshotStore::TextureHandle(TextureEntry* texture)
{
    if (!texture)
        return 0;
    const auto [found, added] = textureHandles_.emplace(texture, static_cast<uint32_t>(textures_.size() + 1));
    if (added)
        textures_.push_back(texture);
    return found->second;
}

TextureEntry* SnapshotStore::TextureOf(uint32_t handle) const
{
    return handle >= 1 && handle <= textures_.size() ? textures_[handle - 1] : nullptr;
}

uint32_t SnapshotStore::LookHandle(const std::vector<TextureEntry*>& frames, const std::vector<SpriteAnimation>& animations)
{
    const uint64_t hash = HashOf(frames, animations);
    const auto [first, last] = lookHandles_.equal_range(hash);
    for (auto it = first; it != last; ++it) {
        const Look& look = looks_[it->second];
        if (look.frames == frames && SameAnimations(look.animations, animations))
            return it->second;
    }
    const auto handle = static_cast<uint32_t>(looks_.size());
    looks_.push_back({frames, animations});
    lookHandles_.emplace(hash, handle);
    bytes_ += sizeof(Look) + frames.size() * sizeof(TextureEntry*) + animations.size() * sizeof(SpriteAnimation);
    return handle;
}

bool SnapshotStore::CopyLook(uint32_t handle, std::vector<TextureEntry*>& frames, std::vector<SpriteAnimation>& animations) const
{
    if (handle >= looks_.size())
        return false;
    frames = looks_[handle].frames;
    animations = looks_[handle].animations;
    return true;
}

bool SnapshotStore::Extends(const std::vector<InputEvent>& entry, const std::vector<InputEvent>& events) const
{
    const std::size_t shared = std::min(entry.size(), events.size());
    return shared == 0 || (SameEvent(entry[0], events[0]) && SameEvent(entry[shared - 1], events[shared - 1]));
}

SnapshotStore::RecordingHandle SnapshotStore::Recording(uint32_t owner, const std::vector<InputEvent>& events)
{
    const auto length = static_cast<uint32_t>(events.size());
    if (length == 0)
        return RecordingHandle();
    const auto latest = latestEntry_.find(owner);
    if (latest != latestEntry_.end() && Extends(recordings_[latest->second], events)) {
        std::vector<InputEvent>& entry = recordings_[latest->second];
        if (events.size() > entry.size()) {
            bytes_ += (events.size() - entry.size()) * sizeof(InputEvent);
            entry.insert(entry.end(), events.begin() + static_cast<std::ptrdiff_t>(entry.size()), events.end());
        }
        return {latest->second, length};
    }
    const auto entry = static_cast<uint32_t>(recordings_.size());
    recordings_.push_back(events);
    latestEntry_[owner] = entry;
    bytes_ += events.size() * sizeof(InputEvent);
    return {entry, length};
}

bool SnapshotStore::CopyRecording(RecordingHandle handle, std::vector<InputEvent>& events) const
{
    if (handle.length == 0) {
        events.clear();
        return true;
    }
    if (handle.entry >= recordings_.size() || handle.length > recordings_[handle.entry].size())
        return false;
    const std::vector<InputEvent>& entry = recordings_[handle.entry];
    events.assign(entry.begin(), entry.begin() + handle.length);
    return true;
}
