#pragma once
// The lesson: a short practice on the game's own fields (the levels of data/lesson/lesson.xml),
// played through the same game phase and frame loop as play, so the tools' scripts, recordings and
// digests work in it; it keeps no progress, records or replays. Its coach (lessoncoach.h) says at
// each step what to do, in the player's own keys (lessonprompt.h), and goes on only once the
// player has done it; the fields change as the steps need. After its last step the continue key
// starts play (level 1, or wherever startAfter says).
//
// The lesson can be left at any moment: Tab (the pad's Back) skips it, straight into play, and the
// player's menu key (Escape) pauses it under its own pause card (app/menu/pausecard.h): Resume,
// Restart loop, Skip the lesson, How to play, Main menu, Quit. The card holds the game still as P
// would; releases of keys and buttons still reach the game, so nothing stays held.
#include "app/menu/pausecard.h"
#include "app/play/frameloop.h"
#include "app/play/gamephase.h"
#include "app/screen/gamescreen.h"
#include "app/screens/lessoncoach.h"
#include "app/screens/lessonprompt.h"
#include "utils/levellist/clevellist.h"

#include <memory>

class InputSource;
class Platform;
class SettingsKeeper;
struct Settings;

class LessonScreen : public GameScreen {
public:
    struct Setup {
        const Settings* settings = nullptr; // in force
        SettingsKeeper* keeper = nullptr;   // the player's settings, which the pause card's help names
        Platform* platform = nullptr;       // null: no window
        InputSource* tools = nullptr;
        uint32_t toolClock = 0; // the clock of a tool that drives the menus
        int startAfter = FirstLevel::kListOwnStart; // where play starts after the lesson
    };

    static constexpr const char* kFields = "data/lesson/lesson.xml";

    explicit LessonScreen(const Setup& setup);
    ~LessonScreen() override;
    LessonScreen(const LessonScreen&) = delete;
    LessonScreen& operator=(const LessonScreen&) = delete;

    bool Tick(uint32_t now) override;
    uint32_t NextDue() const override { return loop_->NextDue(); }
    void HandleEvent(const GameEvent& event) override;
    void Draw() override { loop_->Draw(); }
    Change WhatNext() const override { return next_; }
    bool ShowsCursor() const override { return card_ != nullptr; }
    void LetToolsLook(InputSource&, uint32_t) override { loop_->LetInputLook(); }
    void TakeToolEvents(InputSource&, uint32_t, std::vector<GameEvent>& out) override { loop_->TakeInputEvents(out); }
    void HandleToolEvent(const GameEvent& event) override;
    bool RunsToolClock() const override { return drivesMenus_; }

    const LessonCoach& Coach() const { return coach_; }
    // What the lesson says now, as lettered.
    const PromptWords& Prompt() const { return prompt_.Shown(); }
    const PauseCard* Card() const { return card_.get(); }
    GamePhase& Phase() { return *phase_; }
    FrameLoop& Loop() { return *loop_; }

private:
    // An event, the person's or a tool's: heard is what it means to the game (through the
    // player's bindings for the person's, as it is for a tool's); toGame hands it to the game.
    template <typename ToGame>
    void Route(const GameEvent& event, const GameEvent& heard, ToGame toGame);
    void HearOnCard(const GameEvent& event);
    void OpenCard();
    void CloseCard();
    // Leaves the lesson for the change, the game resumed first (so its sound plays on).
    void Leave(Change change);
    // The field the coach's step plays on, loaded when another one shows.
    void PutField();
    void ShowPrompt();
    InputNames Names() const;
    // Holds the game still, or lets it go on, as the player's P would.
    void Hold(bool held);
    void DrawOver();

    Setup setup_;
    bool drivesMenus_;
    kolm::CLevelList fields_;
    std::unique_ptr<GamePhase> phase_;
    std::unique_ptr<FrameLoop> loop_;
    LessonCoach coach_;
    LessonPrompt prompt_;
    std::unique_ptr<PauseCard> card_;
    bool heldForCard_ = false;
    Change next_;
};
