#pragma once
// The fixed-step frame loop of the game phase. A driver ticks it with the time (the program's
// screen for play, the tests, the headless game) and no tick blocks: once 16 ms have passed since
// the last step began, the tick updates the world, the grid and the overlay by exactly 16 ms and
// draws one frame; then the events that arrived are handed to it (the person's through Dispatch,
// the input source's after it has looked). Nothing catches up: a slow machine plays slower. A
// game slowed for the player (the game speed) still steps the world by 16 ms, only further apart
// (32 ms at 50 %), so its world, digests and recordings are those of full speed.
//
// The loop is put together from parts: the pause control (app/play/pausecontrol.h), what the game
// hears of the person's input (app/play/playinput.h), and the observers of each step: the
// progress keeper, the replay recorder and the pad's rumble (world/stepobserver.h).
//
// In a person's game outside the classic game, the first robot of a later kind the player has
// never met pauses the game under a card that introduces it (app/menu/robotcard.h), as a pause
// does: game time stands still while it shows, so the world, recordings and replays are those of
// a game that never showed it.
//
// While the game is paused the loop keeps reading events every step, but the world, the grid and
// the overlay stand still and game time does not advance, so a game recorded with pauses in it
// replays to the same end without them. Nothing moves then, so a frame is drawn only when the
// picture changes (the paused scrap appears, an event reaches the game); the last one is presented
// again when the window may have lost it (uncovered, resized) and a few times a second besides.
//
// The pause card's "Restart loop" is F5, handed to the game as a key of the window would be, so
// the tools hear it as F5; its options change the settings in force, the loop's own (fps, pausing
// on focus loss, the paper's motion, the game's speed, the rumble, the controls) at once. The pad
// in use pulled out during play brings its sticks back to the centre, as heard events (so a
// recording replays the same), and pauses the game.
#include "app/play/fpsreport.h"
#include "app/play/levelflow.h"
#include "app/play/padrumble.h"
#include "app/play/pausecontrol.h"
#include "app/play/playinput.h"
#include "app/play/statuslayer.h"
#include "app/screen/stillpicture.h"
#include "engine/input/gameevent.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class InputSource;
class Platform;
class SettingsKeeper;
struct ControlSettings;
struct GamePhase;

// A tool's mouse event at the point of the picture under it. The tools' mouse moves over the
// pixels of a window of the picture's own 1280 x 720, whatever the window the game shows, and
// reaches the picture through the same arithmetic as a person's in such a window, to the last bit.
GameEvent FromToolsWindow(const GameEvent& event);

class FrameLoop {
public:
    // How fast the game goes and what each step does besides.
    struct Pace {
        // In per cent: below 100 the loop waits longer between steps (the world's own step stays
        // 16 ms); the pause keeps its pace.
        int gameSpeed = 100;
        bool speedFromOptions = false; // the pause card's options change it (a person's game without "-speed")
        bool showFps = false;
        std::string musicFile;         // restarted whenever it ends; empty for none
        // Where the clock of an input source that drives the menus stood when the loop began.
        uint32_t toolClockStart = 0;
    };

    struct Options {
        Platform* platform = nullptr; // the window and pads; null for the headless game
        Pace pace;
        PauseControl::Options pause;
        // The player's controls, which the person's events go through; null for the game's own
        // keys (the classic game, the tools).
        const ControlSettings* controls = nullptr;
        int rumble = 0;                  // the pad's rumble, 0 (never) to 10
        bool endsAfterLastLevel = false; // space after the list's last clear ends the phase
        std::function<void()> drawOver;  // drawn over each frame, last (a replay's bar); empty for nothing
    };

    // How the loop ended: the window closed, Escape in a game without the pause card or a
    // script's, or the pause card's Quit; or its "Main menu".
    enum class Ending { kQuit, kMainMenu, kLesson };

    FrameLoop(const Options& options, GamePhase& phase, InputSource* tools);

    // Does what is due at `now` (a tick reading): nothing before the next step is due (false);
    // then one step, which begins at a fresh reading of the tick counter (true).
    bool Tick(uint32_t now);
    // When the next step is due: 16 ms after the last one began, or longer in a slowed game.
    uint32_t NextDue() const { return lastStep_ + StepInterval(); }
    // The wall time from one step to the next: 16 ms, 32 ms at half speed; 16 ms while paused.
    uint32_t StepInterval() const;
    // One whole step without a window: update and draw (or, not drawn, update alone), the input
    // source looks, then its events are handled.
    void StepAndHandleEvents(bool drawn = true);
    // The input source's events due now, handled without a step (those of a replay's time 0).
    void HandleDueInputEvents();
    // Stands the pad's sticks as a replay's level began, telling the game nothing.
    void RestoreSticks(const JoystickMapping::State& sticks) { input_.Sticks().Restore(sticks); }
    // Handles an event of the person at the keyboard, mouse or pad, which may pause the game:
    // through the player's bindings, when there are any, then as the game hears it.
    void Dispatch(const GameEvent& event);
    // The same for an event as the game hears it, bindings or not (a tool that drives the menus).
    void DispatchHeard(const GameEvent& event);
    // The input source looks at the step just taken, then its due events are handed out.
    void LetInputLook();
    void TakeInputEvents(std::vector<GameEvent>& out);
    void HandleInputEvent(const GameEvent& event);

    // Until Escape, a window close, or (with endsAfterLastLevel) the end of the level list.
    bool Running() const { return running_ && !levelFlow_.AllCleared(); }
    // The phase ended because every level of the list has been played through.
    bool AllLevelsCleared() const { return levelFlow_.AllCleared(); }
    bool Paused() const { return pause_.Paused(); }
    // Game time since the frame loop began: it never restarts, unlike the world's time, which
    // starts again at 0 with every loop of a level.
    uint32_t PhaseTime() const { return stepsTaken_ * Gameplay::kStepMs; }
    // The time of the input source's events and looks: the phase time, or for a source that
    // drives the menus its own clock, which runs on while the game is paused.
    uint32_t ToolTime() const;
    Ending HowItEnded() const { return ending_; }
    // Takes the settings of the loop itself (speed, paper, flashes, rumble, the controls) as the
    // player just chose them on an options card.
    void TakeSettings(const Settings& settings);
    bool PauseCardShows() const { return pause_.Card() != nullptr; }
    // The later kind whose card shows over the paused game, if one does.
    std::optional<LaterRobot> Introducing() const;
    bool PadGone() const { return pause_.PadGone(); }
    // Draws the frame as it stands: paper, world, overlay, status and the pause card.
    void Draw();

    // How far the loop has gone and how the pad's sticks stand, for a snapshot of the game.
    struct Standing {
        uint32_t stepsTaken = 0;
        uint32_t everyStep = 0;
        JoystickMapping::State sticks;
    };
    Standing Stands() const { return {stepsTaken_, everyStep_, input_.Sticks().Saved()}; }
    void StandAt(const Standing& standing);

private:
    // One step without its events: music keep-alive, fps report, update and draw.
    void Step();
    // Hands an event to the game (and to the tools, which hear every one).
    void DispatchToGame(const GameEvent& event);
    // Where the player is, for the status layer.
    StatusLayer::Place Where();
    // A level may have been loaded: the replay's recorder starts a new one if so.
    void NoteLevelForReplay();
    // The key or the pad's button the notes after a death and a clear name, as the player last
    // played.
    void NamePressKey();
    // Draws the frame while the game runs. While it is paused, only when the picture may have
    // changed (statusChanged, or since the last draw); otherwise presents the last frame again
    // when the window may have lost it or it has stood a while.
    void ShowPicture(bool statusChanged);
    void DrawLayers();
    // The pad in use went away: its sticks come back to the centre and the game pauses.
    void PadWentAway();
    // A tap on the picture: the continue key after a death or a clear.
    void ContinueOnTap();
    // The player's dead zone and fire threshold for the sticks, heard when they change.
    void UsePadZones(const ControlSettings& controls);
    // Does what the player took on the pause card: resume, a new loop, the main menu, quit.
    void HandlePauseCard(const GameEvent& event);
    void TellObservers();
    // Introduces a later kind the player meets for the first time.
    void MeetRobots();

    Options options_;
    GamePhase& phase_;
    InputSource* tools_;
    LevelFlow levelFlow_;
    PauseControl pause_;
    PlayInput input_;
    PadRumble rumble_;
    bool running_ = true; // until Escape or a window close
    Ending ending_ = Ending::kQuit;
    bool focusPauseAllowed_; // the game is not played by a tool
    uint32_t everyStep_ = 0; // steps taken, paused or not
    bool drawing_ = true;    // a step draws its frame
    uint32_t lastStep_;
    FpsReport fps_;
    uint32_t stepsTaken_ = 0;
    StillPicture picture_; // drawn every step of play; while paused, only when it may have changed
    std::vector<GameEvent> pending_;
};
