#pragma once
// A test play of the level being made, from a moment of its preview: the game as the timeline
// would have made it by then (the robots on their ways, the hero where he arrived), the hero now
// the player's and no longer untouched. It plays as the game does: a death and the continue key
// begin the next loop from the level's start, with the old guy beside; the clear and the continue
// key end it, and so does Escape. Nothing is recorded: no progress, no records, no replay.
#include "app/play/frameloop.h"
#include "app/play/gamephase.h"
#include "app/play/phasesnapshot.h"
#include "utils/levellist/clevellist.h"

#include <memory>
#include <string>

class Platform;
class SnapshotStore;
struct Settings;

class TestPlay {
public:
    // listFile: a level list of the level alone (the level's file must be named in it exactly as
    // the preview named it); from: the preview's moment, read back with the store.
    TestPlay(const std::string& listFile, const PhaseSnapshot& from, const SnapshotStore& store,
             const Settings& settings, Platform* platform);
    ~TestPlay();
    TestPlay(const TestPlay&) = delete;
    TestPlay& operator=(const TestPlay&) = delete;

    bool Tick(uint32_t now) { return loop_->Tick(now); }
    uint32_t NextDue() const { return loop_->NextDue(); }
    void HandleEvent(const GameEvent& event);
    void Draw() { loop_->Draw(); }
    // Escape, a window close or the clear's continue key ended it.
    bool Over() const { return !loop_->Running(); }
    bool Quit() const { return quit_; } // the window was closed
    const GamePhase& Phase() const { return *phase_; }

private:
    kolm::CLevelList levels_;
    std::unique_ptr<GamePhase> phase_;
    std::unique_ptr<FrameLoop> loop_;
    bool quit_ = false;
};

// The text of a level list holding the one level file.
std::string ListOfOneLevel(const std::string& levelFile);
