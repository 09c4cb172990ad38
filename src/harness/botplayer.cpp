#include "harness/botplayer.h"

#include "app/play/gamephase.h"
#include "harness/botrobots.h"
#include "characters/enemycharacter.h"
#include "characters/playercharacter.h"
#include "engine/core/numeric.h"
#include "engine/input/gamekeys.h"
#include "engine/render/picturerect.h"
#include "world/bullet.h"
#include "world/world.h"

#include <cmath>

namespace {

const int kDirectionKeys[4] = {gamekeys::kUp, gamekeys::kDown, gamekeys::kLeft, gamekeys::kRight};
constexpr int kContinueDelaySteps = 150; // a moment to see the message, as a person would
constexpr float kWallComfort = 110.0f;
constexpr float kMineStride = 7.5f; // pixels a step at most: how far ahead of itself it looks for mines

bool OnField(const vector2& p) { return p.x > 0.0f && p.x < kVirtualWidth && p.y > 0.0f && p.y < kVirtualHeight; }

vector2 RobotVelocity(const EnemyCharacter& robot)
{
    return vector2(ToFloat(robot.vel.x), ToFloat(robot.vel.y)); // pixels per step
}

// Pushes away from every living robot within reach, more strongly the closer it is.
vector2 AwayFromRobots(const Gameplay::CQuenlowZarnImpl& world, const BotPlayer::Skill& skill, const vector2& p)
{
    vector2 push;
    for (const auto& robot : world.enemies) {
        if (robot->dead || !robot->IsActive())
            continue;
        // Where it will be in a few steps.
        const vector2 ahead = robot->Position() + RobotVelocity(*robot) * skill.robotLookAhead;
        const vector2 away = p - ahead;
        const float reach = ComfortFrom(*robot, skill.robotComfort) + robot->GetBodyRadius();
        const float distance = std::sqrt(LengthSquared(away));
        if (distance >= reach)
            continue;
        const float strength = (reach - distance) / reach;
        push += Normalized(away) * (strength * strength * 4.0f);
    }
    return push;
}

// Steps aside from robot shots that will pass close by.
vector2 AwayFromShots(const Gameplay::CQuenlowZarnImpl& world, const BotPlayer::Skill& skill, const vector2& p)
{
    vector2 push;
    for (const auto& bullet : world.bullets) {
        if (bullet->team == kTeamHumans || bullet->dead)
            continue;
        const vector2 toPlayer = p - bullet->position;
        const vector2 heading = Normalized(bullet->velocity);
        const float along = Dot(toPlayer, heading);
        if (along < -20.0f || along > skill.shotHorizon)
            continue;
        const vector2 closest = bullet->position + heading * along;
        const vector2 aside = p - closest;
        const float miss = std::sqrt(LengthSquared(aside));
        if (miss >= skill.shotComfort)
            continue;
        const vector2 side = miss > 0.5f ? Normalized(aside) : vector2(-heading.y, heading.x);
        push += side * ((skill.shotComfort - miss) / skill.shotComfort * 3.0f);
    }
    return push;
}

vector2 AwayFromWalls(const vector2& p)
{
    vector2 push;
    if (p.x < kWallComfort)
        push.x += (kWallComfort - p.x) / kWallComfort;
    if (p.x > kVirtualWidth - kWallComfort)
        push.x -= (p.x - (kVirtualWidth - kWallComfort)) / kWallComfort;
    if (p.y < kWallComfort)
        push.y += (kWallComfort - p.y) / kWallComfort;
    if (p.y > kVirtualHeight - kWallComfort)
        push.y -= (p.y - (kVirtualHeight - kWallComfort)) / kWallComfort;
    return push;
}

// The nearest robot on the field that it wants (botrobots.h weighs the later kinds), and where to
// aim to meet it with a player shot.
bool PickTarget(const Gameplay::CQuenlowZarnImpl& world, const BotPlayer::Skill& skill, const vector2& p, vector2& aim)
{
    float best = 0.0f;
    bool found = false;
    for (const auto& robot : world.enemies) {
        const vector2 at = robot->Position();
        if (robot->dead || !robot->IsActive() || !OnField(at))
            continue;
        const float weight = TargetWeight(world, *robot, p);
        if (weight <= 0.0f)
            continue;
        const float distance = LengthSquared(at - p);
        if (found && distance * weight >= best)
            continue;
        best = distance * weight;
        found = true;
        // Leads the robot by the skill's share of what a perfect shot would.
        const float stepsToHit = std::sqrt(distance) / 15.2f;
        aim = at + RobotVelocity(*robot) * (stepsToHit * skill.lead);
    }
    return found;
}

} // namespace

const BotPlayer::Skill BotPlayer::kPractised = {12, 45.0f, 0.5f, 8.0f, 170.0f, 60.0f, 400.0f};
const BotPlayer::Skill BotPlayer::kNovice = {21, 90.0f, 0.0f, 0.0f, 90.0f, 35.0f, 150.0f};

BotPlayer::BotPlayer(const Options& options) : options_(options), random_(options.seed ? options.seed : 1) {}

uint32_t BotPlayer::NextRandom()
{
    // xorshift32: the bot's own choices, apart from the game's generators.
    random_ ^= random_ << 13;
    random_ ^= random_ >> 17;
    random_ ^= random_ << 5;
    return random_;
}

float BotPlayer::Jitter() { return (static_cast<float>(NextRandom() % 2001) / 1000.0f - 1.0f) * options_.skill.aimError; }

void BotPlayer::TakeTitleEvents(std::vector<GameEvent>& out) { out.push_back(GameEvent::Key(gamekeys::kSpace, true)); }

void BotPlayer::TakeDue(uint32_t, std::vector<GameEvent>& out)
{
    out.insert(out.end(), pending_.begin(), pending_.end());
    pending_.clear();
}

void BotPlayer::Observe(uint32_t, const GamePhase& phase) { Decide(phase.gameplay); }

void BotPlayer::PressKey(int key) { pending_.push_back(GameEvent::Key(key, true)); }

void BotPlayer::ReleaseKey(int key) { pending_.push_back(GameEvent::Key(key, false)); }

void BotPlayer::SetHeld(int index, bool held)
{
    if (held_[index] == held)
        return;
    held_[index] = held;
    if (held)
        PressKey(kDirectionKeys[index]);
    else
        ReleaseKey(kDirectionKeys[index]);
}

void BotPlayer::SetFiring(bool firing)
{
    if (firing_ == firing)
        return;
    firing_ = firing;
    pending_.push_back(GameEvent::MouseButton(GameEvent::kLeftButton, firing));
}

void BotPlayer::AimAt(const vector2& point)
{
    // Virtual units to the pixel over them of the tools' 1280 x 720 window (app/play/frameloop.h).
    const PictureRect picture;
    const int x = picture.x + TruncToInt32(Clamp(point.x, 0.0f, kVirtualWidth - 1.0f) * picture.width / kVirtualWidth);
    const int y = picture.y + TruncToInt32(Clamp(point.y, 0.0f, kVirtualHeight - 1.0f) * picture.height / kVirtualHeight);
    if (x == lastMouseX_ && y == lastMouseY_)
        return;
    lastMouseX_ = x;
    lastMouseY_ = y;
    pending_.push_back(GameEvent::MouseMotion(x, y));
}

void BotPlayer::ReleaseEverything()
{
    for (int i = 0; i < 4; ++i)
        SetHeld(i, false);
    SetFiring(false);
}

void BotPlayer::Decide(const Gameplay& gameplay)
{
    const Gameplay::CQuenlowZarnImpl* world = gameplay.World();
    if (!world)
        return;
    if (world->playerDead || world->IsLevelCleared() || !world->player) {
        ReleaseEverything();
        if (++waitingSteps_ >= kContinueDelaySteps) {
            waitingSteps_ = 0;
            PressKey(gamekeys::kSpace);
        }
        return;
    }
    waitingSteps_ = 0;
    if (++stepsSinceDecision_ < options_.skill.reactionSteps)
        return;
    stepsSinceDecision_ = 0;
    if (options_.restartChance && NextRandom() % 10000 < options_.restartChance) {
        PressKey(gamekeys::kF5);
        return;
    }
    const vector2 p = world->player->Position();
    const Skill& skill = options_.skill;
    vector2 desire = AwayFromRobots(*world, skill, p) + AwayFromShots(*world, skill, p) + AwayFromWalls(p) +
                     AwayFromWires(*world, skill.robotComfort, skill.robotLookAhead, p) +
                     AwayFromHunters(*world, skill.robotComfort, skill.robotLookAhead, p) + TowardShieldBacks(*world, p);
    desire += (vector2(kVirtualWidth * 0.5f, 400.0f) - p) * 0.0015f; // drift back toward the open middle
    desire = SteerClearOfMines(*world, p, desire, kMineStride * static_cast<float>(skill.reactionSteps));
    const float length = std::sqrt(LengthSquared(desire));
    const bool move = length > 0.15f;
    SetHeld(0, move && desire.y < -0.4f * length);
    SetHeld(1, move && desire.y > 0.4f * length);
    SetHeld(2, move && desire.x < -0.4f * length);
    SetHeld(3, move && desire.x > 0.4f * length);

    vector2 aim;
    const bool target = PickTarget(*world, skill, p, aim);
    if (target) {
        // Drawn in two statements, as the order of a call's arguments is left to the compiler
        // (GCC and Clang differ): the vertical error first, as the bot has always drawn them.
        const float errorY = Jitter();
        const float errorX = Jitter();
        AimAt(aim + vector2(errorX, errorY));
    }
    SetFiring(target);
}
