#pragma once
// The settings of one run: those the settings file keeps, with the command line's on top. What
// the game applies is InForce(); the options menu shows it and hands back the player's choice,
// which is in force at once and kept in the file, while what only the command line asked for
// stays this run's.
#include "app/profile/settings.h"
#include "app/profile/settingsfile.h"

struct CommandLine;

class SettingsKeeper {
public:
    // Reads the file (naming its problems once on standard error).
    SettingsKeeper(const SettingsFile& file, const CommandLine& commandLine);

    // What this run plays with.
    const Settings& InForce() const { return inForce_; }
    // What the file keeps for the next runs.
    const Settings& Kept() const { return kept_; }

    // The player's choice, made from InForce(): each option that differs from what is in force
    // becomes the player's own, in force now and kept from now on; an option the command line
    // set and the player left alone stays this run's only. Saves the file when what it keeps
    // changed; false when it cannot be written (said once on standard error), and the choice
    // still holds for this run.
    bool Choose(const Settings& chosen);
    // "Back to defaults": every option to its default, in force and kept.
    bool BackToDefaults() { return Choose(Settings::Defaults()); }

private:
    SettingsFile file_;
    Settings kept_;
    Settings inForce_;
};
