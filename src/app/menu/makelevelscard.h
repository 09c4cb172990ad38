#pragma once
// Make levels: the player's own levels (app/levels/mylevels.h), one line each by its name (else
// its file), after "New level", then "Add from link", "Install a pack" and "Make a pack", then
// "Back". A level taken asks, on a small card in the list's place: "Play", "Edit", "Rename",
// "Copy", "Delete" (which asks again: "Keep" or "Delete") or "Back". "New level" makes a level of
// a minute and opens it in the editor. "Add from link", "Install a pack", "Make a pack" (its
// title) and "Rename" (on the level's own line) take text, typed or pasted (a link or share code,
// a zip's path, a title, a name; its end shows on their line); Return acts on it, Escape leaves
// it; the line then says in a word what came of it, and the hint line under the card says it
// whole. "Make a pack" writes a zip of all the player's levels, in their order, to
// "$XDG_DATA_HOME/tobrakka/made-packs/ID.zip" (the id made from the title), to pass to a friend.
#include "app/levels/mylevels.h"
#include "app/menu/menucard.h"

#include <memory>
#include <string>

class Platform;

class MakeLevelsCard : public MenuCard {
public:
    // platform: asked for text while a line takes it (null: none).
    MakeLevelsCard(MyLevels mine, Platform* platform, const ControlSettings* controls = nullptr);
    ~MakeLevelsCard() override;

    Heard Hear(const GameEvent& event) override;
    void Draw() override;
    // The small card of a level, while it shows.
    const Menu* Asking() const { return asking_.get(); }
    // What came of the last thing done, in one line, while there is one; else the keys.
    std::string Hint(const InputNames& names) const override;
    const std::string& Said() const { return said_; }
    // A file dropped onto the window or the page: a pack's zip is installed, any other file kept
    // as a level of the player's (by the rules of a shared level); the card says what came of it.
    void TakeDropped(const std::string& path);

private:
    enum class Typing { kNone, kLink, kPack, kMakePack, kRename };

    Heard Take(int line) override;
    Heard TakeAsked(int line);
    Heard HearTyping(const GameEvent& event);
    void StartTyping(Typing typing, const std::string& typed = std::string());
    void StopTyping();
    // Acts on the text typed; the line says what came of it.
    void ActOnTyped();
    void MakePack(const std::string& title);
    // The note of a line that takes text while it does.
    std::string TypedNote(Typing typing) const;
    void Relist(const std::string& note = std::string());
    // The line says word of what came of it; the hint line says it whole.
    void Say(bool done, const std::string& word, const std::string& line);
    void Ask(const std::string& title, const std::vector<std::string>& labels);

    MyLevels mine_;
    Platform* platform_;
    std::vector<MyLevels::Level> levels_;
    std::unique_ptr<Menu> asking_;
    bool confirming_ = false; // the small card asks whether to delete
    int askedLevel_ = -1;     // the index of the level asked about
    Typing typing_ = Typing::kNone;
    std::string typed_;
    std::string said_;
};
