#pragma once
// A 32-bit handle on a character, so that a recorded event stays six 32-bit words on every
// platform. Characters get a number when they are made and give it back when they go. A number
// is a slot (low 16 bits) and the slot's generation (high 16 bits), which moves on every time the
// slot is handed out again: the handle of a character that is gone reads as none, even once its
// slot holds another character.
#include <cstdint>

class PlayerCharacter;

class CharacterRef {
public:
    CharacterRef() = default;
    CharacterRef(const PlayerCharacter* character);

    PlayerCharacter* Get() const;

private:
    uint32_t id_ = 0;
};

// The numbering itself, used by the characters' constructors and destructors.
namespace CharacterRegistry {
uint32_t Register(PlayerCharacter* character);
void Unregister(uint32_t id);
PlayerCharacter* Find(uint32_t id);
} // namespace CharacterRegistry
