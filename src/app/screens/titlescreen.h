#pragma once
// The title screen: "data/gfx/title_screen.jpg" over the whole screen until one of the game's
// keys, a left click or five seconds (for a player who has never cleared a level, no time: the
// title waits for the key); closing the window quits instead. Outside the classic game
// a pad's button dismisses it too, and its controls are lettered over the title's backdrop in
// the keys or buttons of the device the player last used (app/menu/controlsnote.h). It reads the events every 16 ms, and since its picture never changes,
// draws it once and then presents it again when the window may have lost it and a few times a
// second besides. An input source, when there is one, sends its title-screen events at the first
// poll.
#include "app/menu/controlsnote.h"
#include "app/screen/pollcadence.h"
#include "app/screen/gamescreen.h"
#include "app/screen/stillpicture.h"
#include "engine/render/spritecontainer.h"

#include <cstdint>

class TitleScreen : public GameScreen {
public:
    static constexpr uint32_t kTimeoutMs = 5000;

    // After the title: the main menu when the game shows its menus, else play straight away
    // after the list position startAfter. platform: whose devices the controls are named for
    // (null: the keyboard); controls: the player's keys and buttons (null: the game's own).
    // waitsForKey: the five seconds do not end it (for a player new to the game, who needs the
    // time to read the controls).
    TitleScreen(bool classic, Change afterTitle, const Platform* platform = nullptr,
                const ControlSettings* controls = nullptr, bool waitsForKey = false);
    TitleScreen(const TitleScreen&) = delete;
    TitleScreen& operator=(const TitleScreen&) = delete;

    // Nothing until the next poll; then it shows the picture and checks the five seconds.
    bool Tick(uint32_t now) override;
    uint32_t NextDue() const override { return poll_.Next(); }
    void HandleEvent(const GameEvent& event) override;
    // A quit ends the title at once, the rest of the events unread; a dismissal lets the events
    // of the same poll still be handled (a quit among them wins).
    bool TakesEvents() const override { return !quit_; }
    void Draw() override { sprites_.Draw(); }
    Change WhatNext() const override;
    void TakeToolEvents(InputSource& tools, uint32_t clock, std::vector<GameEvent>& out) override;

private:
    bool Dismisses(const GameEvent& event) const;
    void Dismiss();

    bool classic_;
    Change afterTitle_;
    const Platform* platform_;
    const ControlSettings* controls_;
    bool waitsForKey_;
    CSprite* titleSprite_ = nullptr;
    uint32_t lastTime_ = 0; // the five seconds run from here
    CSpriteContainer sprites_;
    ControlsNote help_{sprites_};
    bool dismissed_ = false;
    bool quit_ = false;
    PollCadence poll_;
    StillPicture still_;
};
