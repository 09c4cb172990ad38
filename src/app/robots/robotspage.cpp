#include "app/robots/robotspage.h"

#include "app/robots/robotnotes.h"
#include "app/text/translate.h"

namespace {

using datafiles::GlyphSize;

constexpr float kTitleBaseline = 72.0f; // as How to play's own
constexpr float kFirstRow = 118.0f;
constexpr float kRowStep = 110.0f;
constexpr float kLeft = 110.0f; // clear of the paper's margin line
constexpr float kRight = kVirtualWidth - 40.0f;
constexpr float kPictureSide = 92.0f;
constexpr float kWordsLeft = kLeft + kPictureSide + 24.0f;
constexpr float kNameBaseline = 44.0f; // from the row's top
constexpr float kLineBaseline = 78.0f;
constexpr float kLineStep = 28.0f;

} // namespace

RobotsPage::RobotsPage(const RobotsSeen& seen) : robots_(seen.InOrderMet())
{
    Lettering lettering(sprites_);
    lettering.Write(Tr("help title", "Robots you have met"), vector2(kVirtualWidth * 0.5f, kTitleBaseline), GlyphSize::kLarge,
                    TextAlign::kCentre);
    float top = kFirstRow;
    for (LaterRobot robot : robots_) {
        PlaceRobotPicture(sprites_, robot, vector2(kLeft + kPictureSide * 0.5f, top + kRowStep * 0.5f), kPictureSide);
        lettering.Write(NameOf(robot), vector2(kWordsLeft, top + kNameBaseline), GlyphSize::kLarge);
        float baseline = top + kLineBaseline;
        for (const std::string& line : LinesWithin(LineOf(robot), kRight - kWordsLeft, GlyphSize::kSmall)) {
            lettering.Write(line, vector2(kWordsLeft, baseline), GlyphSize::kSmall);
            baseline += kLineStep;
        }
        top += kRowStep;
    }
}
