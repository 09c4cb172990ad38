// The application's handle on the game world: the level's world, input turned into timed events, loops.
#include "world/gameplay.h"

#include "characters/playercharacter.h"
#include "characters/spritesets.h"
#include "engine/input/gamekeys.h"
#include "engine/render/sprite.h"
#include "world/world.h"

#include <algorithm>
#include <cmath>

namespace {

// The movement control of a key (the game's key numbers), or false for any other key.
bool ControlOfKey(int key, uint32_t& control)
{
    using namespace gamekeys;
    switch (key) {
    case kW:
    case kUp:
        control = kControlUp;
        return true;
    case kS:
    case kDown:
        control = kControlDown;
        return true;
    case kA:
    case kLeft:
        control = kControlLeft;
        return true;
    case kD:
    case kRight:
        control = kControlRight;
        return true;
    default:
        return false;
    }
}

bool BodyWithin(const PlayerCharacter& character, const rect& area)
{
    if (character.dead)
        return false;
    const vector2 centre = character.Position();
    const float radius = character.GetBodyRadius();
    return centre.x + radius > area.x && centre.x - radius < area.x + area.w && centre.y + radius > area.y &&
           centre.y - radius < area.y + area.h;
}

} // namespace

Gameplay::Gameplay(const RandomGenerators& random) : random_(random) {}

Gameplay::~Gameplay() = default;

bool Gameplay::IsPlayerDead() const { return world && world->playerDead; }

void Gameplay::LoadLevel(const std::string& levelFile)
{
    randomAtLoad_ = random_;
    auto next = std::make_unique<CQuenlowZarnImpl>(levelFile, random_);
    world = std::move(next);
    world->grid = grid;
    world->laterKinds = laterKinds_;
    ++levelsLoaded_;
}

void Gameplay::SetLaterKinds(bool on)
{
    laterKinds_ = on;
    if (world)
        world->laterKinds = on;
}

int Gameplay::Loop() const { return world ? static_cast<int>(world->oldGuys.size()) + 1 : 1; }

const std::string& Gameplay::LevelFile() const
{
    static const std::string kNone;
    return world ? world->levelFile : kNone;
}

void Gameplay::SetHeroUntouched(bool untouched)
{
    if (world)
        world->heroUntouched = untouched;
}

uint32_t Gameplay::BigRobotBlasts() const { return world ? world->bigRobotBlasts : 0; }

std::size_t Gameplay::ChainExplosionsWaiting() const { return world ? world->pendingExplosions.size() : 0; }

void Gameplay::SetGrid(CPaperGrid* paperGrid)
{
    grid = paperGrid;
    if (world)
        world->grid = paperGrid;
}

bool Gameplay::Update(int stepMs)
{
    if (world)
        world->WorldUpdate(static_cast<uint32_t>(stepMs));
    return true;
}

void Gameplay::Draw()
{
    // No more than a quarter of the picture: the share of the screen that may flash at once by
    // the usual guidance for players sensitive to flashing.
    constexpr float kSoftBrightArea = kVirtualWidth * kVirtualHeight * 0.25f;
    if (world)
        world->sprites.Draw(softFlashes_ ? kSoftBrightArea : 0.0f);
}

void Gameplay::SweepSprites()
{
    if (world)
        world->sprites.SweepKilled();
}

bool Gameplay::ControlEvent(uint32_t control, bool pressed)
{
    if (!world || !world->player)
        return false;
    InputEvent event;
    event.type = pressed ? kEventPressed : kEventReleased;
    event.key = control;
    event.time = world->worldTime;
    world->player->ApplyEvent(event);
    return false;
}

bool Gameplay::KeyEvent(int key, bool pressed)
{
    uint32_t control = 0;
    if (!ControlOfKey(key, control))
        return false;
    return ControlEvent(control, pressed);
}

bool Gameplay::KeyDown(int key) { return KeyEvent(key, true); }

bool Gameplay::KeyUp(int key) { return KeyEvent(key, false); }

bool Gameplay::FirePressed() { return ControlEvent(kControlFire, true); }

bool Gameplay::FireReleased() { return ControlEvent(kControlFire, false); }

bool Gameplay::SetAim(const vector2& point)
{
    if (world)
        world->aimCursor = vector2(std::trunc(point.x), std::trunc(point.y));
    return false;
}

bool Gameplay::IsLevelCleared() const { return world && world->IsLevelCleared(); }

float Gameplay::GetTimeProgress()
{
    return world ? LevelProgress(world->worldTime, world->timeline.LevelLength()) : 0.0f;
}

vector2 Gameplay::GetPlayerPosition() { return world && world->player ? world->player->Position() : vector2(); }

bool Gameplay::AnyBodyWithin(const rect& area) const
{
    if (!world)
        return false;
    const auto within = [&area](const auto& character) { return character && BodyWithin(*character, area); };
    return within(world->player) || std::any_of(world->oldGuys.begin(), world->oldGuys.end(), within) ||
           std::any_of(world->enemies.begin(), world->enemies.end(), within);
}

void Gameplay::RetireCurrentPlayer()
{
    if (!world || !world->player)
        return;
    PlayerCharacter& retired = *world->player;
    if (retired.sprite)
        retired.sprite->killed = true;
    retired.sprite = CreateOldGuySprite(world->sprites);
    world->oldGuys.push_back(std::move(world->player));
}

void Gameplay::RestartAttempt()
{
    if (world)
        world->WorldRestart();
}
