#include "app/play/replayplayer.h"

#include "utils/playerfile.h"
#include "world/worlddigest.h"

#include <cstdio>
#include <utility>

// The replay's events as an input source of the frame loop, and its checks, looked at after
// every step.
class ReplayPlayer::Feed : public InputSource {
public:
    explicit Feed(const Replay& replay) : replay_(replay) {}

    void TakeTitleEvents(std::vector<GameEvent>&) override {}
    void TakeDue(uint32_t phaseTime, std::vector<GameEvent>& out) override
    {
        for (; !Done() && at_.nextEvent < replay_.events.size() && replay_.events[at_.nextEvent].time <= phaseTime;
             ++at_.nextEvent)
            out.push_back(replay_.events[at_.nextEvent].event);
    }
    void Observe(uint32_t phaseTime, const GamePhase& phase) override
    {
        at_.seen = phaseTime;
        for (; !Done() && at_.nextCheck < replay_.checks.size() && replay_.checks[at_.nextCheck].time <= phaseTime;
             ++at_.nextCheck) {
            const Replay::Check& check = replay_.checks[at_.nextCheck];
            if (check.time != phaseTime || DigestOf(phase.gameplay).hash != check.hash) {
                at_.partedAt = check.time;
                at_.partedLoop = phase.gameplay.Loop();
                at_.parted = true;
            }
        }
    }
    // Watching a replay never changes the player's progress.
    bool KeepsProgress() const override { return false; }

    bool Done() const
    {
        if (replay_.checks.empty())
            return at_.seen >= replay_.milliseconds;
        return at_.parted || at_.nextCheck >= replay_.checks.size();
    }
    const Cursor& At() const { return at_; }
    void MoveTo(const Cursor& cursor) { at_ = cursor; }

private:
    const Replay& replay_;
    Cursor at_;
};

namespace {

FrameLoop::Options Watched(const std::function<void()>& drawOver)
{
    FrameLoop::Options options;
    options.pause.pausable = false;
    options.drawOver = drawOver;
    return options;
}

RandomGenerators GeneratorsOf(const Replay& replay)
{
    RandomGenerators random;
    random.RandomSeed(replay.minimalState);
    random.SeedRuntimeRandom(replay.runtimeState);
    return random;
}

} // namespace

bool ReplayPlayer::Playable(const Replay& replay, std::string& problem)
{
    const kolm::PlayerFileText file = kolm::ReadPlayerFile(replay.levelFile, Replay::kLargestFile);
    if (file.state != kolm::PlayerFileText::State::kRead) {
        problem = "the replay's level " + replay.levelFile + " is not here";
        return false;
    }
    if (LevelHash(file.text) != replay.levelHash) {
        problem = "recorded on another version of level " + std::to_string(replay.position);
        return false;
    }
    return true;
}

ReplayPlayer::ReplayPlayer(const Replay& replay, kolm::CLevelList& levels, const Setup& setup)
    : replay_(replay), feed_(std::make_unique<Feed>(replay_))
{
    phase_ = std::make_unique<GamePhase>(setup.noGrid, FirstLevel(replay_.levelFile), levels, GeneratorsOf(replay_));
    phase_->overlay->clearStands = replay_.clearStands;
    phase_->gameplay.SetHeroUntouched(setup.heroUntouched);
    loop_ = std::make_unique<FrameLoop>(Watched(setup.drawOver), *phase_, feed_.get());
    loop_->RestoreSticks(replay_.pad);
    loop_->HandleDueInputEvents();
}

ReplayPlayer::~ReplayPlayer()
{
    loop_.reset();
    phase_.reset();
}

void ReplayPlayer::Step(bool drawn)
{
    if (!Finished())
        loop_->StepAndHandleEvents(drawn);
}

bool ReplayPlayer::Verified() const { return feed_->Done() && !feed_->At().parted; }

bool ReplayPlayer::Parted() const { return feed_->At().parted; }

std::string ReplayPlayer::PartedLine() const
{
    if (!Parted())
        return std::string();
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%.2f", feed_->At().partedAt / 1000.0);
    return "the world parted from the replay at " + std::string(seconds) + " s (loop " +
           std::to_string(feed_->At().partedLoop) + ")";
}

int ReplayPlayer::Loop() const
{
    return phase_->gameplay.Loop();
}

ReplayPlayer::Moment ReplayPlayer::Snapshot(SnapshotStore& store)
{
    return {TakeSnapshot(*phase_, *loop_, store), feed_->At()};
}

bool ReplayPlayer::Restore(const Moment& moment, const SnapshotStore& store)
{
    if (!PutBack(moment.phase, *phase_, *loop_, store))
        return false;
    feed_->MoveTo(moment.cursor);
    return true;
}
