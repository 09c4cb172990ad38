#include "app/menu/robotcard.h"

#include "app/menu/menuinput.h"
#include "app/robots/robotnotes.h"
#include "app/text/translate.h"

namespace {

using datafiles::GlyphSize;

// Two bands of the card, left empty, hold the picture and the line; the third is "Got it".
constexpr int kNoteBands = 2;
constexpr float kPictureLeft = datafiles::kMenuCardMargin + 18.0f;
constexpr float kPictureSide = 96.0f;
constexpr float kLineGap = 28.0f;  // from the picture to the line
constexpr float kLineRight = datafiles::kMenuCardPaperRight - 30.0f;
constexpr float kLineStep = 30.0f;

std::vector<Menu::Choice> Lines()
{
    Menu::Choice room;
    room.enabled = false;
    Menu::Choice gotIt;
    gotIt.label = Tr("menu line", "Got it");
    std::vector<Menu::Choice> lines(kNoteBands, room);
    lines.push_back(gotIt);
    return lines;
}

} // namespace

RobotCard::RobotCard(LaterRobot robot) : robot_(robot), menu_(NameOf(robot), Lines())
{
    Letter();
}

void RobotCard::Letter()
{
    const rect card = menu_.CardBox();
    const float top = card.y + datafiles::kMenuCardTopHeight;
    const float middle = top + kNoteBands * datafiles::kMenuCardBandHeight * 0.5f;
    PlaceRobotPicture(sprites_, robot_, vector2(card.x + kPictureLeft + kPictureSide * 0.5f, middle), kPictureSide);
    const float left = card.x + kPictureLeft + kPictureSide + kLineGap;
    const std::vector<std::string> lines =
        LinesWithin(LineOf(robot_), card.x + kLineRight - left, GlyphSize::kSmall);
    // The lines' baselines, centred on the bands around the small capitals' middle.
    float baseline = middle + 9.0f - (static_cast<float>(lines.size()) - 1.0f) * kLineStep * 0.5f;
    Lettering lettering(sprites_);
    for (const std::string& line : lines) {
        lettering.Write(line, vector2(left, baseline), GlyphSize::kSmall);
        baseline += kLineStep;
    }
}

bool RobotCard::GoesOn(const GameEvent& event) const
{
    switch (event.type) {
    case GameEvent::Type::kKeyDown: {
        const MenuCommand command = KeyCommand(event.key);
        return command == MenuCommand::kTake || command == MenuCommand::kBack;
    }
    case GameEvent::Type::kMouseDown:
    case GameEvent::Type::kPadDown:
        return true;
    default:
        return false;
    }
}

bool RobotCard::Animate(uint32_t ms)
{
    sprites_.UpdateAnimations(ms);
    return true;
}

void RobotCard::Draw()
{
    menu_.Draw();
    sprites_.Draw();
}
