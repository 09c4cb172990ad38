#pragma once
// A screen of the game: the title, the main menu, the lesson, play and the ending at the top
// (Program holds the one that shows), and the level select, the options and the pause menu that
// open over them (held by the screen they open over). Each is ticked with the time by Program
// and never blocks. When a tick has done something (a step of play, a poll of a still screen),
// Program's one event pump hands the screen the person's events (mouse positions already in the
// 1280 x 720 picture's units), then lets the tools look at it and hands it their due events.
#include "engine/input/gameevent.h"
#include "app/profile/records.h"

#include <cstdint>
#include <string>
#include <vector>

class InputSource;

class GameScreen {
public:
    // What comes after a screen once it is done: for a top-level screen the next one, for a card
    // over another screen (app/menu/menucard.h) what that screen is to do.
    struct Change {
        enum class To {
            kStay,
            kBack,        // a card: back to the screen under it
            kRestartLoop, // the pause menu: back to play, in a new loop
            kMainMenu,
            kPlay,
            kEnding,
            kWatch,   // a replay, the file in replay
            kReplays, // the main menu with its list of replays open
            kLesson,  // the lesson, then play from startAfter
            kLevels,  // the main menu with its levels card open
            kMakeLevels, // the main menu with its Make levels card open
            kEdit,    // the editor, of the level file in level
            kDaily,      // a daily level, of the date in daily
            kDailyCard,  // the main menu with today's card open
            kQuit,
        };

        Change() = default;
        explicit Change(To next, int after = 0) : to(next), startAfter(after) {}

        To to = To::kStay;
        int startAfter = 0; // kPlay: the list position after which play starts
        Progress records;   // kEnding: the records it shows
        std::string replay; // kWatch: the replay file
        To watchedFrom = To::kReplays; // kWatch: where watching goes back to; kEdit: kMakeLevels to go back there
        std::string level;             // kEdit: the level file
        // kPlay, kEnding, kLevels: the level list of a pack or of the player's levels; empty: the game's own
        std::string book;
        std::string daily;        // kDaily: the date ("2026-12-10")
        bool dailyCounts = false; // kDaily: the day's first attempt counts (else practice)
    };

    virtual ~GameScreen() = default;

    // Does what is due at now; true when it did something, after which it hears the events.
    virtual bool Tick(uint32_t now) = 0;
    // When the next tick has something to do.
    virtual uint32_t NextDue() const = 0;
    // An event of the person at the keyboard, mouse or pad.
    virtual void HandleEvent(const GameEvent& event) = 0;
    // Whether it still takes events in this tick; the rest wait for the next screen.
    virtual bool TakesEvents() const { return WhatNext().to == Change::To::kStay; }
    virtual void Draw() = 0;
    virtual Change WhatNext() const = 0;
    virtual bool ShowsCursor() const { return true; }

    // The tools: they look at the screen after its tick and then send their due events, at
    // clock, the time of a tool that drives the menus (16 ms a tick since the title's end).
    virtual void LetToolsLook(InputSource&, uint32_t /*clock*/) {}
    virtual void TakeToolEvents(InputSource&, uint32_t /*clock*/, std::vector<GameEvent>& /*out*/) {}
    // A tool's event, heard as the person's unless the screen says otherwise.
    virtual void HandleToolEvent(const GameEvent& event) { HandleEvent(event); }
    // Whether the ticks of this screen count on the tools' clock.
    virtual bool RunsToolClock() const { return false; }
};
