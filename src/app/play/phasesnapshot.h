#pragma once
// A snapshot of a game phase at one step: the level (world/worldsnapshot.h: its world, the
// generators, the paper), the HUD overlay over it and how far the frame loop has gone. Put back
// into a phase playing the same level from the same generators, and stepped on with the same
// input, it goes on exactly as the phase it was taken of.
#include "app/play/frameloop.h"
#include "world/worldsnapshot.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class SnapshotStore;
struct GamePhase;

struct PhaseSnapshot {
    WorldSnapshot level;
    std::vector<uint8_t> overlay;
    FrameLoop::Standing loop;

    // The memory the snapshot holds itself, roughly, in bytes (its store's is counted there).
    std::size_t Bytes() const { return sizeof(*this) + level.bytes.size() + overlay.size(); }
};

PhaseSnapshot TakeSnapshot(GamePhase& phase, const FrameLoop& loop, SnapshotStore& store);
// False, and the phase as it was, for a snapshot of another level or of other generators.
bool PutBack(const PhaseSnapshot& snapshot, GamePhase& phase, FrameLoop& loop, const SnapshotStore& store);
