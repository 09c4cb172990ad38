// The bot's knowledge of the later robot kinds.
#include "harness/botrobots.h"

#include "characters/characterkinds.h"
#include "characters/robots/minelayer.h"
#include "characters/robots/shieldrobot.h"
#include "characters/robots/twinrobot.h"

#include <cmath>

namespace {

constexpr float kBlastReach = 100.0f;       // a mine's blast, beyond the body it catches
constexpr uint32_t kPairWindow = 300;       // ms: a partner hit this recently is worth following up
constexpr float kWantedTwin = 0.05f;        // how much more the twin that completes a pair is wanted
constexpr float kWantedMine = 0.25f;        // and a mine with a robot in its reach
constexpr float kMineComfort = 70.0f;       // pixels kept from a mine
constexpr float kMineMargin = 22.0f;        // room left beside a mine on the bot's way past it
// The turns tried, in order, on a way that would cross a mine: 45, 90, 135 degrees either way and
// back, each as its cosine and sine (written out, so that every build turns alike).
struct Turn {
    float cosine;
    float sine;
};
constexpr Turn kDodgeTurns[] = {{0.70710678f, 0.70710678f}, {0.70710678f, -0.70710678f}, {0.0f, 1.0f},
                                {0.0f, -1.0f},              {-0.70710678f, 0.70710678f}, {-0.70710678f, -0.70710678f},
                                {-1.0f, 0.0f}};
constexpr float kShieldBackDistance = 160.0f; // where the bot stands behind a shield bot
constexpr float kShieldPull = 0.9f;
constexpr float kHunterComfort = 1.6f;      // a hunter it cannot hurt is kept this much farther away
constexpr float kHunterPush = 1.5f;
constexpr float kFieldInset = 90.0f;        // the spot behind a shield bot is kept this far inside the paper

bool Standing(const EnemyCharacter& robot) { return !robot.dead && robot.IsActive(); }

// A robot other than a mine within reach of the mine's blast.
bool VictimNear(const Gameplay::CQuenlowZarnImpl& world, const EnemyCharacter& mine)
{
    for (const auto& robot : world.enemies) {
        if (robot.get() == &mine || robot->kind == &kMineKind || !Standing(*robot) || !robot->FeelsBlasts())
            continue;
        const float reach = kBlastReach + robot->GetBodyRadius();
        if (LengthSquared(robot->Position() - mine.Position()) < reach * reach)
            return true;
    }
    return false;
}

// Whether someone other than the live player (a past self) hit the robot within the window.
bool HitByThePast(const Gameplay::CQuenlowZarnImpl& world, const EnemyCharacter& robot)
{
    const uint32_t since = world.worldTime > kPairWindow ? world.worldTime - kPairWindow : 0;
    for (int i = 0; i < world.hitRing.Capacity(); ++i) {
        const auto& record = world.hitRing[i];
        if (record.time >= since && record.enemy == CharacterRef(&robot) && record.shooter != CharacterRef(world.player.get()))
            return true;
    }
    return false;
}

float TwinWeight(const Gameplay::CQuenlowZarnImpl& world, const TwinRobot& twin)
{
    const TwinRobot* partner = twin.Partner();
    return partner && HitByThePast(world, *partner) ? kWantedTwin : 1.0f;
}

} // namespace

float TargetWeight(const Gameplay::CQuenlowZarnImpl& world, const EnemyCharacter& robot, const vector2& p)
{
    if (robot.kind == &kShieldKind)
        return static_cast<const ShieldRobot&>(robot).FromBehind(robot.Position() - p) ? 1.0f : 0.0f;
    if (robot.kind == &kHiveKind || robot.kind == &kSowerKind)
        return 0.0f;
    if (robot.kind == &kMineKind)
        return static_cast<const MineRobot&>(robot).Armed() && VictimNear(world, robot) ? kWantedMine : 0.0f;
    if (robot.kind == &kTwinKind)
        return TwinWeight(world, static_cast<const TwinRobot&>(robot));
    return 1.0f;
}

// A robot the present self cannot hurt that hunts it or stands in its way: a shield bot facing
// it, a sower, a phantom, a hive.
bool UnhurtHunter(const Gameplay::CQuenlowZarnImpl& world, const EnemyCharacter& robot, const vector2& p)
{
    if (robot.kind == &kPhantomKind || robot.kind == &kSowerKind || robot.kind == &kHiveKind)
        return true;
    return robot.kind == &kShieldKind && TargetWeight(world, robot, p) == 0.0f;
}

vector2 AwayFromHunters(const Gameplay::CQuenlowZarnImpl& world, float comfort, float lookAhead, const vector2& p)
{
    vector2 push;
    for (const auto& robot : world.enemies) {
        if (!Standing(*robot) || !UnhurtHunter(world, *robot, p))
            continue;
        const vector2 ahead = robot->Position() + vector2(ToFloat(robot->vel.x), ToFloat(robot->vel.y)) * lookAhead;
        const vector2 away = p - ahead;
        const float reach = comfort * kHunterComfort + robot->GetBodyRadius();
        const float distance = std::sqrt(LengthSquared(away));
        if (distance >= reach)
            continue;
        push += (distance > 0.5f ? Normalized(away) : vector2(1.0f, 0.0f)) * ((reach - distance) / reach * kHunterPush);
    }
    return push;
}

// Whether walking from p along the way (up to its end) passes over a mine that is armed or arms
// soon.
bool CrossesMine(const Gameplay::CQuenlowZarnImpl& world, const vector2& p, const vector2& way)
{
    for (const auto& robot : world.enemies) {
        if (robot->kind != &kMineKind || robot->dead || !static_cast<const MineRobot&>(*robot).FromAnEarlierLoop())
            continue;
        const float reach = robot->GetBodyRadius() + kMineMargin;
        if (LengthSquared(robot->Position() - NearestOnSegment(robot->Position(), p, p + way)) < reach * reach)
            return true;
    }
    return false;
}

vector2 SteerClearOfMines(const Gameplay::CQuenlowZarnImpl& world, const vector2& p, const vector2& desire, float stride)
{
    const float length = std::sqrt(LengthSquared(desire));
    if (length <= 0.0f || !CrossesMine(world, p, desire * (stride / length)))
        return desire;
    for (const Turn& turn : kDodgeTurns) {
        const vector2 turned(desire.x * turn.cosine - desire.y * turn.sine, desire.x * turn.sine + desire.y * turn.cosine);
        if (!CrossesMine(world, p, turned * (stride / length)))
            return turned;
    }
    return vector2();
}

float ComfortFrom(const EnemyCharacter& robot, float comfort)
{
    return robot.kind == &kMineKind ? kMineComfort : comfort;
}

vector2 AwayFromWires(const Gameplay::CQuenlowZarnImpl& world, float comfort, float lookAhead, const vector2& p)
{
    vector2 push;
    for (const auto& robot : world.enemies) {
        vector2 from;
        vector2 to;
        if (!robot->Wire(from, to))
            continue;
        const vector2 drift = vector2(ToFloat(robot->vel.x), ToFloat(robot->vel.y)) * lookAhead;
        from += drift;
        to += drift;
        const vector2 span = to - from;
        const vector2 away = p - NearestOnSegment(p, from, to);
        const float distance = std::sqrt(LengthSquared(away));
        if (distance >= comfort)
            continue;
        const vector2 side = distance > 0.5f ? Normalized(away) : vector2(-span.y, span.x);
        const float strength = (comfort - distance) / comfort;
        push += Normalized(side) * (strength * strength * 4.0f);
    }
    return push;
}

// Out of a shield bot's way while ahead of or beside it, then round to the spot behind it.
vector2 TowardShieldBacks(const Gameplay::CQuenlowZarnImpl& world, const vector2& p)
{
    const EnemyCharacter* nearest = nullptr;
    float best = 0.0f;
    for (const auto& robot : world.enemies) {
        if (robot->kind != &kShieldKind || !Standing(*robot) || !robot->target || robot->target == world.player.get())
            continue;
        const float distance = LengthSquared(robot->Position() - p);
        if (nearest && distance >= best)
            continue;
        best = distance;
        nearest = robot.get();
    }
    if (!nearest)
        return vector2();
    const vector2 heading = Normalized(vector2(ToFloat(nearest->vel.x), ToFloat(nearest->vel.y)));
    const vector2 away = p - nearest->Position();
    if (Dot(away, heading) > -kShieldBackDistance * 0.3f) {
        const vector2 across(-heading.y, heading.x);
        return across * (Dot(away, across) >= 0.0f ? kShieldPull : -kShieldPull);
    }
    const vector2 spot = nearest->Position() - heading * kShieldBackDistance;
    const vector2 inside(Clamp(spot.x, kFieldInset, kVirtualWidth - kFieldInset),
                         Clamp(spot.y, kFieldInset, kVirtualHeight - kFieldInset));
    return Normalized(inside - p) * (kShieldPull * Clamp(std::sqrt(LengthSquared(inside - p)) / 100.0f, 0.0f, 1.0f));
}
