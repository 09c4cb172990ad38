// The world's digest line and the details behind it.
#include "world/worlddigest.h"

#include "world/gameplay.h"
#include "characters/enemycharacter.h"
#include "characters/playercharacter.h"
#include "world/bullet.h"
#include "world/world.h"

#include <cstring>
#include <iomanip>
#include <sstream>

namespace {

// FNV-1a over the bytes of each value.
class Hasher {
public:
    template <typename T>
    void Add(const T& value)
    {
        unsigned char bytes[sizeof(T)];
        std::memcpy(bytes, &value, sizeof(T));
        for (unsigned char byte : bytes) {
            hash_ ^= byte;
            hash_ *= 1099511628211ull;
        }
    }
    uint64_t Value() const { return hash_; }

private:
    uint64_t hash_ = 14695981039346656037ull;
};

uint32_t Bits(float value)
{
    uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

void AddCharacter(Hasher& hasher, const PlayerCharacter& character)
{
    hasher.Add(character.pos.x.Raw());
    hasher.Add(character.pos.y.Raw());
    hasher.Add(character.health);
    hasher.Add(character.dead);
}

// Besides what the digest hashes, what steers the character (its aim, facing, held keys and
// velocity), so that two builds that part show where; floats as their bits.
void DescribeCharacter(std::ostringstream& out, const char* what, const PlayerCharacter& character)
{
    out << what << " x=" << character.pos.x.Raw() << " y=" << character.pos.y.Raw() << " health=" << character.health
        << " dead=" << character.dead << " aim=" << Bits(character.aim.x) << "," << Bits(character.aim.y)
        << " facing=" << Bits(character.facing) << " keys=" << character.keys << " vel=" << character.vel.x.Raw() << ","
        << character.vel.y.Raw() << "\n";
}

} // namespace

WorldDigest DigestOf(const Gameplay& gameplay)
{
    WorldDigest digest;
    const Gameplay::CQuenlowZarnImpl* world = gameplay.World();
    if (!world)
        return digest;
    Hasher hasher;
    digest.level = world->levelFile;
    digest.worldTime = world->worldTime;
    hasher.Add(world->worldTime);
    digest.hasPlayer = world->player != nullptr;
    digest.playerDead = world->playerDead;
    digest.cleared = world->IsLevelCleared();
    if (world->player)
        AddCharacter(hasher, *world->player);
    digest.oldGuys = world->oldGuys.size();
    for (const auto& oldGuy : world->oldGuys)
        AddCharacter(hasher, *oldGuy);
    digest.robots = world->enemies.size();
    for (const auto& robot : world->enemies) {
        AddCharacter(hasher, *robot);
        digest.robotsDead += robot->dead ? 1 : 0;
    }
    digest.bullets = world->bullets.size();
    for (const auto& bullet : world->bullets) {
        hasher.Add(bullet->position.x);
        hasher.Add(bullet->position.y);
    }
    digest.particles = world->particles.live.size();
    digest.sprites = world->sprites.Count();
    // Hashed as 64-bit values whatever the width of std::size_t (4 bytes in WebAssembly), so
    // every build of the game prints the same digest.
    hasher.Add(static_cast<uint64_t>(digest.particles));
    hasher.Add(static_cast<uint64_t>(digest.sprites));
    digest.hash = hasher.Value();
    return digest;
}

std::string WorldDigest::ToString() const
{
    std::ostringstream out;
    out << "level=" << (level.empty() ? "(none)" : level) << " t=" << worldTime << " loop=" << oldGuys + 1
        << " player=" << (!hasPlayer ? "none" : playerDead ? "dead" : "alive") << " cleared=" << cleared
        << " robots=" << robotsDead << "/" << robots << " bullets=" << bullets << " particles=" << particles
        << " sprites=" << sprites << " hash=" << std::hex << std::setw(16) << std::setfill('0') << hash;
    return out.str();
}

std::string WorldDigest::Details(const Gameplay& gameplay)
{
    std::ostringstream out;
    const Gameplay::CQuenlowZarnImpl* world = gameplay.World();
    if (!world)
        return out.str();
    if (world->player)
        DescribeCharacter(out, "player", *world->player);
    for (const auto& oldGuy : world->oldGuys)
        DescribeCharacter(out, "old guy", *oldGuy);
    for (const auto& robot : world->enemies)
        DescribeCharacter(out, "robot", *robot);
    for (const auto& bullet : world->bullets)
        out << "bullet x=" << bullet->position.x << " y=" << bullet->position.y << "\n";
    const RandomGenerators& random = gameplay.Random();
    out << "random state=" << static_cast<uint32_t>(random.RandomState()) << " runtime=" << random.RuntimeRandomState()
        << "\n";
    return out.str();
}
