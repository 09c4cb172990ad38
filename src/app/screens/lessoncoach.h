#pragma once
// The lesson's teacher: which of its steps the player is on and whether the player has done what
// the step asks, read from the world after every step of play. The steps, one idea each: walk
// about; aim and fire (three robots shot); start the loop again (F5, or a death and the continue
// key); watch the past self replay the loop before; make a chain (a small robot hit by two selves
// within 350 ms explodes and takes its neighbours); then the end, which waits for the player. A
// step goes on only once its deed is done, after a short beat in which the prompt says so.
//
// Each step plays on one of the lesson's fields, the levels of data/lesson/lesson.xml: the first
// to walk on, the second to fire on, the third for the loop and the chain.
#include "engine/core/vectormath.h"

#include <cstdint>

class Gameplay;

class LessonCoach {
public:
    enum class Step { kMove, kFire, kLoop, kWatch, kChain, kDone };
    static constexpr int kStepCount = 6;

    // What the steps ask: how far to walk (pixels), how many robots to shoot, how long to watch
    // the past self (game milliseconds), and how long the beat after a deed lasts.
    static constexpr float kWalk = 500.0f;
    static constexpr int kRobotsToShoot = 3;
    static constexpr uint32_t kWatchMs = 3500;
    static constexpr uint32_t kBeatMs = 1200;
    // The list position of each step's field.
    static int FieldOf(Step step);

    Step Current() const { return step_; }
    // The deed of the step is done and the beat before the next one runs.
    bool Done() const { return beatLeft_ > 0; }
    bool Finished() const { return step_ == Step::kDone; }
    int RobotsShot() const { return robotsShot_; }

    // Looks at the world after a step of play (one world step of Gameplay::kStepMs, never a
    // paused one): notes what the player did, and after the beat moves on to the next step.
    void Follow(Gameplay& gameplay);
    // Moves on to the next step at once (the end stays the end).
    void Skip();

private:
    bool DeedDone(Gameplay& gameplay);
    bool Walked(Gameplay& gameplay);
    void Begin(Step step);

    Step step_ = Step::kMove;
    uint32_t beatLeft_ = 0;
    uint32_t stepTime_ = 0; // game time since the step began
    float walked_ = 0.0f;
    bool heroSeen_ = false;
    vector2 lastHero_;
    int robotsShot_ = 0;
};
