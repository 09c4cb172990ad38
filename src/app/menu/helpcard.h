#pragma once
// The How to play card, over the main menu and over the pause card: a fresh sheet of the paper
// that covers what lies under it, with the controls as the player has them bound (in the keys or
// the pad's buttons of the device in use), what the loop is, what a chain is with a small moving
// picture of one (app/menu/chainpicture.h), and how a level is cleared. Once the player has met a
// later robot kind, right (and left back) turns to a second page of the kinds met
// (app/robots/robotspage.h). It shows until the player goes back (Escape, the pad's B); from the
// main menu, Enter (the pad's A) plays the lesson.
#include "app/menu/chainpicture.h"
#include "app/menu/controlsnote.h"
#include "app/menu/menucard.h"
#include "app/robots/robotspage.h"
#include "grid/papergrid.h"

#include <memory>

class Platform;

class HelpCard : public MenuCard {
public:
    // platform: whose devices the keys are named for (null: the keyboard); controls: the
    // player's (null: the game's own). offersLesson: taking the card plays the lesson
    // (WhatNext: kLesson). seen: the later robot kinds the player has met.
    HelpCard(const Platform* platform, const ControlSettings* controls, bool offersLesson,
             const RobotsSeen& seen = RobotsSeen());

    Heard Hear(const GameEvent& event) override;
    void Draw() override;
    std::string Hint(const InputNames& names) const override;
    // Moves the chain on and names the keys anew for the device in use.
    bool Animate(uint32_t ms) override;

    const ChainPicture& Chain() const { return chain_; }
    // Whether the page of the robots met shows.
    bool ShowsRobots() const { return onRobots_; }
    const RobotsPage& Robots() const { return robots_; }

private:
    Heard Take(int) override;
    void Letter();
    InputNames Names() const { return InputNames(platform_, controls_); }

    const Platform* platform_;
    bool offersLesson_;
    CPaperGrid paper_;
    CSpriteContainer sprites_;     // the headings and the paragraphs
    CSpriteContainer noteSprites_; // the controls
    ControlsNote note_{noteSprites_, NoteLayout()};
    ChainPicture chain_;
    RobotsPage robots_;
    bool onRobots_ = false;

    static ControlsNote::Layout NoteLayout();
};
