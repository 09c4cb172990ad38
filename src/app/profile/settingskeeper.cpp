#include "app/profile/settingskeeper.h"

#include "app/profile/commandline.h"

SettingsKeeper::SettingsKeeper(const SettingsFile& file, const CommandLine& commandLine)
    : file_(file), kept_(file.Load(fileProblems_)), inForce_(ForThisRun(kept_, commandLine))
{
}

std::vector<std::string> SettingsKeeper::TakeFileProblems()
{
    std::vector<std::string> problems;
    problems.swap(fileProblems_);
    return problems;
}

bool SettingsKeeper::Choose(const Settings& chosen)
{
    const Settings previouslyKept = kept_;
    ForEachOption([this, &chosen](auto Settings::*option) {
        if (chosen.*option != inForce_.*option) {
            inForce_.*option = chosen.*option;
            kept_.*option = chosen.*option;
        }
    });
    return kept_ == previouslyKept || file_.Change(previouslyKept, kept_, kept_);
}

bool SettingsKeeper::FollowFullScreen(bool on)
{
    Settings chosen = inForce_;
    chosen.fullScreen = on;
    return Choose(chosen);
}
