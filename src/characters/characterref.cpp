#include "characters/characterref.h"

#include "characters/playercharacter.h"

#include <vector>

namespace {

// Slot id - 1 holds the character with that number; freed numbers are handed out again.
std::vector<PlayerCharacter*>& Slots()
{
    static std::vector<PlayerCharacter*> slots;
    return slots;
}

std::vector<uint32_t>& FreeIds()
{
    static std::vector<uint32_t> freeIds;
    return freeIds;
}

} // namespace

namespace CharacterRegistry {

uint32_t Register(PlayerCharacter* character)
{
    if (!FreeIds().empty()) {
        const uint32_t id = FreeIds().back();
        FreeIds().pop_back();
        Slots()[id - 1] = character;
        return id;
    }
    Slots().push_back(character);
    return static_cast<uint32_t>(Slots().size());
}

void Unregister(uint32_t id)
{
    if (id == 0 || id > Slots().size())
        return;
    Slots()[id - 1] = nullptr;
    FreeIds().push_back(id);
}

PlayerCharacter* Find(uint32_t id) { return id == 0 || id > Slots().size() ? nullptr : Slots()[id - 1]; }

} // namespace CharacterRegistry

CharacterRef::CharacterRef(const PlayerCharacter* character) : id_(character ? character->Id() : 0) {}

PlayerCharacter* CharacterRef::Get() const { return CharacterRegistry::Find(id_); }
