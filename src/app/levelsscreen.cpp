#include "app/levelsscreen.h"

#include "app/recordwords.h"
#include "audio/soundbank.h"
#include "utils/datafiles.h"

#include <vector>

namespace {

bool Cleared(const Progress& progress, int position)
{
    return progress.RecordOf(position).Exists() || position == progress.cleared;
}

std::vector<Menu::Choice> Lines(const Progress& progress, int levelCount)
{
    std::vector<Menu::Choice> lines;
    for (int position = 1; position <= levelCount; ++position)
        lines.push_back(LevelsScreen::LineOf(progress, position));
    Menu::Choice back;
    back.label = "Back";
    lines.push_back(back);
    return lines;
}

} // namespace

LevelsScreen::LevelsScreen(const Progress& progress, int levelCount, const ControlSettings* controls)
    : MenuCard("Levels", Lines(progress, levelCount), controls), levelCount_(levelCount), furthestOpen_(progress.cleared + 1)
{
}

Menu::Choice LevelsScreen::LineOf(const Progress& progress, int position)
{
    Menu::Choice line;
    line.label = "Level " + std::to_string(position);
    const LevelRecord record = progress.RecordOf(position);
    if (record.Exists())
        line.note = LoopCount(record.loops) + " · " + FormatGameTime(record.milliseconds, 1) +
                    (AssistedGlyph(record).empty() ? "" : " " + AssistedGlyph(record));
    if (position > progress.cleared + 1)
        line.badge = Menu::Badge::kPadlock;
    else if (Cleared(progress, position))
        line.badge = Menu::Badge::kTick;
    return line;
}

MenuCard::Heard LevelsScreen::Take(int line)
{
    const int position = line + 1;
    if (position > levelCount_)
        return Back();
    if (position > furthestOpen_) {
        PlaySound(datafiles::kBigBadShotSound); // locked: a dull no
        return Heard::kShown;
    }
    next_ = Change(Change::To::kPlay, position - 1);
    return Heard::kShown;
}
