#pragma once
// A replay played back: the level's world made again from the replay's header (the level file,
// the generators' states of its loading, the sticks as they stood) and fed the events it heard,
// step by step, in a game phase and frame loop of its own. After each step it checks the world
// where the replay has a check; the first that differs stops it ("the world parted from the
// replay at 12.34 s (loop 2)"). Watching the game and verifying a replay headless are this.
#include "app/play/frameloop.h"
#include "app/play/gamephase.h"
#include "app/play/inputsource.h"
#include "app/play/phasesnapshot.h"
#include "app/replay/replayfile.h"
#include "utils/levellist/clevellist.h"

#include <functional>
#include <memory>
#include <string>

class ReplayPlayer {
public:
    // Whether the replay can be played: its level file (of any list: the game's, a pack's, My
    // levels, a day's) is there as it was recorded. False, with the line that says why, when the
    // file is gone or is not the one recorded ("recorded on another version of level 3").
    static bool Playable(const Replay& replay, std::string& problem);

    struct Setup {
        bool noGrid = false;          // the paper stands still
        bool heroUntouched = false;   // nothing touches the hero (a level's maker previewing it)
        std::function<void()> drawOver; // drawn over each frame (the watcher's bar)
    };

    // The replay at its start: the level loaded, the events of its time 0 handled. A replay with
    // no checks (a level being made, played with no one's input) plays for its milliseconds.
    ReplayPlayer(const Replay& replay, kolm::CLevelList& levels, const Setup& setup);
    ReplayPlayer(const Replay& replay, kolm::CLevelList& levels) : ReplayPlayer(replay, levels, Setup()) {}
    ~ReplayPlayer();
    ReplayPlayer(const ReplayPlayer&) = delete;
    ReplayPlayer& operator=(const ReplayPlayer&) = delete;

    // One step (drawn, or not), then its check and its events. Nothing once finished.
    void Step(bool drawn = true);
    // The clear was reached with every check as recorded, or a check differed.
    bool Finished() const { return Verified() || Parted(); }
    bool Verified() const;
    bool Parted() const;
    // "the world parted from the replay at 12.34 s (loop 2)"; empty while it has not.
    std::string PartedLine() const;

    // Game time since the level's start, and the loop being played (1 for the first).
    uint32_t LevelTime() const { return loop_->PhaseTime(); }
    int Loop() const;
    const Replay& Played() const { return replay_; }
    GamePhase& Phase() { return *phase_; }
    void Draw() { loop_->Draw(); }

    // How far the replay's events and checks have gone, and whether the world parted from it.
    struct Cursor {
        std::size_t nextEvent = 0;
        std::size_t nextCheck = 0;
        bool parted = false;
        uint32_t partedAt = 0;
        int partedLoop = 1;
        uint32_t seen = 0; // the phase time of the last step looked at
    };
    // A moment of the replay: the game as it stood there and the replay's cursor. A moment taken
    // of one player of a replay can be put back into another player of the same replay; the
    // moments of one replay share one snapshot store.
    struct Moment {
        PhaseSnapshot phase;
        Cursor cursor;
        uint32_t LevelTime() const { return phase.loop.stepsTaken * Gameplay::kStepMs; }
    };
    Moment Snapshot(SnapshotStore& store);
    bool Restore(const Moment& moment, const SnapshotStore& store);

private:
    class Feed;

    Replay replay_;
    std::unique_ptr<Feed> feed_;
    std::unique_ptr<GamePhase> phase_;
    std::unique_ptr<FrameLoop> loop_;
};
