#include "app/screens/lessonscreen.h"

#include "app/control/bindings.h"
#include "app/play/inputsource.h"
#include "app/profile/settings.h"
#include "app/profile/settingskeeper.h"
#include "app/text/translate.h"
#include "engine/input/gamekeys.h"
#include "engine/input/padbuttons.h"
#include "engine/platform/platform.h"
#include "utils/datafiles.h"

#include <utility>

namespace {

using To = GameScreen::Change::To;

FrameLoop::Options LoopOptions(const LessonScreen::Setup& setup, bool toolsPlay)
{
    const Settings& settings = *setup.settings;
    FrameLoop::Options options;
    options.platform = setup.platform;
    options.pace.musicFile = datafiles::kMusic;
    options.pace.showFps = settings.showFps;
    options.pace.toolClockStart = setup.toolClock;
    options.pace.gameSpeed = toolsPlay ? GameSpeed::kFull : settings.gameSpeed;
    options.pace.speedFromOptions = !toolsPlay;
    options.pause.pausable = true;
    options.pause.pauseOnFocusLoss = settings.pauseOnFocusLoss && !toolsPlay;
    options.rumble = settings.rumble;
    options.controls = &settings.controls;
    return options;
}

void Press(FrameLoop& loop, int32_t key)
{
    loop.DispatchHeard(GameEvent::Key(key, true));
    loop.DispatchHeard(GameEvent::Key(key, false));
}

// What goes on to the game even while the card shows: what ends a press, and the pointer.
bool Lets(const GameEvent& event)
{
    switch (event.type) {
    case GameEvent::Type::kKeyUp:
    case GameEvent::Type::kMouseUp:
    case GameEvent::Type::kPadUp:
    case GameEvent::Type::kMouseMotion:
        return true;
    default:
        return false;
    }
}

} // namespace

LessonScreen::LessonScreen(const Setup& setup)
    : setup_(setup), drivesMenus_(setup.tools && setup.tools->DrivesMenus()), fields_(kFields)
{
    RandomGenerators random = RandomGenerators::FromClock();
    if (setup.tools)
        setup.tools->PhaseStarting(random);
    const std::string first = fields_.FileNameAt(LessonCoach::FieldOf(coach_.Current()));
    phase_ = std::make_unique<GamePhase>(!setup.settings->paperMotion, FirstLevel(first), fields_, random);
    phase_->gameplay.SoftenFlashes(setup.settings->softFlashes);
    FrameLoop::Options options = LoopOptions(setup, setup.tools && setup.tools->PlaysTheGame());
    options.drawOver = [this] { DrawOver(); };
    loop_ = std::make_unique<FrameLoop>(options, *phase_, setup.tools);
    ShowPrompt();
}

LessonScreen::~LessonScreen()
{
    if (setup_.tools)
        setup_.tools->PhaseEnded(*phase_);
    loop_.reset();
    phase_.reset();
}

InputNames LessonScreen::Names() const { return InputNames(setup_.platform, &setup_.settings->controls); }

bool LessonScreen::Tick(uint32_t now)
{
    if (!loop_->Tick(now))
        return false;
    if (!loop_->Running()) {
        next_ = Change(loop_->HowItEnded() == FrameLoop::Ending::kMainMenu ? To::kMainMenu : To::kQuit);
        return true;
    }
    if (!loop_->Paused()) {
        coach_.Follow(phase_->gameplay);
        PutField();
        prompt_.GiveWay(phase_->gameplay, Gameplay::kStepMs);
    }
    const bool cardChanged = card_ && card_->ShowHint();
    ShowPrompt();
    if (cardChanged)
        loop_->Draw();
    return true;
}

void LessonScreen::PutField()
{
    const std::string field = fields_.FileNameAt(LessonCoach::FieldOf(coach_.Current()));
    Gameplay& gameplay = phase_->gameplay;
    if (gameplay.LevelFile() == field)
        return;
    gameplay.RetireCurrentPlayer();
    gameplay.LoadLevel(field);
    phase_->overlay->Reset();
}

void LessonScreen::ShowPrompt()
{
    PromptWords words = LessonWords(coach_, Names());
    if (loop_->Paused() && !card_)
        words.footer = {{Names().Action(Action::kPause), true}, {Tr("lesson line", "resume"), false}};
    if (prompt_.Show(words) && loop_->Paused())
        loop_->Draw();
}

void LessonScreen::DrawOver()
{
    // The card covers the prompt whole: none of its lines shows cut off round the card.
    if (card_)
        card_->Draw();
    else
        prompt_.Draw();
}

void LessonScreen::HandleEvent(const GameEvent& event)
{
    Route(event, InMenu(&setup_.settings->controls, event), [this](const GameEvent& person) { loop_->Dispatch(person); });
}

void LessonScreen::HandleToolEvent(const GameEvent& event)
{
    if (!drivesMenus_) {
        loop_->HandleInputEvent(event);
        return;
    }
    Route(event, event, [this](const GameEvent& heard) { loop_->HandleInputEvent(heard); });
}

template <typename ToGame>
void LessonScreen::Route(const GameEvent& event, const GameEvent& heard, ToGame toGame)
{
    if (card_) {
        if (Lets(event))
            toGame(event);
        HearOnCard(event);
        return;
    }
    if (event.IsKeyDown(gamekeys::kTab) || (event.type == GameEvent::Type::kPadDown && event.button == pads::kBack)) {
        Leave(Change(To::kPlay, setup_.startAfter));
    } else if (heard.IsKeyDown(gamekeys::kEscape) && setup_.keeper) {
        OpenCard();
    } else if (coach_.Finished() && (heard.IsKeyDown(gamekeys::kSpace) || heard.type == GameEvent::Type::kPadDown ||
                                     heard.type == GameEvent::Type::kTap)) {
        Leave(Change(To::kPlay, setup_.startAfter));
    } else {
        toGame(event);
    }
}

void LessonScreen::HearOnCard(const GameEvent& event)
{
    if (event.type == GameEvent::Type::kQuit) {
        Leave(Change(To::kQuit));
        return;
    }
    const MenuCard::Heard heard = card_->Hear(event);
    if (heard == MenuCard::Heard::kNothing)
        return;
    if (heard == MenuCard::Heard::kSettingsChanged)
        loop_->TakeSettings(setup_.keeper->InForce());
    loop_->Draw();
    switch (card_->WhatNext().to) {
    case To::kBack:
        CloseCard();
        break;
    case To::kRestartLoop:
        CloseCard();
        Press(*loop_, gamekeys::kF5);
        break;
    case To::kPlay:
        Leave(Change(To::kPlay, setup_.startAfter));
        break;
    case To::kMainMenu:
    case To::kQuit:
        Leave(card_->WhatNext());
        break;
    default:
        break;
    }
}

void LessonScreen::OpenCard()
{
    card_ = std::make_unique<PauseCard>(*setup_.keeper, setup_.platform, PauseCard::Over::kLesson);
    card_->ShowHint();
    Hold(true);
    if (setup_.platform)
        setup_.platform->ShowCursor(true);
    loop_->Draw();
}

void LessonScreen::CloseCard()
{
    card_.reset();
    Hold(false);
    if (setup_.platform)
        setup_.platform->ShowCursor(false);
}

void LessonScreen::Hold(bool held)
{
    if (held) {
        heldForCard_ = !loop_->Paused();
        if (heldForCard_)
            Press(*loop_, gamekeys::kP);
    } else if (heldForCard_ && loop_->Paused()) {
        Press(*loop_, gamekeys::kP);
        heldForCard_ = false;
    }
}

void LessonScreen::Leave(Change change)
{
    if (card_)
        CloseCard();
    next_ = std::move(change);
}
