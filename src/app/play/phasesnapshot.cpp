#include "app/play/phasesnapshot.h"

#include "app/play/gamephase.h"
#include "world/worldarchive.h"

namespace {

// The overlay's sprites and particles, the sprites it names and what it has shown. The notes it
// letters (which key continues) are named anew every step.
template <typename Archive>
void KeepOverlay(Archive& archive, HudOverlay& overlay)
{
    overlay.sprites.Keep(archive);
    overlay.particles.Keep(archive);
    archive.Sprite(overlay.message);
    archive.Sprite(overlay.sliderKnob);
    archive.Sprite(overlay.sliderBack);
    archive.Sprite(overlay.foldShadow);
    archive.Sprite(overlay.crosshair);
    archive.Value(overlay.pressSpaceShown);
    archive.Value(overlay.clearStands);
    archive.Value(overlay.clearStanding);
}

} // namespace

PhaseSnapshot TakeSnapshot(GamePhase& phase, const FrameLoop& loop, SnapshotStore& store)
{
    PhaseSnapshot snapshot;
    snapshot.level = phase.gameplay.Snapshot(store);
    WorldWriter archive(store);
    KeepOverlay(archive, *phase.overlay);
    snapshot.overlay = archive.Take();
    snapshot.loop = loop.Stands();
    return snapshot;
}

bool PutBack(const PhaseSnapshot& snapshot, GamePhase& phase, FrameLoop& loop, const SnapshotStore& store)
{
    if (!phase.gameplay.Restore(snapshot.level, store))
        return false;
    HudOverlay& overlay = *phase.overlay;
    overlay.particles.Clear();
    overlay.sprites.Clear();
    WorldReader archive(snapshot.overlay, store);
    KeepOverlay(archive, overlay);
    loop.StandAt(snapshot.loop);
    return !archive.Broken();
}
