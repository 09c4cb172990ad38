#pragma once
// Play as a screen of the program: the game phase (the paper, the world, the overlay, and outside
// the classic game the label, the progress kept between runs and the later robot kinds' cards) with
// its frame loop. It tells
// the tools when the phase starts and ends, hides the system cursor (the crosshair takes its
// place) but while the pause menu shows, and when the loop ends says what comes next: the ending
// after a book's last clear, the main menu, or the end of the game.
#include "app/play/frameloop.h"
#include "app/play/gamephase.h"
#include "app/screen/gamescreen.h"

#include <memory>

class InputSource;
class Platform;
class SettingsKeeper;
struct Settings;

class PlayScreen : public GameScreen {
public:
    struct Setup {
        const Settings* settings = nullptr; // in force
        kolm::CLevelList* levels = nullptr; // the list the game plays
        SettingsKeeper* keeper = nullptr;   // the player's settings; null for the classic game
        Platform* platform = nullptr;       // null: no window
        InputSource* tools = nullptr;
        bool classic = false;
        // Space after the list's last clear ends the phase (and the ending follows).
        bool endsAfterLastLevel = false;
        uint32_t toolClock = 0; // the clock of a tool that drives the menus
        bool speedAsked = false; // "-speed" was given: the tools play at that speed too
        int startAfter = FirstLevel::kListOwnStart;
        // The world's random generators as play starts (a daily level's own); null: from the clock.
        const RandomGenerators* random = nullptr;
        // The list file of the book played; empty when levels is the game's own list. Any other
        // (a pack's, the player's levels, a day's) keeps its records by each level's hash; after
        // its last clear comes its ending (kEnding with the book), or without kept records the
        // level select at its book.
        std::string book;
    };

    explicit PlayScreen(const Setup& setup);
    ~PlayScreen() override;
    PlayScreen(const PlayScreen&) = delete;
    PlayScreen& operator=(const PlayScreen&) = delete;

    bool Tick(uint32_t now) override { return loop_->Tick(now); }
    uint32_t NextDue() const override { return loop_->NextDue(); }
    void HandleEvent(const GameEvent& event) override { loop_->Dispatch(event); }
    // Every event waiting when the loop ends is still handled (a space pressed in the same step
    // still counts).
    bool TakesEvents() const override { return true; }
    void Draw() override { loop_->Draw(); }
    Change WhatNext() const override;
    bool ShowsCursor() const override { return loop_->PauseCardShows(); }
    void LetToolsLook(InputSource&, uint32_t) override { loop_->LetInputLook(); }
    void TakeToolEvents(InputSource&, uint32_t, std::vector<GameEvent>& out) override { loop_->TakeInputEvents(out); }
    void HandleToolEvent(const GameEvent& event) override { loop_->HandleInputEvent(event); }
    bool RunsToolClock() const override { return drivesMenus_; }

    FrameLoop& Loop() { return *loop_; }
    GamePhase& Phase() { return *phase_; }

private:
    InputSource* tools_;
    bool drivesMenus_;
    std::string book_;
    std::unique_ptr<GamePhase> phase_;
    std::unique_ptr<FrameLoop> loop_;
};
