#pragma once
// The settings of one run: those the settings file keeps, with the command line's on top. What
// the game applies is InForce(); the options menu shows it and hands back the player's choice,
// which is in force at once and kept in the file, while what only the command line asked for
// stays this run's.
#include "app/profile/settings.h"
#include "app/profile/settingsfile.h"

#include <string>
#include <vector>

struct CommandLine;

class SettingsKeeper {
public:
    // Reads the file (naming its problems once on standard error, and keeping them to be shown).
    SettingsKeeper(const SettingsFile& file, const CommandLine& commandLine);

    // What this run plays with.
    const Settings& InForce() const { return inForce_; }
    // What the file keeps for the next runs.
    const Settings& Kept() const { return kept_; }

    // The player's choice, made from InForce(): each option that differs from what is in force
    // becomes the player's own, in force now and kept from now on; an option the command line
    // set and the player left alone stays this run's only. When what the file keeps changed,
    // the change is written onto the file as it stands (another game running at the same time
    // keeps its own changes, and Kept() takes them); false when it cannot be written (said once on
    // standard error), and the choice still holds for this run.
    bool Choose(const Settings& chosen);
    // "Back to defaults": every option to its default, in force and kept.
    bool BackToDefaults() { return Choose(Settings::Defaults()); }
    // The window went full screen or back by the player's window keys: the setting follows, as
    // if chosen in the options.
    bool FollowFullScreen(bool on);

    // What was wrong with the settings file when it was read, a line each ("settings line 3: ..."), for
    // the player to see once: the first call has them, the later ones none.
    std::vector<std::string> TakeFileProblems();

private:
    std::vector<std::string> fileProblems_; // before kept_, which the file's reading fills
    SettingsFile file_;
    Settings kept_;
    Settings inForce_;
};
