#pragma once
// Watching a replay: the recorded level plays in the game's own view, with a bar in the
// bottom-right corner that says where it is ("REPLAY · LEVEL 3 · LOOP 2 / 5 · 2x"). Space (or the
// pad's A) pauses and resumes; up and down choose the speed among 0.25, 0.5, 1, 2, 4 and 8 times
// (below full speed the steps come further apart, above it several steps make one frame); left
// and right jump to the start of the loop before or after the one that shows, by playing the
// replay again from its start, or on, without drawing (the bar says "seeking" once that has
// taken half a second); Escape (or the pad's B) goes back. The music is silent while a replay
// shows; its sound effects play up to full speed and are muted above it.
//
// A replay that cannot be read or played with the levels installed shows why on the paper; one
// whose world parts from its recording stops there, with the line that says where. Watching
// never changes progress, records or settings.
#include "app/screen/gamescreen.h"
#include "app/text/lettering.h"
#include "app/screen/pollcadence.h"
#include "app/play/replayplayer.h"
#include "app/screen/stillpicture.h"
#include "engine/render/spritecontainer.h"
#include "grid/papergrid.h"
#include "utils/levellist/clevellist.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

struct Settings;

class ReplayScreen : public GameScreen {
public:
    struct Setup {
        std::string path;                   // the replay file
        kolm::CLevelList* levels = nullptr; // the levels installed
        const Settings* settings = nullptr; // in force: the volumes, the controls, the paper's motion
        bool backToList = true;             // Escape opens the list of replays (else ends the game)
    };

    // The speeds offered, in quarters of full speed; the watcher starts at full speed.
    static constexpr std::array<int, 6> kSpeedQuarters = {1, 2, 4, 8, 16, 32};
    static constexpr std::size_t kFullSpeed = 2;
    // How long a jump plays ahead before the bar says so.
    static constexpr uint32_t kSeekingShownAfterMs = 500;

    explicit ReplayScreen(const Setup& setup);
    ~ReplayScreen() override;
    ReplayScreen(const ReplayScreen&) = delete;
    ReplayScreen& operator=(const ReplayScreen&) = delete;

    bool Tick(uint32_t now) override;
    uint32_t NextDue() const override { return due_; }
    void HandleEvent(const GameEvent& event) override;
    void Draw() override;
    Change WhatNext() const override { return next_; }
    bool ShowsCursor() const override { return false; }

    // What the bar says now.
    std::string BarText() const;
    // Why the replay does not play ("recorded on another version of level 3"), or where it
    // parted from its recording; empty while neither.
    const std::string& Problem() const { return problem_; }
    // The replay being played; null when it could not be.
    const ReplayPlayer* Player() const { return player_.get(); }
    bool Paused() const { return paused_; }
    bool Seeking() const { return seekTo_ > 0; }
    int SpeedQuarters() const { return kSpeedQuarters[speed_]; }

private:
    void Load(const std::string& path);
    // Steps as the speed asks, the last one drawn.
    void Play();
    // Plays ahead, undrawn, towards the loop sought, for a few milliseconds of the tick.
    void Seek(uint32_t now);
    void StartSeeking(int loop, uint32_t now);
    // The player made anew at the replay's start.
    void Restart();
    void ChangeSpeed(int direction);
    void UseVolumes() const;
    // The wall time between two ticks that play, and the steps each takes.
    uint32_t Interval() const;
    int StepsPerTick() const;
    // Draws the bar and the problem's note over the frame.
    void DrawOver();
    void Still();

    Setup setup_;
    Replay replay_;
    std::unique_ptr<ReplayPlayer> player_;
    std::string problem_;
    std::size_t speed_ = kFullSpeed;
    bool paused_ = false;
    int seekTo_ = 0; // the loop a jump plays towards (0: none)
    uint32_t seekStart_ = 0;
    uint32_t due_;
    Change next_;
    CPaperGrid paper_; // under a replay that does not play
    CSpriteContainer sprites_;
    LetteredLine bar_;
    LetteredLine note_; // the problem, mid-picture
    StillPicture still_;
};
