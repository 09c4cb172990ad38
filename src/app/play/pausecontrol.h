#pragma once
// Pausing the game. P pauses and resumes, and losing the window's input focus pauses when the
// player wants it; the pad in use pulled out pauses ("pad disconnected") until it is plugged back
// or a key is pressed. Outside the classic game Escape opens the pause card over the paused game.
// While the game is paused, what would start something in it (a key, a click, a pad button) is
// not heard; releases, moves and Escape still are, so nothing stays held down and the game can
// always be left. The music and every effect hold their place while it is paused.
//
// A later robot kind met for the first time pauses the game under the card that introduces it,
// until the player goes on from it; meanwhile nothing that would start something reaches the game.
//
// Only a person pauses the game: to a script or the bot, P is a key like any other.
#include "app/menu/pausecard.h"
#include "app/menu/robotcard.h"
#include "engine/input/gameevent.h"

#include <memory>

class Platform;
class SettingsKeeper;

class PauseControl {
public:
    struct Options {
        bool pausable = false;         // P pauses and resumes, and so does a pad that goes away
        bool pauseOnFocusLoss = false; // losing the window's input focus pauses
        // Escape opens the pause card, whose options change these settings; null: Escape is the
        // game's own key (which ends it).
        SettingsKeeper* card = nullptr;
    };

    PauseControl(const Options& options, Platform* platform) : options_(options), platform_(platform) {}

    bool Pausable() const { return options_.pausable; }
    bool Paused() const { return paused_; }
    // The game is paused because the pad in use went away.
    bool PadGone() const { return padGone_; }
    // The pause card, while it shows.
    PauseCard* Card() const { return card_.get(); }
    // Whether the picture may have changed since the last call (paused, resumed, the card).
    bool TakeChanged();

    // An event as the game hears it: true when pausing took it (P, Escape opening the card, a
    // key that would start something in a paused game). A lost focus pauses and still goes on.
    bool Take(const GameEvent& heard);
    // Any key or the pad plugged back resumes a game paused for a pad that went away (true).
    bool ResumesWith(const GameEvent& event);
    // The pad in use went away: the game pauses, unless it already is.
    void PadWentAway();
    // What the player did on the pause card with an event.
    enum class Asked { kNothing, kShown, kSettingsChanged, kResume, kRestartLoop, kMainMenu, kLesson, kQuit };
    // Hands the event to the card that shows; the card closes (and the game resumes) on Resume
    // and Restart loop. A window close quits at once.
    Asked HearOnCard(const GameEvent& event);
    void SetPauseOnFocusLoss(bool pauses) { options_.pauseOnFocusLoss = pauses; }
    // Pauses the game under the card that introduces the kind.
    void Introduce(LaterRobot robot);
    // The card that introduces a kind, while it shows.
    RobotCard* Intro() const { return intro_.get(); }

private:
    void SetPaused(bool paused);
    void OpenCard();
    void CloseCardAndResume();
    bool HearOnIntro(const GameEvent& heard);

    Options options_;
    Platform* platform_;
    bool paused_ = false;
    bool padGone_ = false;
    bool changed_ = false;
    std::unique_ptr<PauseCard> card_; // while it shows
    std::unique_ptr<RobotCard> intro_; // while it shows
};
