#pragma once
// A short fingerprint of the world's state: the world time, the loop, the level, how many of
// everything there are, and a hash over every character's fixed-point position, health and
// dead flag and every bullet. Two runs with the same seeds and the same timed inputs print the
// same digest; any difference in the game's behaviour changes it.
#include <cstdint>
#include <string>

class Gameplay;

struct WorldDigest {
    std::string level;
    uint32_t worldTime = 0;
    std::size_t oldGuys = 0;
    std::size_t robots = 0;
    std::size_t robotsDead = 0;
    std::size_t bullets = 0;
    std::size_t particles = 0;
    std::size_t sprites = 0;
    bool hasPlayer = false;
    bool playerDead = false;
    bool cleared = false;
    uint64_t hash = 0;

    // One line: "level=... t=... loop=... player=alive|dead|none cleared=0|1 robots=a/b
    // bullets=... particles=... sprites=... hash=<16 hex digits>".
    std::string ToString() const;
    // Every character and bullet line by line, then the states of the phase's generators, for
    // looking into a difference.
    static std::string Details(const Gameplay& gameplay);
};

WorldDigest DigestOf(const Gameplay& gameplay);
