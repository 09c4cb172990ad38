#pragma once
// A 32-bit handle on a character, so that a recorded event stays six 32-bit words on every
// platform and nothing the world keeps about a character (a robot's target in its recording, who
// hit which robot) is an address. Each world numbers its own characters in its registry: a
// character gets a number when it is made and gives it back when it goes. A number is a slot
// (low 16 bits) and the slot's generation (high 16 bits), which moves on every time the slot is
// handed out again: the handle of a character that is gone reads as none, even once its slot
// holds another character.
#include <cstdint>
#include <vector>

class PlayerCharacter;

class CharacterRef {
public:
    CharacterRef() = default;
    CharacterRef(const PlayerCharacter* character);

    uint32_t Id() const { return id_; }
    bool operator==(const CharacterRef& other) const { return id_ == other.id_; }
    bool operator!=(const CharacterRef& other) const { return id_ != other.id_; }

private:
    uint32_t id_ = 0;
};

class CharacterRegistry {
public:
    // The number of a character from now on, or 0 when every slot is taken (it then has no handle).
    uint32_t Register(PlayerCharacter* character);
    void Unregister(uint32_t id);
    // The character a handle names while it is still there; null otherwise.
    PlayerCharacter* Find(CharacterRef ref) const;

    // Every slot, its character by the archive's handle, and the free slots, for a snapshot:
    // kept after the characters themselves, so that it reads back onto them.
    template <typename Archive>
    void Keep(Archive& archive)
    {
        const uint32_t count = archive.Count(slots_.size());
        if constexpr (Archive::kReading)
            slots_.assign(count, Slot());
        for (Slot& slot : slots_) {
            archive.Character(slot.character);
            archive.Value(slot.generation);
        }
        archive.Values(freeSlots_);
    }

private:
    struct Slot {
        PlayerCharacter* character = nullptr;
        uint32_t generation = 0;
    };

    uint32_t IdOf(uint32_t slot) const;
    // The slot an id names while it is still its character's; 0 otherwise.
    uint32_t LiveSlot(uint32_t id) const;

    std::vector<Slot> slots_; // slot n - 1 is the slot numbered n; 0 stands for no character
    std::vector<uint32_t> freeSlots_;
};
