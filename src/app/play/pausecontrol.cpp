#include "app/play/pausecontrol.h"

#include "audio/audiodevice.h"
#include "audio/soundbank.h"
#include "engine/input/gamekeys.h"
#include "engine/platform/platform.h"
#include "utils/datafiles.h"

namespace {

bool StartsSomething(const GameEvent& event)
{
    switch (event.type) {
    case GameEvent::Type::kKeyDown:
        return event.key != gamekeys::kEscape;
    case GameEvent::Type::kMouseDown:
    case GameEvent::Type::kPadDown:
    case GameEvent::Type::kPadUp:
        return true;
    default:
        return false;
    }
}

} // namespace

bool PauseControl::TakeChanged()
{
    const bool changed = changed_;
    changed_ = false;
    return changed;
}

bool PauseControl::Take(const GameEvent& heard)
{
    if (intro_)
        return HearOnIntro(heard);
    if (options_.card && heard.IsKeyDown(gamekeys::kEscape) && !padGone_) {
        OpenCard();
        return true;
    }
    if (options_.pausable && heard.IsKey() && heard.key == gamekeys::kP) {
        if (heard.type == GameEvent::Type::kKeyDown)
            SetPaused(!paused_);
        return true;
    }
    // Only a real loss of focus pauses; gaining it back leaves the resuming to the player.
    if (options_.pausable && heard.type == GameEvent::Type::kFocusLost && options_.pauseOnFocusLoss)
        SetPaused(true);
    return paused_ && StartsSomething(heard);
}

bool PauseControl::ResumesWith(const GameEvent& event)
{
    if (!padGone_ || (event.type != GameEvent::Type::kPadAdded && event.type != GameEvent::Type::kKeyDown))
        return false;
    SetPaused(false);
    return true;
}

void PauseControl::PadWentAway()
{
    if (!options_.pausable || paused_)
        return;
    SetPaused(true);
    padGone_ = true;
}

void PauseControl::Introduce(LaterRobot robot)
{
    SetPaused(true);
    intro_ = std::make_unique<RobotCard>(robot);
}

// Going on from the card resumes the game; P (a pause key, never the game's) and what would start
// something are not heard, releases and moves are.
bool PauseControl::HearOnIntro(const GameEvent& heard)
{
    if (intro_->GoesOn(heard)) {
        intro_.reset();
        SetPaused(false);
        PlaySound(datafiles::kMenuTakeSound);
        return true;
    }
    return StartsSomething(heard) || (heard.IsKey() && heard.key == gamekeys::kP);
}

void PauseControl::SetPaused(bool paused)
{
    if (paused == paused_)
        return;
    paused_ = paused;
    padGone_ = false;
    changed_ = true;
    HoldAllSound(paused);
}

void PauseControl::OpenCard()
{
    SetPaused(true);
    card_ = std::make_unique<PauseCard>(*options_.card, platform_);
    changed_ = true;
    if (platform_)
        platform_->ShowCursor(true);
}

PauseControl::Asked PauseControl::HearOnCard(const GameEvent& event)
{
    using To = GameScreen::Change::To;
    if (event.type == GameEvent::Type::kQuit)
        return Asked::kQuit;
    const MenuCard::Heard heard = card_->Hear(event);
    if (heard == MenuCard::Heard::kNothing)
        return Asked::kNothing;
    changed_ = true;
    if (heard == MenuCard::Heard::kSettingsChanged)
        return Asked::kSettingsChanged;
    switch (card_->WhatNext().to) {
    case To::kBack:
        CloseCardAndResume();
        return Asked::kResume;
    case To::kRestartLoop:
        CloseCardAndResume();
        return Asked::kRestartLoop;
    case To::kMainMenu:
        return Asked::kMainMenu;
    case To::kLesson:
        return Asked::kLesson;
    case To::kQuit:
        return Asked::kQuit;
    default:
        return Asked::kShown;
    }
}

void PauseControl::CloseCardAndResume()
{
    card_.reset();
    changed_ = true;
    if (platform_)
        platform_->ShowCursor(false);
    SetPaused(false);
}
