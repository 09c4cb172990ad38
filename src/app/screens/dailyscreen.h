#pragma once
// A daily level played: the game's play screen (app/screens/playscreen.h) over a list of the one
// level kept in the daily folder, its world started from the day's own generators so the day
// plays alike everywhere, and the attempt kept in the daily history (app/daily/dailyattempt.h):
// counted from its start when it is the day's first, closed as cleared when the level is, as left
// when the player goes before that (the pause card's Main menu, Quit, the window closed).
// When play ends the screen goes where it was told to (today's card, or the end of the game
// for "-daily DATE").
#include "app/daily/dailyattempt.h"
#include "app/daily/dailyfinder.h"
#include "app/screens/playscreen.h"

#include <memory>
#include <string>

class DailyScreen : public GameScreen {
public:
    struct Setup {
        PlayScreen::Setup play; // its levels, list start and generators are the screen's own
        DailyFound level;       // the day's level, kept in the daily folder
        std::string levelFile;  // where it is kept
        std::string historyPath;
        bool counting = false; // the day's first attempt counts (practice otherwise)
        Change back;           // after play
    };

    explicit DailyScreen(const Setup& setup);
    ~DailyScreen() override;
    DailyScreen(const DailyScreen&) = delete;
    DailyScreen& operator=(const DailyScreen&) = delete;

    bool Tick(uint32_t now) override;
    uint32_t NextDue() const override { return play_->NextDue(); }
    void HandleEvent(const GameEvent& event) override { play_->HandleEvent(event); }
    bool TakesEvents() const override { return true; }
    void Draw() override { play_->Draw(); }
    Change WhatNext() const override;
    bool ShowsCursor() const override { return play_->ShowsCursor(); }
    void LetToolsLook(InputSource& tools, uint32_t clock) override { play_->LetToolsLook(tools, clock); }
    void TakeToolEvents(InputSource& tools, uint32_t clock, std::vector<GameEvent>& out) override
    {
        play_->TakeToolEvents(tools, clock, out);
    }
    void HandleToolEvent(const GameEvent& event) override { play_->HandleToolEvent(event); }
    bool RunsToolClock() const override { return play_->RunsToolClock(); }

    PlayScreen& Play() { return *play_; }
    // The attempt as the history keeps it; null when play keeps no progress (a tool's run).
    const DailyAttemptKeeper* Attempt() const { return attempt_.get(); }

private:
    // The level's clear, once the progress keeper has seen it, closes the attempt.
    void NoteClear();

    kolm::CLevelList levels_;
    RandomGenerators random_;
    std::unique_ptr<PlayScreen> play_;
    std::unique_ptr<DailyAttemptKeeper> attempt_;
    Change back_;
};
