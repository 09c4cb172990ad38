#include "app/menu/chainpicture.h"

#include "app/text/translate.h"
#include "utils/datafiles.h"

#include <algorithm>
#include <cmath>

namespace {

using datafiles::FrameSet;

// Where things stand in the box, from its top-left corner.
const vector2 kHeroAt(230.0f, 45.0f);
const vector2 kPastSelfAt(230.0f, 145.0f);
const vector2 kRobotsAt[] = {{400.0f, 95.0f}, {455.0f, 60.0f}, {455.0f, 130.0f}, {510.0f, 95.0f}};
// Which blast each robot goes up in: the first hit, then its two neighbours, then the last.
constexpr uint32_t kBlastOrder[] = {0, 1, 1, 2};
constexpr float kLabelBaseline = 8.0f; // below the figure's middle

constexpr float kDrift = 0.02f;        // the robots' pace, pixels a millisecond, leftwards
constexpr float kFacingLeft = 3.14159265f;
constexpr float kShotSpeed = 0.45f;    // pixels a millisecond
constexpr uint32_t kFirstShot = 300;
constexpr uint32_t kShotGap = 100;
constexpr uint32_t kShotsEach = 10;
constexpr float kMuzzle = 30.0f;
constexpr uint32_t kBlastMs = 700;
constexpr int kPuffs = 3;
const vector2 kPuffOffsets[kPuffs] = {{-8.0f, -5.0f}, {7.0f, -6.0f}, {0.0f, 8.0f}};

float AngleTo(const vector2& from, const vector2& to) { return std::atan2(to.y - from.y, to.x - from.x); }

vector2 Along(const vector2& from, const vector2& to, float distance)
{
    const vector2 way = to - from;
    const float length = std::sqrt(LengthSquared(way));
    return length > 0.0f ? from + way * (distance / length) : from;
}

} // namespace

ChainPicture::ChainPicture(const vector2& corner) : corner_(corner)
{
    Lettering lettering(sprites_);
    lettering.Write(Tr("picture label", "you"), corner + vector2(0.0f, kHeroAt.y + kLabelBaseline), datafiles::GlyphSize::kSmall);
    lettering.Write(Tr("picture label", "past self"), corner + vector2(0.0f, kPastSelfAt.y + kLabelBaseline), datafiles::GlyphSize::kSmall);
    hero_ = sprites_.CreateSprite(datafiles::Frame(FrameSet::kHero, 1));
    pastSelf_ = sprites_.CreateSprite(datafiles::Frame(FrameSet::kOldGuy, 1));
    for (std::size_t i = 0; i < std::size(kRobotsAt); ++i)
        robots_.push_back({sprites_.CreateSprite(datafiles::Frame(FrameSet::kSmallMoving, 1)), corner + kRobotsAt[i],
                           kFirstBlastMs + kBlastOrder[i] * kBlastGapMs});
    for (uint32_t i = 0; i < 2 * kShotsEach; ++i)
        shots_.push_back(sprites_.CreateSprite(datafiles::kHeroBullet));
    for (std::size_t i = 0; i < robots_.size() * kPuffs; ++i)
        smoke_.push_back(sprites_.CreateSprite(datafiles::Smoke(static_cast<int>(i % 5) + 1)));
    Place();
}

void ChainPicture::Advance(uint32_t ms)
{
    time_ = (time_ + ms) % kPeriodMs;
    Place();
}

int ChainPicture::RobotsStanding() const
{
    return static_cast<int>(std::count_if(robots_.begin(), robots_.end(), [this](const Robot& robot) { return time_ < robot.blast; }));
}

void ChainPicture::Place()
{
    const vector2 drift(-kDrift * static_cast<float>(std::min(time_, kFirstBlastMs)), 0.0f);
    for (std::size_t i = 0; i < robots_.size(); ++i) {
        const Robot& robot = robots_[i];
        robot.body->SetCentre(robot.start + drift);
        robot.body->angle = kFacingLeft;
        robot.body->SetAlpha(time_ < robot.blast ? 1.0f : 0.0f);
        PlaceBlast(i, robot.start + drift, time_ >= robot.blast ? time_ - robot.blast : kBlastMs);
    }
    const vector2 target = robots_.front().body->GetCentre();
    hero_->SetCentre(corner_ + kHeroAt);
    hero_->angle = AngleTo(corner_ + kHeroAt, target);
    pastSelf_->SetCentre(corner_ + kPastSelfAt);
    pastSelf_->angle = AngleTo(corner_ + kPastSelfAt, target);
    PlaceShots();
}

// Each shooter's shots fly from its gun to the first robot, and are gone once they reach it.
void ChainPicture::PlaceShots()
{
    const vector2 target = robots_.front().body->GetCentre();
    for (uint32_t i = 0; i < shots_.size(); ++i) {
        const vector2 from = corner_ + (i < kShotsEach ? kHeroAt : kPastSelfAt);
        const uint32_t fired = kFirstShot + (i % kShotsEach) * kShotGap + (i < kShotsEach ? 0 : kShotGap / 2);
        const float flown = time_ >= fired ? static_cast<float>(time_ - fired) * kShotSpeed : -1.0f;
        const float reach = std::sqrt(LengthSquared(target - from)) - kMuzzle;
        CSprite* shot = shots_[i];
        const bool flying = flown >= 0.0f && flown < reach && time_ < kFirstBlastMs;
        shot->SetAlpha(flying ? 1.0f : 0.0f);
        shot->SetCentre(Along(from, target, kMuzzle + std::max(flown, 0.0f)));
        shot->angle = AngleTo(from, target);
    }
}

// A robot's blast: puffs of smoke, fire-coloured at first, that swell, grey and fade.
void ChainPicture::PlaceBlast(std::size_t index, const vector2& at, uint32_t since)
{
    const float age = std::min(1.0f, static_cast<float>(since) / static_cast<float>(kBlastMs));
    for (int puff = 0; puff < kPuffs; ++puff) {
        CSprite* smoke = smoke_[index * kPuffs + static_cast<std::size_t>(puff)];
        smoke->scaleX = smoke->scaleY = 0.8f + 2.2f * age;
        smoke->SetCentre(at + kPuffOffsets[puff] * (1.0f + 2.0f * age));
        smoke->SetColour(1.0f - 0.5f * age, 0.45f + 0.05f * age, 0.1f + 0.4f * age);
        smoke->SetAlpha(age < 1.0f ? 1.0f - age : 0.0f);
    }
}
