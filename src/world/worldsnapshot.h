#pragma once
// A snapshot of the level being played: the world (its characters and their recordings, bullets,
// explosions to come, hits, particles, sprites, timeline), the game phase's random generators and
// the paper grid, as bytes that point at nothing outside them (world/worldarchive.h). What the
// snapshots of a level share is kept in their snapshot store, which restoring needs too.
//
// A snapshot is put back only into the level it was taken of, played from the same generators
// (Gameplay::Restore): a world restored and stepped N times is, bit for bit, the world that was
// never stopped, stepped as far.
#include "engine/core/random.h"

#include <cstdint>
#include <string>
#include <vector>

struct WorldSnapshot {
    std::vector<uint8_t> bytes;
    std::string levelFile;          // the level it is of
    RandomGenerators levelStart;    // the generators as that level was loaded
    uint32_t worldTime = 0;         // in its loop
    int loop = 1;

    bool Empty() const { return bytes.empty(); }
};
