#include "app/robots/robotnotes.h"

#include "app/text/translate.h"
#include "characters/characterkinds.h"
#include "characters/robots/robotmaker.h"
#include "engine/render/sprite.h"

#include <algorithm>
#include <sstream>

namespace {

// Each kind's note, in the order of LaterRobot.
const RobotNote kNotes[] = {
    {NoTr("menu title", "Shield bot"),
     NoTr("robot note", "Armour in front: shoot its back while it hunts your past self."), &kShieldKind, nullptr},
    {NoTr("menu title", "Twins"),
     NoTr("robot note", "Hit one twin each, you and a past self, within 350 ms. Mind the wire."), &kTwinKind,
     &kTwinKind},
    {NoTr("menu title", "Phantom"),
     NoTr("robot note", "Your shots pass through it now. Shoot anyway: they hurt next loop."), &kPhantomKind,
     nullptr},
    {NoTr("menu title", "Hive"), NoTr("robot note", "Bullets glance off. Chain its hatchlings right beside it."),
     &kHiveKind, &kHatchlingKind},
    {NoTr("menu title", "Sower"),
     NoTr("robot note", "Only its own mines break it: shoot one as it crawls back over them."), &kSowerKind,
     &kMineKind},
};

constexpr float kBesideScale = 0.6f; // what stands beside a body, against the body

CSprite* Walking(CSpriteContainer& sprites, const EnemyKind& kind, float scale)
{
    CSprite* body = CreateRobotSprite(kind, sprites);
    body->PlayAnimation("walk_right");
    body->scaleX = body->scaleY = scale;
    return body;
}

} // namespace

const RobotNote& NoteOf(LaterRobot robot) { return kNotes[static_cast<int>(robot)]; }

std::string NameOf(LaterRobot robot) { return Tr("menu title", NoteOf(robot).name); }

std::string LineOf(LaterRobot robot) { return Tr("robot note", NoteOf(robot).line); }

std::vector<std::string> LinesWithin(const std::string& text, float width, datafiles::GlyphSize size)
{
    std::vector<std::string> lines;
    std::istringstream words(text);
    for (std::string word; words >> word;) {
        const std::string longer = lines.empty() ? word : lines.back() + " " + word;
        if (!lines.empty() && Lettering::Width(longer, size) <= width)
            lines.back() = longer;
        else
            lines.push_back(word);
    }
    return lines;
}

void PlaceRobotPicture(CSpriteContainer& sprites, LaterRobot robot, const vector2& centre, float side)
{
    const RobotNote& note = NoteOf(robot);
    CSprite* body = Walking(sprites, *note.body, 1.0f);
    const float size = std::max(body->width, body->height);
    const float fits = note.beside ? side * 0.8f : side;
    const float scale = size > fits ? fits / size : 1.0f;
    body->scaleX = body->scaleY = scale;
    if (!note.beside) {
        body->SetCentre(centre);
        return;
    }
    const float reach = side * 0.5f - size * scale * 0.5f;
    body->SetCentre(centre - vector2(reach, reach));
    CSprite* beside = Walking(sprites, *note.beside, scale * kBesideScale);
    beside->SetCentre(centre + vector2(side * 0.5f, side * 0.5f) -
                      vector2(beside->width, beside->height) * (scale * kBesideScale * 0.5f));
}
