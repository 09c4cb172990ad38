#pragma once
// Records each level of the level list as it is played, from its loading to its clear, and puts
// the replay of every clear on the player's shelf (app/replay/replayshelf.h). The frame loop tells it
// when a level was loaded (with the sticks as they stood), every event the game heard, and each
// step; the recorder keeps the generators' states of the load, the events at game time from the
// level's start, and a check of the world every 5 s and at the clear.
#include "app/control/joystick.h"
#include "app/replay/replayfile.h"
#include "app/replay/replayshelf.h"
#include "engine/input/gameevent.h"
#include "utils/levellist/clevellist.h"
#include "world/stepobserver.h"

#include <cstdint>

class ReplayRecorder : public StepObserver {
public:
    ReplayRecorder(const ReplayShelf& shelf, const kolm::CLevelList& levels) : shelf_(shelf), levels_(levels) {}

    // Whether the world is another level than the one being recorded: then recording starts
    // anew (a level off the list, the empty level after it among them, is not recorded).
    void NoteLevel(const Gameplay& gameplay, uint32_t phaseTime, const JoystickMapping::State& sticks);
    // An event the game heard, at the frame loop's phase time.
    void Heard(uint32_t phaseTime, const GameEvent& event);
    // After each step (phaseTime as the step began): the checks, and at the clear the replay,
    // saved. slowed: the step was played below full speed.
    void AfterStep(const Gameplay& gameplay, uint32_t phaseTime, bool slowed) override;

    // The last replay finished, for the tests; nothing before the first clear.
    const Replay* LastFinished() const { return finished_ ? &last_ : nullptr; }

private:
    void Finish(const Gameplay& gameplay, uint32_t levelTime);

    ReplayShelf shelf_;
    const kolm::CLevelList& levels_;
    uint32_t level_ = 0; // the facade's count of levels loaded when the recorded one began
    bool recording_ = false;
    uint32_t levelStart_ = 0;
    uint32_t nextCheck_ = kReplayCheckEvery;
    Replay replay_;
    Replay last_;
    bool finished_ = false;
};
