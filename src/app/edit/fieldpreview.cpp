#include "app/edit/fieldpreview.h"

#include "app/play/gamephase.h"
#include "utils/playerfile.h"

#include <algorithm>
#include <cstdio>

namespace {

// How much more than the level the preview plays: the field just after the clear too.
constexpr uint32_t kBeyondTheEnd = 1000;

} // namespace

FieldPreview::FieldPreview(kolm::CLevelList& levels, const std::string& file, std::function<void()> drawOver)
    : levels_(levels), file_(file), drawOver_(std::move(drawOver))
{
}

FieldPreview::~FieldPreview()
{
    shown_.reset();
    timeline_.reset();
    std::remove(file_.c_str());
}

void FieldPreview::Load(const LevelDraft& draft)
{
    std::string error;
    kolm::SavePlayerFile(file_, [&draft](const kolm::PlayerFileText&) { return draft.Text(); }, error);
    replay_ = Replay();
    replay_.levelFile = file_;
    replay_.milliseconds = static_cast<uint32_t>(draft.Length()) + kBeyondTheEnd;
    ReplayPlayer::Setup setup;
    setup.heroUntouched = true;
    shown_.reset();
    timeline_ = std::make_unique<ReplayTimeline>(replay_, levels_, ReplayTimeline::kDefaultBudget, setup);
    setup.drawOver = drawOver_;
    shown_ = std::make_unique<ReplayPlayer>(replay_, levels_, setup);
    shownFor_ = 0;
}

bool FieldPreview::ShowAt(uint32_t time)
{
    const uint32_t reachable = std::min(time, timeline_->FilledTo());
    if (reachable != shownFor_ && timeline_->Seek(*shown_, reachable))
        shownFor_ = reachable;
    return shownFor_ == time;
}

PhaseSnapshot FieldPreview::TakeShown() { return shown_->Snapshot(timeline_->Store()).phase; }
