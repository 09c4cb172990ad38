#pragma once
// A built-in player that plays as a reasonable person would: a few times a second it decides
// to keep away from robots, their shots and the walls, aims (not quite perfectly) at the
// nearest robot on the field, leading it a little, and fires while it has a target. It presses
// space a moment after a death or a cleared level and, when asked, F5 now and then. It plays
// through the same events a person makes: keys, mouse moves and clicks. Its own choices come
// from its own generator, so it never disturbs the game's random numbers, and the same seeds
// give the same game. Its skill says how quick and how careful it is: the practised player
// above, or a novice who reacts slowly, aims roughly and sees danger late.
#include "app/play/inputsource.h"
#include "engine/core/vectormath.h"

#include <cstdint>
#include <vector>

class Gameplay;

class BotPlayer : public InputSource {
public:
    struct Skill {
        int reactionSteps;    // steps of 16 ms between two decisions
        float aimError;       // largest aiming error, pixels, across and along
        float lead;           // share of a perfect lead on a moving robot (0: aims where it is)
        float robotLookAhead; // steps ahead of a robot where it expects it to be
        float robotComfort;   // distance kept from a robot's body, pixels
        float shotComfort;    // a robot shot passing closer than this is dodged, pixels
        float shotHorizon;    // how far ahead of itself a robot shot is noticed, pixels
    };
    // About five decisions a second, 45 px of aiming error, half a lead, keeps well away.
    static const Skill kPractised;
    // About three decisions a second, 90 px of aiming error, no lead, dodges late.
    static const Skill kNovice;

    struct Options {
        uint32_t seed = 1;
        // Chance in 10,000 per decision of pressing F5 (0: never).
        uint32_t restartChance = 0;
        Skill skill = kPractised;
    };

    explicit BotPlayer(const Options& options);

    void TakeTitleEvents(std::vector<GameEvent>& out) override;
    void TakeDue(uint32_t phaseTime, std::vector<GameEvent>& out) override;
    // Decides what to do next from what it sees.
    void Observe(uint32_t phaseTime, const GamePhase& phase) override;

private:
    void Decide(const Gameplay& gameplay);
    void PressKey(int key);
    void ReleaseKey(int key);
    void SetHeld(int index, bool held);
    void SetFiring(bool firing);
    void AimAt(const vector2& point);
    void ReleaseEverything();
    uint32_t NextRandom();
    float Jitter();

    Options options_;
    uint32_t random_;
    std::vector<GameEvent> pending_;
    bool held_[4] = {false, false, false, false}; // up, down, left, right
    bool firing_ = false;
    int waitingSteps_ = 0;
    int stepsSinceDecision_ = 0;
    int lastMouseX_ = -1;
    int lastMouseY_ = -1;
};
