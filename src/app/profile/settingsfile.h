#pragma once
// The settings file, "$XDG_CONFIG_HOME/tobrakka/settings" (else "~/.config/tobrakka/settings"):
// plain "key = value" lines, blanks around both ignored, empty lines and lines starting with "#"
// ignored. The keys and their values, in the order the game writes them:
//
//     # Tobrakka settings (written by the game; key = value)
//     music_volume = 10          0 to 10
//     effects_volume = 10        0 to 10
//     full_screen = off          on or off
//     window_size = 1280x720     1280x720, 1600x900, 1920x1080 or fit
//     paper_motion = on          on or off
//     show_fps = off             on or off
//     pause_on_focus_loss = on   on or off
//     rumble = 6                 0 (off) to 10: how hard the pad shakes
//     bind_up = W, Up ...        the controls (app/control/controlsfile.h)
//
// A key that is missing keeps its default; of a key given twice the last line counts. A line
// without "=", with an unknown key or with a value out of range or of the wrong form is named
// once on standard error ("tobrakka: FILE:LINE: ...") and ignored, the other lines are kept. A
// settings file that is a folder, cannot be read, holds a NUL byte or is larger than 64 KiB is
// named once in one line and all the defaults are used.
#include "app/profile/settings.h"
#include "utils/playerfile.h"

#include <functional>
#include <string>
#include <vector>

// The settings the text gives, each line that cannot be used in problems.
Settings ParseSettings(const std::string& text, std::vector<kolm::FileProblem>& problems);
// The settings as the file keeps them: every key, in the order above.
std::string FormatSettings(const Settings& settings);

class SettingsFile {
public:
    explicit SettingsFile(const std::string& path) : path_(path) {}
    // The player's settings file; empty when neither XDG_CONFIG_HOME (an absolute path) nor HOME
    // is set, and then nothing is read or written.
    static std::string DefaultPath();

    // The file's settings, the defaults where it gives none (a missing file gives all of them);
    // its problems named on standard error, and in problems a short line each for the player
    // ("settings line 3: ...", or what is wrong with the whole file).
    Settings Load() const;
    Settings Load(std::vector<std::string>& problems) const;
    // Writes every setting, through a temporary file, synced, then renamed (the last game to save
    // wins). False when the file cannot be written, said once a run on standard error.
    bool Save(const Settings& settings) const;
    // Writes what changed from was to now onto the file as it stands, read again under the save's
    // lock (WithChanges): two games changing their options at the same time each keep their
    // change. kept gets what the file then holds. False, kept left alone, as for Save.
    bool Change(const Settings& was, const Settings& now, Settings& kept) const;

    const std::string& Path() const { return path_; }

private:
    // Saves the settings made from what the file holds now; written gets them once saved (and is
    // left alone without a file).
    bool Write(const std::function<Settings(const kolm::PlayerFileText&)>& settingsFor, Settings* written) const;

    std::string path_;
};
