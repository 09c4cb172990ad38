#include "app/robots/robotwatch.h"

#include "app/robots/robotnotes.h"
#include "engine/core/vectormath.h"
#include "world/world.h"

namespace {

bool OnThePaper(const EnemyCharacter& robot)
{
    const vector2 at = robot.Position();
    return !robot.dead && robot.IsActive() && at.x >= 0.0f && at.x <= kVirtualWidth && at.y >= 0.0f &&
           at.y <= kVirtualHeight;
}

// The later kind a robot is of (a hatchling and a mine belong to the kinds that bring them).
std::optional<LaterRobot> LaterRobotOf(const EnemyCharacter& robot)
{
    for (LaterRobot later : kLaterRobots) {
        if (NoteOf(later).body == robot.kind)
            return later;
    }
    return std::nullopt;
}

} // namespace

RobotWatch::RobotWatch(const RobotsSeenFile& file) : file_(file), seen_(file.Load()) {}

std::optional<LaterRobot> RobotWatch::Meets(const Gameplay& gameplay)
{
    const Gameplay::CQuenlowZarnImpl* world = gameplay.World();
    if (!world)
        return std::nullopt;
    for (const auto& robot : world->enemies) {
        const std::optional<LaterRobot> later = LaterRobotOf(*robot);
        if (later && !seen_.Has(*later) && OnThePaper(*robot)) {
            file_.Note(*later, seen_);
            return later;
        }
    }
    return std::nullopt;
}
