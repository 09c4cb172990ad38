#include "app/daily/dailylookup.h"

#include <cstdio>
#include <filesystem>

DailyLookup::DailyLookup(const DailyDate& date, const DailyFolder& folder, const LevelCheckMaker& makeCheck)
    : date_(date), folder_(folder)
{
    ready_ = folder_.Kept(date, found_);
    if (ready_)
        return;
    // The finder writes its candidates there; should that fail, it says so.
    std::error_code error;
    std::filesystem::create_directories(folder_.Folder(), error);
    finder_ = std::make_unique<DailyFinder>(date, folder_.ScratchPath(), makeCheck);
}

bool DailyLookup::Advance(uint32_t sliceMs)
{
    if (ready_ || !problem_.empty())
        return true;
    if (!finder_->Advance(sliceMs))
        return false;
    std::remove(folder_.ScratchPath().c_str());
    problem_ = finder_->Problem();
    std::string error;
    if (problem_.empty() && !folder_.Keep(finder_->Found(), error))
        problem_ = "cannot keep the level: " + error;
    ready_ = problem_.empty();
    if (ready_)
        found_ = finder_->Found();
    return true;
}
