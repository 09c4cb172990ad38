#include "app/screens/dailyscreen.h"

#include "app/daily/dailydice.h"

namespace {

// The list of the day's one level, its file named from the daily folder.
std::string ListText(const DailyScreen::Setup& setup)
{
    const std::size_t slash = setup.levelFile.rfind('/');
    const std::string file = slash == std::string::npos ? setup.levelFile : setup.levelFile.substr(slash + 1);
    return "<LevelList>\n<Level position=\"1\" filename=\"" + file + "\" name=\"" + setup.level.name +
           "\"></Level>\n</LevelList>\n";
}

std::string ListPath(const std::string& levelFile)
{
    const std::size_t slash = levelFile.rfind('/');
    return (slash == std::string::npos ? std::string(".") : levelFile.substr(0, slash)) + "/day.xml";
}

} // namespace

DailyScreen::DailyScreen(const Setup& setup)
    : levels_(ListPath(setup.levelFile), kolm::CLevelList::Names::kInListFolder),
      random_(DailyDice::Generators(setup.level.date.DayNumber(), DailyDice::kPlayStream)), back_(setup.back)
{
    levels_.ReadText(ListText(setup));
    PlayScreen::Setup play = setup.play;
    play.levels = &levels_;
    play.book = ListPath(setup.levelFile);
    play.startAfter = 0;
    play.endsAfterLastLevel = true;
    play.random = &random_;
    play_ = std::make_unique<PlayScreen>(play);
    if (play_->Phase().progress)
        attempt_ = std::make_unique<DailyAttemptKeeper>(DailyHistoryFile(setup.historyPath), setup.level.date,
                                                        setup.level.Par(), setup.counting);
}

DailyScreen::~DailyScreen()
{
    NoteClear();
    if (attempt_ && !attempt_->Ended()) {
        const GamePhase& phase = play_->Phase();
        attempt_->Left({phase.gameplay.Loop(), play_->Loop().PhaseTime(), false});
    }
}

bool DailyScreen::Tick(uint32_t now)
{
    const bool did = play_->Tick(now);
    NoteClear();
    return did;
}

GameScreen::Change DailyScreen::WhatNext() const
{
    const Change next = play_->WhatNext();
    if (next.to == Change::To::kStay || next.to == Change::To::kQuit)
        return next;
    return back_;
}

void DailyScreen::NoteClear()
{
    if (!attempt_ || attempt_->Ended())
        return;
    const ClearReport* clear = play_->Phase().progress->LastClear();
    if (clear)
        attempt_->Cleared({clear->loops, clear->milliseconds, clear->assisted});
}
