// Level files and the level timeline: what arrives when, and along which path.
#include "world/leveltimeline.h"

#include "engine/core/random.h"
#include "utils/log.h"
#include "utils/linereader.h"
#include "utils/stringutils.h"

#include <fstream>
#include <sstream>
#include <utility>

namespace {

// Robots enter and leave this far outside the field.
constexpr float kOutside = 75.0f;

void ReadLevelLine(const std::string& line, LevelFile& level)
{
    const std::vector<std::string> fields = kolm::Split(kolm::Trim(line), ",");
    if (fields.size() == 1) {
        level.length = kolm::ToInt(fields[0]);
        level.hasLength = true;
    } else if (fields.size() >= 2) {
        TimelineEvent event;
        event.time = kolm::ToInt(fields[0]);
        event.type = kolm::ToInt(fields[1]);
        level.events.push_back(event);
    }
}

LevelFile ReadLevelStream(std::istream& stream)
{
    LevelFile level;
    kolm::LineReader lines(stream);
    std::string line;
    while (lines.Next(line))
        ReadLevelLine(line, level);
    return level;
}

} // namespace

LevelFile ReadLevelFile(const std::string& fileName)
{
    if (fileName.empty())
        return LevelFile();
    std::ifstream file(fileName);
    const LevelFile level = file ? ReadLevelStream(file) : LevelFile();
    if (!file.is_open() || file.bad())
        kolm::WarnOncePerFile(fileName, "the level file " + fileName +
                                            " could not be read: the level has no robots and is cleared at once");
    else if (!level.hasLength)
        kolm::WarnOncePerFile(fileName, "the level file " + fileName +
                                            " has no length line (a line holding one number): the level is cleared at once");
    return level;
}

LevelFile ParseLevelText(const std::string& text)
{
    std::istringstream stream(text);
    return ReadLevelStream(stream);
}

void RandomCrossingPath(RandomGenerators& random, vector2& start, vector2& target)
{
    const double u1 = random.Random01();
    start.x = static_cast<float>(random.Random01() * kVirtualWidth);
    start.y = static_cast<float>(u1 * kVirtualHeight);
    const double u2 = random.Random01();
    target.x = static_cast<float>(random.Random01() * kVirtualWidth);
    target.y = static_cast<float>(u2 * kVirtualHeight);
    const double swap = random.Random01();
    if (random.Random01() < 0.5) {
        start.x = -kOutside;
        target.x = kVirtualWidth + kOutside;
        if (swap < 0.5)
            std::swap(start.x, target.x);
    } else {
        start.y = -kOutside;
        target.y = kVirtualHeight + kOutside;
        if (swap < 0.5)
            std::swap(start.y, target.y);
    }
}

void LevelTimeline::Load(const LevelFile& level)
{
    levelLength = level.length;
    events = level.events;
}

std::vector<Spawn> LevelTimeline::AdvanceTimeline(uint32_t t, RandomGenerators& random)
{
    std::vector<Spawn> due;
    now = t;
    if (spawnHighWater >= t)
        return due;
    if (next < 0 || static_cast<std::size_t>(next) >= events.size())
        return due;
    const TimelineEvent& event = events[static_cast<std::size_t>(next)];
    if (static_cast<uint32_t>(event.time) >= now)
        return due;
    const int32_t type = event.type;
    ++next;
    vector2 start;
    vector2 target;
    RandomCrossingPath(random, start, target);
    SpawnEvent(type, start, target, due);
    return due;
}

void LevelTimeline::SpawnEvent(int32_t type, const vector2& start, const vector2& target, std::vector<Spawn>& due)
{
    if (type == kSpawnFormation || type == kSpawnFormationAlso) {
        SpawnFormation(start, target, due);
        return;
    }
    if (now > spawnHighWater)
        spawnHighWater = now;
    due.push_back(Spawn{type, start, target});
}

void LevelTimeline::SpawnFormation(const vector2& start, const vector2& target, std::vector<Spawn>& due)
{
    const vector2 centre(kVirtualWidth * 0.5f, kVirtualHeight * 0.5f);
    const vector2 pushedTarget = target + (target - centre) * 0.25f;
    const bool outsideX = start.x < 0.0f || start.x > kVirtualWidth;
    const bool outsideY = start.y < 0.0f || start.y > kVirtualHeight;
    const vector2 side(outsideX ? 0.0f : 60.0f, outsideY ? 0.0f : 60.0f);
    vector2 back;
    if (start.x < 0.0f)
        back = vector2(-60.0f, 0.0f);
    else if (start.x > kVirtualWidth)
        back = vector2(60.0f, 0.0f);
    else if (start.y < 0.0f)
        back = vector2(0.0f, -60.0f);
    else if (start.y > kVirtualHeight)
        back = vector2(0.0f, 60.0f);
    const vector2 shifts[5] = {vector2(), -side + back, side + back, back, back * 2.0f};
    for (const vector2& shift : shifts)
        SpawnEvent(kSpawnSmallMoving, start + shift, pushedTarget + shift, due);
}
