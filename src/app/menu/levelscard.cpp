#include "app/menu/levelscard.h"

#include "app/control/bindings.h"
#include "app/profile/recordwords.h"
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
        lines.push_back(LevelsCard::LineOf(progress, position));
    Menu::Choice back;
    back.label = "Back";
    lines.push_back(back);
    return lines;
}

} // namespace

LevelsCard::LevelsCard(const Progress& progress, int levelCount, const ControlSettings* controls,
                           const ReplayShelf* shelf)
    : MenuCard("Levels", Lines(progress, levelCount), controls), progress_(progress), levelCount_(levelCount),
      furthestOpen_(progress.cleared + 1), shelf_(shelf)
{
}

std::string LevelsCard::OpenedBy(int position) { return "clear level " + std::to_string(position - 1) + " first"; }

// The marked line says what opens it when it is locked; the line it leaves says its records again.
void LevelsCard::SayWhatOpens()
{
    const int marked = menu_.Chosen();
    if (marked == noted_)
        return;
    if (noted_ >= 0)
        menu_.SetChoice(noted_, LineOf(progress_, noted_ + 1));
    noted_ = -1;
    if (marked >= 0 && marked < levelCount_ && marked + 1 > furthestOpen_) {
        Menu::Choice line = LineOf(progress_, marked + 1);
        line.note = OpenedBy(marked + 1);
        menu_.SetChoice(marked, line);
        noted_ = marked;
    }
}

Menu::Choice LevelsCard::LineOf(const Progress& progress, int position)
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

MenuCard::Heard LevelsCard::Take(int line)
{
    const int position = line + 1;
    if (position > levelCount_)
        return Back();
    if (position > furthestOpen_) {
        PlaySound(datafiles::kBigBadShotSound); // locked: a dull no
        return Heard::kShown;
    }
    bestReplay_ = shelf_ ? shelf_->BestOf(position) : std::string();
    if (bestReplay_.empty()) {
        next_ = Change(Change::To::kPlay, position - 1);
        return Heard::kShown;
    }
    std::vector<Menu::Choice> lines(3);
    lines[0].label = "Play";
    lines[1].label = "Watch best";
    lines[2].label = "Back";
    asking_ = std::make_unique<Menu>("Level " + std::to_string(position), lines);
    askedPosition_ = position;
    return Heard::kShown;
}

MenuCard::Heard LevelsCard::Hear(const GameEvent& event)
{
    if (!asking_) {
        const Heard heard = MenuCard::Hear(event);
        SayWhatOpens();
        return heard;
    }
    const Menu::Event heard = asking_->HandleEvent(InMenu(controls_, event));
    if (heard.kind == Menu::Event::Kind::kBack)
        return TakeAsked(2);
    if (heard.kind == Menu::Event::Kind::kTaken)
        return TakeAsked(heard.choice);
    return heard.kind == Menu::Event::Kind::kNothing ? Heard::kNothing : Heard::kShown;
}

MenuCard::Heard LevelsCard::TakeAsked(int line)
{
    if (line == 0) {
        next_ = Change(Change::To::kPlay, askedPosition_ - 1);
    } else if (line == 1) {
        next_ = Change(Change::To::kWatch);
        next_.replay = bestReplay_;
        next_.watchedFrom = Change::To::kLevels;
    }
    asking_.reset();
    return Heard::kShown;
}

// The small card stands alone: the list's lines would show cut through above and below it.
void LevelsCard::Draw()
{
    if (asking_)
        asking_->Draw();
    else
        menu_.Draw();
}
