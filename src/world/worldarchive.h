#pragma once
// The archives a world is kept with (engine/core/statearchive.h): besides values, they keep what
// world objects point at by handle. A sprite is kept by its place in its container (the container
// is kept first and tells the archive each sprite's place), a character by its place in the world
// (kept before anything that points at one), images, looks and recordings by the snapshot store's
// handles, weapons and robot kinds by their numbers. Nothing a snapshot holds is an address.
#include "characters/characterkinds.h"
#include "characters/playercharacter.h"
#include "engine/core/statearchive.h"
#include "world/snapshotstore.h"

#include <unordered_map>
#include <vector>

class WorldWriter : public StateWriter {
public:
    explicit WorldWriter(SnapshotStore& store) : store_(store) {}

    void NoteSprite(CSprite& sprite, uint32_t place) { spritePlaces_[&sprite] = static_cast<int32_t>(place); }
    void Sprite(CSprite*& sprite) { Value(PlaceOf(spritePlaces_, sprite)); }
    void NoteCharacter(PlayerCharacter& character, uint32_t place) { characterPlaces_[&character] = static_cast<int32_t>(place); }
    void Character(PlayerCharacter*& character) { Value(PlaceOf(characterPlaces_, character)); }
    void Look(std::vector<TextureEntry*>& frames, std::vector<SpriteAnimation>& animations) { Value(store_.LookHandle(frames, animations)); }
    void Texture(TextureEntry*& texture) { Value(store_.TextureHandle(texture)); }
    void Recording(uint32_t owner, std::vector<InputEvent>& events) { Value(store_.Recording(owner, events)); }
    void Weapon(const WeaponDesc*& weapon) { Value(WeaponNumber(weapon)); }
    void Kind(const EnemyKind*& kind) { Value(KindNumber(kind)); }

private:
    template <typename T>
    static int32_t PlaceOf(const std::unordered_map<const T*, int32_t>& places, const T* thing)
    {
        const auto found = places.find(thing);
        return found == places.end() ? -1 : found->second;
    }

    SnapshotStore& store_;
    std::unordered_map<const CSprite*, int32_t> spritePlaces_;
    std::unordered_map<const PlayerCharacter*, int32_t> characterPlaces_;
};

class WorldReader : public StateReader {
public:
    WorldReader(const std::vector<uint8_t>& bytes, const SnapshotStore& store) : StateReader(bytes), store_(store) {}

    void NoteSprite(CSprite& sprite, uint32_t place) { Note(sprites_, sprite, place); }
    void Sprite(CSprite*& sprite) { sprite = Find(sprites_); }
    void NoteCharacter(PlayerCharacter& character, uint32_t place) { Note(characters_, character, place); }
    void Character(PlayerCharacter*& character) { character = Find(characters_); }
    void Look(std::vector<TextureEntry*>& frames, std::vector<SpriteAnimation>& animations)
    {
        uint32_t handle = 0;
        Value(handle);
        lost_ = lost_ || !store_.CopyLook(handle, frames, animations);
    }
    void Texture(TextureEntry*& texture)
    {
        uint32_t handle = 0;
        Value(handle);
        texture = store_.TextureOf(handle);
    }
    void Recording(uint32_t, std::vector<InputEvent>& events)
    {
        SnapshotStore::RecordingHandle handle;
        Value(handle);
        lost_ = lost_ || !store_.CopyRecording(handle, events);
    }
    void Weapon(const WeaponDesc*& weapon)
    {
        int32_t number = -1;
        Value(number);
        weapon = WeaponOfNumber(number);
    }
    void Kind(const EnemyKind*& kind)
    {
        int32_t number = -1;
        Value(number);
        kind = KindOfNumber(number);
    }

    // Reading failed, or the snapshot named something its store does not hold.
    bool Broken() const { return Failed() || lost_; }

private:
    template <typename T>
    static void Note(std::vector<T*>& table, T& thing, uint32_t place)
    {
        if (table.size() <= place)
            table.resize(place + 1, nullptr);
        table[place] = &thing;
    }
    template <typename T>
    T* Find(const std::vector<T*>& table)
    {
        int32_t place = -1;
        Value(place);
        if (place < 0)
            return nullptr;
        if (static_cast<std::size_t>(place) >= table.size()) {
            lost_ = true;
            return nullptr;
        }
        return table[static_cast<std::size_t>(place)];
    }

    const SnapshotStore& store_;
    std::vector<CSprite*> sprites_;
    std::vector<PlayerCharacter*> characters_;
    bool lost_ = false;
};
