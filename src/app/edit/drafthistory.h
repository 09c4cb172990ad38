#pragma once
// The editor's undo and redo: every change keeps the whole draft as it was before (a level is a
// few hundred bytes), up to kDepth of them; undo steps back, redo forward again, and a new change
// after an undo forgets what could have been redone. It lives as long as the editor does, so it
// is kept across a test play of the level.
#include "app/edit/leveldraft.h"

#include <deque>

class DraftHistory {
public:
    static constexpr std::size_t kDepth = 200;

    explicit DraftHistory(const LevelDraft& draft) : now_(draft) {}

    const LevelDraft& Now() const { return now_; }
    // The draft after a change; nothing is kept when it changed nothing.
    void Change(const LevelDraft& changed);
    // The draft after more of the same change (a mark dragged on): no step of its own.
    void Amend(const LevelDraft& changed) { now_ = changed; }
    bool Undo();
    bool Redo();
    std::size_t Undoable() const { return before_.size(); }

private:
    LevelDraft now_;
    std::deque<LevelDraft> before_;
    std::deque<LevelDraft> after_;
};
