#include "characters/characterref.h"

#include "characters/playercharacter.h"

namespace {

constexpr uint32_t kSlotBits = 16;
constexpr uint32_t kSlotMask = (1u << kSlotBits) - 1;

} // namespace

CharacterRef::CharacterRef(const PlayerCharacter* character) : id_(character ? character->Id() : 0) {}

uint32_t CharacterRegistry::IdOf(uint32_t slot) const { return (slots_[slot - 1].generation << kSlotBits) | slot; }

uint32_t CharacterRegistry::LiveSlot(uint32_t id) const
{
    const uint32_t slot = id & kSlotMask;
    if (slot == 0 || slot > slots_.size() || IdOf(slot) != id)
        return 0;
    return slot;
}

uint32_t CharacterRegistry::Register(PlayerCharacter* character)
{
    uint32_t slot = 0;
    if (!freeSlots_.empty()) {
        slot = freeSlots_.back();
        freeSlots_.pop_back();
    } else if (slots_.size() < kSlotMask) {
        slots_.emplace_back();
        slot = static_cast<uint32_t>(slots_.size());
    } else {
        return 0;
    }
    slots_[slot - 1].character = character;
    return IdOf(slot);
}

void CharacterRegistry::Unregister(uint32_t id)
{
    const uint32_t slot = LiveSlot(id);
    if (slot == 0)
        return;
    Slot& freed = slots_[slot - 1];
    freed.character = nullptr;
    freed.generation = (freed.generation + 1) & kSlotMask;
    freeSlots_.push_back(slot);
}

PlayerCharacter* CharacterRegistry::Find(CharacterRef ref) const
{
    const uint32_t slot = LiveSlot(ref.Id());
    return slot == 0 ? nullptr : slots_[slot - 1].character;
}
