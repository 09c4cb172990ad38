#pragma once
// Watching a replay: the recorded level plays in the game's own view, with a bar along the bottom
// (app/screens/replaybar.h): a line of the whole replay with its loops marked and a knob at the
// moment that shows, what shows ("REPLAY · LEVEL 3 · LOOP 2 / 5 · 2x") and the keys that work.
// A timeline (app/play/replaytimeline.h) plays the replay ahead of the picture in a slice of every
// frame, keeping a snapshot of each second, so that any moment it has reached shows at once.
//
// Space (or the pad's A) pauses and resumes; up and down choose the speed among 0.25, 0.5, 1, 2,
// 4 and 8 times (below full speed the steps come further apart, above it several steps make one
// frame); left and right jump to the start of the loop before or after the one that shows, with
// Shift (or the pad's shoulder buttons) 5 seconds back or on; a click on the line shows that
// moment, and the picture follows the pointer dragged along it. A moment the timeline has not yet
// reached shows once it has (the bar says "seeking" if that takes half a second). At the end a
// card offers to watch again or go back; Escape (or the pad's B) goes back to where watching
// began. The music is silent while a replay shows; its sound effects play up to full speed and are
// muted above it.
//
// A replay that cannot be read or played with the levels installed shows why on the paper; one
// whose world parts from its recording stops there, with the line that says where. Watching
// never changes progress, records or settings.
#include "app/menu/menu.h"
#include "app/play/replayplayer.h"
#include "app/play/replaytimeline.h"
#include "app/screen/gamescreen.h"
#include "app/screen/pollcadence.h"
#include "app/screen/stillpicture.h"
#include "app/screens/replaybar.h"
#include "app/text/lettering.h"
#include "engine/render/spritecontainer.h"
#include "grid/papergrid.h"
#include "utils/levellist/clevellist.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

class Platform;
struct Settings;

class ReplayScreen : public GameScreen {
public:
    struct Setup {
        std::string path;                   // the replay file
        kolm::CLevelList* levels = nullptr; // the levels installed
        const Settings* settings = nullptr; // in force: the volumes, the controls, the paper's motion
        const Platform* platform = nullptr; // whose keys or pad the hint names (null: the keys)
        // Where Escape and "Back" go: the screen watching began from (the list of replays, the
        // levels card), or kQuit for a replay watched from the command line.
        Change back = Change(Change::To::kReplays);
        // An input script watches with the viewer's keys and mouse, and its screenshots see the watcher.
        bool scripted = false;
    };

    // The speeds offered, in quarters of full speed; the watcher starts at full speed.
    static constexpr std::array<int, 6> kSpeedQuarters = {1, 2, 4, 8, 16, 32};
    static constexpr std::size_t kFullSpeed = 2;
    // How long a moment the timeline has not reached is waited for before the bar says so.
    static constexpr uint32_t kSeekingShownAfterMs = 500;
    // How far Shift with left or right moves.
    static constexpr uint32_t kShiftMs = 5000;

    explicit ReplayScreen(const Setup& setup);
    ~ReplayScreen() override;
    ReplayScreen(const ReplayScreen&) = delete;
    ReplayScreen& operator=(const ReplayScreen&) = delete;

    bool Tick(uint32_t now) override;
    uint32_t NextDue() const override { return due_; }
    void HandleEvent(const GameEvent& event) override;
    void LetToolsLook(InputSource& tools, uint32_t clock) override;
    void TakeToolEvents(InputSource& tools, uint32_t clock, std::vector<GameEvent>& out) override;
    bool RunsToolClock() const override { return setup_.scripted; }
    void Draw() override;
    Change WhatNext() const override { return next_; }

    // What the bar says now, and the keys it names.
    std::string BarText() const;
    std::string HintText() const;
    // Why the replay does not play ("recorded on another version of level 3"), or where it
    // parted from its recording; empty while neither.
    const std::string& Problem() const { return problem_; }
    // The replay being played, and its timeline; null when it could not be.
    const ReplayPlayer* Player() const { return player_.get(); }
    const ReplayTimeline* Timeline() const { return timeline_.get(); }
    bool Paused() const { return paused_; }
    bool Seeking() const { return seekTime_ != kNoSeek || seekNextLoop_; }
    int SpeedQuarters() const { return kSpeedQuarters[speed_]; }
    // The card at the end (watch again, back), while it shows.
    const Menu* EndCard() const { return endCard_.get(); }

private:
    static constexpr uint32_t kNoSeek = UINT32_MAX;

    void Load(const std::string& path);
    // Steps as the speed asks, the last one drawn.
    void Play();
    // Plays the timeline ahead for a slice of the tick.
    void FillAhead();
    // Shows the moment asked for once the timeline has reached it.
    void FollowSeek(uint32_t now);
    void SeekTo(uint32_t levelTime, uint32_t now);
    void BeginSeeking(uint32_t now);
    void JumpLoop(int direction, uint32_t now);
    void Arrived();
    void Finish();
    bool HandlePointer(const GameEvent& event);
    void HandleEndCard(const GameEvent& event);
    void Command(int command);
    void ChangeSpeed(int direction);
    void UseVolumes() const;
    // The wall time between two ticks that play, and the steps each takes.
    uint32_t Interval() const;
    int StepsPerTick() const;
    // Draws the bar, the problem's note and the end card over the frame.
    void DrawOver();
    void Still();

    Setup setup_;
    Replay replay_;
    std::unique_ptr<ReplayPlayer> player_;
    std::unique_ptr<ReplayTimeline> timeline_;
    std::string problem_;
    std::size_t speed_ = kFullSpeed;
    bool paused_ = false;
    uint32_t seekTime_ = kNoSeek; // the moment asked for, while the timeline has not reached it
    bool seekNextLoop_ = false;   // the next loop's start is asked for, and still to be found
    uint32_t seekStart_ = kNoSeek; // when the moment waited for was asked for
    bool dragging_ = false;   // the knob follows the pointer
    bool shiftHeld_ = false;
    float filledX_ = 0.0f;    // how far the bar showed the timeline played ahead
    uint32_t due_;
    Change next_;
    CPaperGrid paper_; // under a replay that does not play
    CSpriteContainer sprites_;
    ReplayBar bar_;
    LetteredLine note_; // the problem, mid-picture
    std::unique_ptr<Menu> endCard_;
    StillPicture still_;
};
