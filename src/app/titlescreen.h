#pragma once
// The title screen: "data/gfx/title_screen.jpg" over the whole screen until one of the game's
// keys, a left click or five seconds; closing the window quits instead. A driver ticks it with
// the time (the native loop, the tests, a browser's animation frames), and no tick blocks: it
// reads the events every 16 ms, and since its picture never changes, draws it once and then
// presents it again when the window may have lost it and a few times a second besides. An input
// source, when given, sends its title-screen events first.
#include "app/pollcadence.h"
#include "app/stillpicture.h"
#include "engine/spritecontainer.h"

#include <cstdint>

class InputSource;

class TitleScreen {
public:
    enum class Outcome { kShowing, kStartGame, kQuit };

    static constexpr uint32_t kTimeoutMs = 5000;

    explicit TitleScreen(InputSource* input = nullptr);
    TitleScreen(const TitleScreen&) = delete;
    TitleScreen& operator=(const TitleScreen&) = delete;

    // Does what is due at `now`: nothing until the next poll; then it draws when the picture
    // is due, takes the waiting events and checks the five seconds. Once the title is
    // dismissed or the window closed, every tick answers so.
    Outcome Tick(uint32_t now);
    // When the next poll is due.
    uint32_t NextDue() const { return poll_.Next(); }

private:
    enum Showing : int32_t { kShown = 1, kDismissed = 3 };

    void Poll();
    // Draws the picture the first time, then presents it again when due.
    void Show();
    void Dismiss();
    void TakeInputSourceEvents();

    InputSource* input_;
    bool done_ = false;
    Showing showing_ = kShown;
    CSprite* titleSprite_ = nullptr;
    uint32_t lastTime_ = 0; // the five seconds run from here
    CSpriteContainer sprites_;
    Outcome outcome_ = Outcome::kShowing;
    PollCadence poll_;
    StillPicture still_;
};
