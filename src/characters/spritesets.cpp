// The sprite sets of the characters: their frame images and named animations.
#include "characters/spritesets.h"

#include "engine/render/spritecontainer.h"
#include "engine/render/texturecache.h"
#include "utils/datafiles.h"

#include <string>
#include <utility>
#include <vector>

namespace {

struct AnimationDesc {
    const char* name;
    std::vector<int32_t> frames;
    uint32_t frameTime;
    bool loop;
};

// Creates the sprite from the first image, gives it all the images as frames, adds the
// animations in order and plays the initial one.
CSprite* BuildSet(CSpriteContainer& sprites, const std::vector<std::string>& images,
                  const std::vector<AnimationDesc>& animations, const char* initial)
{
    CSprite* sprite = sprites.CreateSprite(images.front());
    std::vector<TextureEntry*> frames{sprite->texture};
    for (std::size_t i = 1; i < images.size(); ++i)
        frames.push_back(GetTexture(images[i]));
    sprite->SetFrames(frames);
    for (const AnimationDesc& desc : animations) {
        SpriteAnimation animation;
        animation.frameIndices = desc.frames;
        animation.frameTime = desc.frameTime;
        animation.loop = desc.loop;
        animation.killAtEnd = false;
        animation.name = desc.name;
        sprite->AddAnimation(std::move(animation));
    }
    sprite->PlayAnimation(initial);
    return sprite;
}

std::vector<int32_t> Range(int32_t first, int32_t last)
{
    std::vector<int32_t> indices;
    for (int32_t i = first; i <= last; ++i)
        indices.push_back(i);
    return indices;
}

// The frames first..last of a set.
std::vector<std::string> Frames(datafiles::FrameSet set, int first, int last)
{
    std::vector<std::string> names;
    for (int i = first; i <= last; ++i)
        names.push_back(datafiles::Frame(set, i));
    return names;
}

CSprite* BuildWalker(CSpriteContainer& sprites, datafiles::FrameSet set, uint32_t walkFrameTime)
{
    return BuildSet(sprites, Frames(set, 1, 7),
                    {{"walk_right", {0, 1, 2, 1}, walkFrameTime, true},
                     {"walk_left", {3, 4, 5, 4}, walkFrameTime, true},
                     {"death", {6}, 35, false}},
                    "walk_right");
}

// File 01 twice, then 03 to 16, then the empty picture the robot vanishes into.
CSprite* BuildSmallRobot(CSpriteContainer& sprites, datafiles::FrameSet set, const char* firstHalf,
                         const char* secondHalf)
{
    std::vector<std::string> images = {datafiles::Frame(set, 1), datafiles::Frame(set, 1)};
    for (const std::string& name : Frames(set, 3, 16))
        images.push_back(name);
    images.push_back(datafiles::kEmpty);
    return BuildSet(sprites, images,
                    {{firstHalf, Range(0, 7), 35, true}, {secondHalf, Range(8, 15), 35, true}, {"death", {16}, 35, false}},
                    "walk_right");
}

// Files 01 to 08 (and, for a robot that turns, their mirror images 09 to 16), then the empty
// picture the robot vanishes into. One that never turns shows its own frames either way.
CSprite* BuildLaterRobot(CSpriteContainer& sprites, datafiles::FrameSet set, bool turns)
{
    std::vector<std::string> images = Frames(set, 1, turns ? 16 : 8);
    images.push_back(datafiles::kEmpty);
    const int32_t empty = static_cast<int32_t>(images.size()) - 1;
    const std::vector<int32_t> left = turns ? Range(8, 15) : Range(0, 7);
    return BuildSet(sprites, images,
                    {{"walk_right", Range(0, 7), 45, true}, {"walk_left", left, 45, true}, {"death", {empty}, 35, false}},
                    "walk_right");
}

CSprite* BuildCorpse(CSpriteContainer& sprites, datafiles::FrameSet set)
{
    return BuildSet(sprites, Frames(set, 1, 6), {{"death", Range(0, 5), 90, false}}, "death");
}

} // namespace

CSprite* CreatePlayerSprite(CSpriteContainer& sprites) { return BuildWalker(sprites, datafiles::FrameSet::kHero, 35); }

CSprite* CreateOldGuySprite(CSpriteContainer& sprites) { return BuildWalker(sprites, datafiles::FrameSet::kOldGuy, 35); }

CSprite* CreateBigBadSprite(CSpriteContainer& sprites) { return BuildWalker(sprites, datafiles::FrameSet::kBigBad, 65); }

CSprite* CreateSmallHomingSprite(CSpriteContainer& sprites)
{
    return BuildSmallRobot(sprites, datafiles::FrameSet::kSmallHoming, "walk_right", "walk_left");
}

CSprite* CreateSmallMovingSprite(CSpriteContainer& sprites)
{
    return BuildSmallRobot(sprites, datafiles::FrameSet::kSmallMoving, "walk_left", "walk_right");
}

CSprite* CreateLaterRobotSprite(CSpriteContainer& sprites, datafiles::FrameSet set, bool turns)
{
    return BuildLaterRobot(sprites, set, turns);
}

CSprite* CreateTwinWireSprite(CSpriteContainer& sprites)
{
    CSprite* wire = sprites.CreateSpriteBehind(datafiles::TwinWire(1));
    wire->SetFrames({wire->texture, GetTexture(datafiles::TwinWire(2)), GetTexture(datafiles::TwinWire(3))});
    SpriteAnimation crackle;
    crackle.frameIndices = {0, 1, 2, 1};
    crackle.frameTime = 60;
    crackle.loop = true;
    crackle.name = "walk_right";
    wire->AddAnimation(std::move(crackle));
    wire->PlayAnimation("walk_right");
    return wire;
}

CSprite* CreatePlayerCorpseSprite(CSpriteContainer& sprites) { return BuildCorpse(sprites, datafiles::FrameSet::kHeroCorpse); }

CSprite* CreateOldGuyCorpseSprite(CSpriteContainer& sprites) { return BuildCorpse(sprites, datafiles::FrameSet::kOldGuyCorpse); }
