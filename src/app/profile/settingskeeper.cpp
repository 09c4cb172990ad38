#include "app/profile/settingskeeper.h"

#include "app/profile/commandline.h"

SettingsKeeper::SettingsKeeper(const SettingsFile& file, const CommandLine& commandLine)
    : file_(file), kept_(file.Load()), inForce_(ForThisRun(kept_, commandLine))
{
}

bool SettingsKeeper::Choose(const Settings& chosen)
{
    const Settings previouslyKept = kept_;
    const auto adopt = [this, &chosen](auto Settings::*option) {
        if (chosen.*option != inForce_.*option) {
            inForce_.*option = chosen.*option;
            kept_.*option = chosen.*option;
        }
    };
    adopt(&Settings::musicVolume);
    adopt(&Settings::effectsVolume);
    adopt(&Settings::fullScreen);
    adopt(&Settings::windowSize);
    adopt(&Settings::paperMotion);
    adopt(&Settings::showFps);
    adopt(&Settings::pauseOnFocusLoss);
    adopt(&Settings::rumble);
    adopt(&Settings::controls);
    adopt(&Settings::gameSpeed);
    adopt(&Settings::softFlashes);
    return kept_ == previouslyKept || file_.Save(kept_);
}
