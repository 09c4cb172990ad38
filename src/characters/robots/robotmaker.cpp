// Each kind's class and body.
#include "characters/robots/robotmaker.h"

#include "characters/characterkinds.h"
#include "characters/robots/hiverobot.h"
#include "characters/robots/minelayer.h"
#include "characters/robots/phantomrobot.h"
#include "characters/robots/shieldrobot.h"
#include "characters/robots/twinrobot.h"
#include "characters/spritesets.h"


namespace {

template <typename Robot>
std::unique_ptr<EnemyCharacter> Make(CharacterRegistry* registry)
{
    return std::make_unique<Robot>(registry);
}

struct LaterKind {
    const EnemyKind* kind;
    std::unique_ptr<EnemyCharacter> (*make)(CharacterRegistry*);
    datafiles::FrameSet frames;
    bool turns; // its body turns with its heading (the hive and the mine stand upright)
};

const LaterKind kLaterKinds[] = {
    {&kShieldKind, Make<ShieldRobot>, datafiles::FrameSet::kShieldBot, true},
    {&kTwinKind, Make<TwinRobot>, datafiles::FrameSet::kTwinBot, true},
    {&kPhantomKind, Make<PhantomRobot>, datafiles::FrameSet::kPhantom, true},
    {&kHiveKind, Make<HiveRobot>, datafiles::FrameSet::kHive, false},
    {&kHatchlingKind, Make<HatchlingRobot>, datafiles::FrameSet::kHatchling, true},
    {&kSowerKind, Make<SowerRobot>, datafiles::FrameSet::kSower, true},
    {&kMineKind, Make<MineRobot>, datafiles::FrameSet::kMine, false},
};

const LaterKind* LaterKindOf(const EnemyKind* kind)
{
    for (const LaterKind& later : kLaterKinds) {
        if (later.kind == kind)
            return &later;
    }
    return nullptr;
}

} // namespace

std::unique_ptr<EnemyCharacter> MakeRobot(const EnemyKind* kind, CharacterRegistry* registry)
{
    const LaterKind* later = LaterKindOf(kind);
    std::unique_ptr<EnemyCharacter> robot = later ? later->make(registry) : std::make_unique<EnemyCharacter>(registry);
    if (kind)
        robot->kind = kind;
    return robot;
}

CSprite* CreateRobotSprite(const EnemyKind& kind, CSpriteContainer& sprites)
{
    if (const LaterKind* later = LaterKindOf(&kind))
        return CreateLaterRobotSprite(sprites, later->frames, later->turns);
    if (&kind == &kSmallHomingKind)
        return CreateSmallHomingSprite(sprites);
    if (&kind == &kSmallMovingKind)
        return CreateSmallMovingSprite(sprites);
    return CreateBigBadSprite(sprites);
}
