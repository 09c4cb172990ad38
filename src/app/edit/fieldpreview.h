#pragma once
// The field as it stands at any moment of the level being made. The draft is written to a level
// file of the preview's own and played from its start with no one at the keys, the hero standing
// where he arrives and touched by nothing, the same generators every time; a timeline plays it
// ahead in slices of the frames and keeps a snapshot a second (app/play/replaytimeline.h), so the
// field follows the editor's cursor as it is dragged. A changed draft is played ahead afresh.
#include "app/edit/leveldraft.h"
#include "app/play/replaytimeline.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class FieldPreview {
public:
    // file: the preview's own level file (written anew for every draft); drawOver: drawn over
    // the field (the editor's timeline and words).
    FieldPreview(kolm::CLevelList& levels, const std::string& file, std::function<void()> drawOver);
    ~FieldPreview();

    // Plays the draft ahead from its start.
    void Load(const LevelDraft& draft);
    void FillAhead(uint32_t sliceMs) { timeline_->FillAhead(sliceMs); }
    uint32_t FilledTo() const { return timeline_->FilledTo(); }
    // Shows the moment, or the latest the preview has reached before it; true when it shows the
    // moment itself.
    bool ShowAt(uint32_t time);
    uint32_t Shown() const { return shown_->LevelTime(); }
    const Gameplay& ShownGame() { return shown_->Phase().gameplay; }
    void Draw() { shown_->Draw(); }

    // The game as it stands at the moment shown, for a test play to begin from, and the store it
    // is read back with.
    PhaseSnapshot TakeShown();
    const SnapshotStore& Store() { return timeline_->Store(); }
    // The replay the preview plays: its level file and generators.
    const Replay& Played() const { return replay_; }

private:
    kolm::CLevelList& levels_;
    std::string file_;
    std::function<void()> drawOver_;
    Replay replay_;
    std::unique_ptr<ReplayTimeline> timeline_;
    std::unique_ptr<ReplayPlayer> shown_;
    uint32_t shownFor_ = 0; // the moment asked for that shows
};
