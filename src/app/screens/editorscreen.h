#pragma once
// The level editor. The field shows the level as it stands at the cursor (app/edit/fieldpreview.h)
// and follows the cursor as it moves or is dragged; the timeline along the bottom holds the
// level's events (app/edit/editorview.h). Every change is written to the level's file at once and
// kept by the undo history, which lasts as long as the editor, test plays included.
//
// Keys: left and right move the cursor by the snap (Home, End: the level's ends), up and down mark
// the event before or after it; the digit of a robot places one at the cursor; Delete takes the
// marked event away, C puts a copy of it at the cursor, M moves it there; G changes the snap (50,
// 100, 250, 500 ms), - and + (=) make the level a second shorter or longer (with Shift, ten); Z undoes,
// Y redoes (Ctrl with them too); T tests the level from the cursor, with two seconds' lead-in; K
// checks it with the bot in the background; N names it; Escape opens the editor's card (go on,
// test, check, name, share, back). The mouse: a press on the timeline puts the cursor there and a
// drag takes it along; a press on a mark marks it, and a drag moves it; the right button takes a
// mark away; a press on the palette places its robot at the cursor.
#include "app/edit/drafthistory.h"
#include "app/edit/editorview.h"
#include "app/edit/fieldpreview.h"
#include "app/edit/levelcheck.h"
#include "app/edit/testplay.h"
#include "app/menu/menu.h"
#include "app/screen/gamescreen.h"
#include "app/screen/pollcadence.h"
#include "app/screen/stillpicture.h"

#include <functional>
#include <memory>
#include <string>

class Platform;
struct Settings;

class EditorScreen : public GameScreen {
public:
    struct Setup {
        std::string file;  // the level file made or changed (made when missing)
        std::string name;  // its name; empty for a file that has none
        // Keeps a new name (the player's levels keep names in their list); null: no naming.
        std::function<bool(const std::string& name)> rename;
        // The link that shares the level's file ("" when it cannot be made); null: no sharing.
        std::function<std::string(const std::string& file)> shareLink;
        kolm::CLevelList* levels = nullptr;
        const Settings* settings = nullptr;
        Platform* platform = nullptr;
        LevelCheckMaker check; // null: no bot to check with
        std::string scratchFolder; // where the preview keeps its level file
        bool toolsDriveMenus = false;
        Change back = Change(Change::To::kMainMenu);
    };

    static constexpr int32_t kLeadInMs = 2000;

    explicit EditorScreen(const Setup& setup);
    ~EditorScreen() override;
    EditorScreen(const EditorScreen&) = delete;
    EditorScreen& operator=(const EditorScreen&) = delete;

    bool Tick(uint32_t now) override;
    uint32_t NextDue() const override;
    void HandleEvent(const GameEvent& event) override;
    void Draw() override;
    Change WhatNext() const override { return next_; }
    bool ShowsCursor() const override { return !testing_; }
    void LetToolsLook(InputSource& tools, uint32_t clock) override;
    void TakeToolEvents(InputSource& tools, uint32_t clock, std::vector<GameEvent>& out) override;
    bool RunsToolClock() const override { return setup_.toolsDriveMenus; }

    const LevelDraft& Draft() const { return history_.Now(); }
    // The field as it shows at the cursor.
    const Gameplay& Field() { return preview_.ShownGame(); }
    int32_t Cursor() const { return cursor_; }
    int Selected() const { return selected_; }
    const TestPlay* Testing() const { return testing_.get(); }
    const LevelCheck* Checking() const { return check_.get(); }
    const std::string& Name() const { return name_; }
    std::string Words() const;
    std::string Figures() const;
    const std::string& Note() const { return note_; }

private:
    enum Line { kGoOn, kTest, kCheck, kName, kShare, kBack };

    void Apply(const LevelDraft& changed, int selected);
    void Keep();
    void Command(const GameEvent& heard);
    bool EditCommand(int32_t key);
    bool MoveCommand(int32_t key);
    void AddAtCursor(int32_t type);
    void MoveCursor(int32_t time);
    bool HandlePointer(const GameEvent& event);
    void DragMark(int32_t at);
    void HandleCard(const GameEvent& event);
    void Take(int line);
    void HandleNaming(const GameEvent& event);
    void StartNaming();
    void StopNaming(bool keep);
    void StartTest();
    void StartCheck();
    void Share();
    void TickEditing();
    void DrawOver();
    std::string Hint(int line) const;

    Setup setup_;
    DraftHistory history_;
    std::string name_;
    FieldPreview preview_;
    EditorView view_;
    int32_t cursor_ = 0;
    int selected_ = -1;
    std::size_t snap_ = 2; // into the snaps offered
    bool shiftHeld_ = false;
    bool draggingCursor_ = false;
    bool draggingMark_ = false;
    bool markMoved_ = false; // the mark dragged has moved: its move is in the history
    bool naming_ = false;
    std::string typedName_;
    std::string note_;
    std::unique_ptr<Menu> card_;
    std::unique_ptr<TestPlay> testing_;
    std::unique_ptr<LevelCheck> check_;
    bool checkDone_ = false;
    std::string listFile_;
    PollCadence poll_;
    StillPicture still_;
    Change next_;
};
