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
        for (; !Done() && next_ < replay_.events.size() && replay_.events[next_].time <= phaseTime; ++next_)
            out.push_back(replay_.events[next_].event);
    }
    void Observe(uint32_t phaseTime, const GamePhase& phase) override
    {
        for (; !Done() && nextCheck_ < replay_.checks.size() && replay_.checks[nextCheck_].time <= phaseTime; ++nextCheck_) {
            const Replay::Check& check = replay_.checks[nextCheck_];
            if (check.time != phaseTime || DigestOf(phase.gameplay).hash != check.hash) {
                partedAt_ = check.time;
                partedLoop_ = phase.gameplay.Loop();
                parted_ = true;
            }
        }
    }
    // Watching a replay never changes the player's progress.
    bool KeepsProgress() const override { return false; }

    bool Done() const { return parted_ || nextCheck_ >= replay_.checks.size(); }
    bool Parted() const { return parted_; }
    uint32_t PartedAt() const { return partedAt_; }
    int PartedLoop() const { return partedLoop_; }

private:
    const Replay& replay_;
    std::size_t next_ = 0;
    std::size_t nextCheck_ = 0;
    bool parted_ = false;
    uint32_t partedAt_ = 0;
    int partedLoop_ = 1;
};

namespace {

FrameLoop::Options Watched(std::function<void()> drawOver)
{
    FrameLoop::Options options;
    options.pause.pausable = false;
    options.drawOver = std::move(drawOver);
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

bool ReplayPlayer::Playable(const Replay& replay, const kolm::CLevelList& levels, std::string& problem)
{
    const std::string level = "level " + std::to_string(replay.position);
    if (replay.position < 1 || replay.position >= levels.Count() || levels.FileNameAt(replay.position).empty()) {
        problem = "the replay is of " + level + ", which is not on the level list";
        return false;
    }
    const kolm::PlayerFileText file = kolm::ReadPlayerFile(replay.levelFile, Replay::kLargestFile);
    if (levels.FileNameAt(replay.position) != replay.levelFile || file.state != kolm::PlayerFileText::State::kRead ||
        LevelHash(file.text) != replay.levelHash) {
        problem = "recorded on another version of " + level;
        return false;
    }
    return true;
}

ReplayPlayer::ReplayPlayer(const Replay& replay, kolm::CLevelList& levels, bool noGrid, std::function<void()> drawOver)
    : replay_(replay), feed_(std::make_unique<Feed>(replay_))
{
    phase_ = std::make_unique<GamePhase>(noGrid, FirstLevel(replay_.levelFile), levels, GeneratorsOf(replay_));
    phase_->overlay->clearStands = replay_.clearStands;
    loop_ = std::make_unique<FrameLoop>(Watched(std::move(drawOver)), *phase_, feed_.get());
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

bool ReplayPlayer::Verified() const { return feed_->Done() && !feed_->Parted(); }

bool ReplayPlayer::Parted() const { return feed_->Parted(); }

std::string ReplayPlayer::PartedLine() const
{
    if (!Parted())
        return std::string();
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%.2f", feed_->PartedAt() / 1000.0);
    return "the world parted from the replay at " + std::string(seconds) + " s (loop " +
           std::to_string(feed_->PartedLoop()) + ")";
}

int ReplayPlayer::Loop() const
{
    return phase_->gameplay.Loop();
}
