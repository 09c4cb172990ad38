#pragma once
// The main menu after the title splash: "Continue at level N" (after the furthest level cleared,
// first and only when there is progress and levels are left), "New game" ("Play again" once every
// level is cleared), "Levels", "Replays", "Options", "How to play" and "Quit", on the ruled paper.
// The level select, the replays, the options and the help open over the same paper; Escape goes
// back from them, and does nothing on the main menu itself. "New game" asks a player who has
// never cleared a level whether to learn to play first (the lesson); "How to play" offers the
// lesson too. Like the title screen, a driver ticks it with the time and no tick blocks: it reads the
// events every 16 ms, draws when the picture changes, and presents the last picture again when
// the window may have lost it and a few times a second besides.
//
// An input source that drives the menus (a script under "-menus") sends its events here too, as
// a person's, on a clock that advances 16 ms with each of these polls.
#include "app/edit/levelcheck.h"
#include "app/menu/levelscard.h"
#include "app/menu/menu.h"
#include "app/menu/menuhint.h"
#include "app/menu/optionscard.h"
#include "app/menu/replayscard.h"
#include "app/screen/pollcadence.h"
#include "app/screen/gamescreen.h"
#include "app/screen/stillpicture.h"
#include "utils/levellist/clevellist.h"
#include "grid/papergrid.h"

#include <cstdint>
#include <memory>
#include <vector>

class InputSource;
class Platform;
class SettingsKeeper;

class MainMenu : public GameScreen {
public:
    // levels: the list the game plays; platform: the window the options change (null: none);
    // toolsDriveMenus: the tools' events are heard here; check: how today's card has the bot
    // check the day's level (null: it cannot).
    MainMenu(SettingsKeeper& settings, const kolm::CLevelList& levels, Platform* platform, bool toolsDriveMenus,
             LevelCheckMaker check = {});
    MainMenu(const MainMenu&) = delete;
    MainMenu& operator=(const MainMenu&) = delete;

    bool Tick(uint32_t now) override;
    uint32_t NextDue() const override { return poll_.Next(); }
    void HandleEvent(const GameEvent& event) override;
    void Draw() override;
    Change WhatNext() const override { return next_; }
    void LetToolsLook(InputSource& tools, uint32_t clock) override;
    void TakeToolEvents(InputSource& tools, uint32_t clock, std::vector<GameEvent>& out) override;
    bool RunsToolClock() const override { return toolsDriveMenus_; }
    // Opens the list of replays, or the levels card (back from watching a replay).
    void ShowReplays();
    // The Levels card, at the book of that list file (empty, or none such: the game's own).
    void ShowLevels(const std::string& book = std::string());
    void ShowMakeLevels();
    // Today's level's card (app/daily/dailycard.h), for the date by the clock.
    void ShowDaily();

    // What shows: the main menu's own lines, the card over them (null for none) and the hint.
    const Menu& Lines() const { return *main_; }
    const MenuCard* Card() const { return card_.get(); }
    const std::string& Hint() const { return hint_.Shown(); }
    // Every level the player has a replay of may be on, by its file's hash, as the Replays card
    // names it: the game's own, the books', and the days' played.
    ReplaysCard::LevelNames NamesOfLevels() const;

private:
    enum class Action { kContinue, kContinueNotebook, kNewGame, kLevels, kReplays, kOptions, kHelp, kMakeLevels, kDaily, kQuit };

    // The main menu's lines in the language spoken, noting the action of each.
    std::vector<Menu::Choice> MainLines();
    void HandleMain(const GameEvent& event);
    bool FindNextNotebook();
    void TakeDroppedFiles();
    // The level select or the options, while one shows over the main menu.
    void HandleCard(std::unique_ptr<MenuCard>& card, const GameEvent& event);
    void Take(Action action);
    void Play(int startAfter);
    // The player has never cleared a level: "New game" offers the lesson first.
    bool Newcomer() const;

    SettingsKeeper& settings_;
    const kolm::CLevelList& levels_;
    Platform* platform_;
    bool toolsDriveMenus_;
    LevelCheckMaker check_;
    int levelCount_;
    Progress progress_;
    ReplayShelf shelf_; // the player's replays
    uint32_t speech_; // SpeechChanges() when the lines were lettered
    // Where "Continue" goes once the game's own levels are all cleared.
    struct NextNotebook {
        std::string listFile;
        int startAfter = 0;
    };
    NextNotebook nextNotebook_;
    std::vector<Action> actions_; // of the main menu's lines
    CPaperGrid paper_;
    std::unique_ptr<Menu> main_;
    std::unique_ptr<MenuCard> card_; // a card over the main menu (levels, replays, options...)
    MenuHint hint_;
    Change next_;
    PollCadence poll_;
    StillPicture still_;
};

