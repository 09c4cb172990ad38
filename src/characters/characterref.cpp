#include "characters/characterref.h"

#include "characters/playercharacter.h"

#include <vector>

namespace {

constexpr uint32_t kSlotBits = 16;
constexpr uint32_t kSlotMask = (1u << kSlotBits) - 1;

struct Slot {
    PlayerCharacter* character = nullptr;
    uint32_t generation = 0;
};

// Slot n - 1 is the slot numbered n; 0 stands for no character. Freed slots are used again.
std::vector<Slot>& Slots()
{
    static std::vector<Slot> slots;
    return slots;
}

std::vector<uint32_t>& FreeSlots()
{
    static std::vector<uint32_t> freeSlots;
    return freeSlots;
}

uint32_t IdOf(uint32_t slot) { return (Slots()[slot - 1].generation << kSlotBits) | slot; }

// The slot an id names while it is still its character's; 0 otherwise.
uint32_t LiveSlot(uint32_t id)
{
    const uint32_t slot = id & kSlotMask;
    if (slot == 0 || slot > Slots().size() || IdOf(slot) != id)
        return 0;
    return slot;
}

} // namespace

namespace CharacterRegistry {

uint32_t Register(PlayerCharacter* character)
{
    uint32_t slot = 0;
    if (!FreeSlots().empty()) {
        slot = FreeSlots().back();
        FreeSlots().pop_back();
    } else if (Slots().size() < kSlotMask) {
        Slots().emplace_back();
        slot = static_cast<uint32_t>(Slots().size());
    } else {
        return 0; // every slot is taken: the character has no handle
    }
    Slots()[slot - 1].character = character;
    return IdOf(slot);
}

void Unregister(uint32_t id)
{
    const uint32_t slot = LiveSlot(id);
    if (slot == 0)
        return;
    Slot& freed = Slots()[slot - 1];
    freed.character = nullptr;
    freed.generation = (freed.generation + 1) & kSlotMask;
    FreeSlots().push_back(slot);
}

PlayerCharacter* Find(uint32_t id)
{
    const uint32_t slot = LiveSlot(id);
    return slot == 0 ? nullptr : Slots()[slot - 1].character;
}

} // namespace CharacterRegistry

CharacterRef::CharacterRef(const PlayerCharacter* character) : id_(character ? character->Id() : 0) {}

PlayerCharacter* CharacterRef::Get() const { return CharacterRegistry::Find(id_); }
