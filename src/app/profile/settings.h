#pragma once
// The player's options: what the settings file keeps (app/profile/settingsfile.h) and the command line
// overrides for one run. The defaults are the game as it plays without any settings.
#include "app/control/controls.h"

#include <array>
#include <cstdint>
#include <string>

struct CommandLine;

// A window size: one of the sizes the player can choose, "fit" (the largest 16:9 window that
// fits the desktop), or for one run whatever "-r" asked for.
struct WindowSize {
    int width = 1280;
    int height = 720;
    bool fitsDesktop = false; // width and height are then not used

    static WindowSize Fixed(int width, int height) { return WindowSize{width, height, false}; }
    static WindowSize Fit() { return WindowSize{0, 0, true}; }
    // The sizes the settings file and the options offer, in the order they are offered.
    static const std::array<WindowSize, 4>& Choices();

    // "1280x720", or "fit".
    std::string Name() const;
    // The pixels of this window on a desktop of the given size: its own, or for "fit" the largest
    // window of 16 x 9 blocks of pixels that the desktop holds (1280 x 720 when the desktop's size
    // is not known, 0 x 0, or smaller than 16 x 9).
    WindowSize OnDesktop(int desktopWidth, int desktopHeight) const;

    bool operator==(const WindowSize& other) const;
    bool operator!=(const WindowSize& other) const { return !(*this == other); }
};

// How fast the game plays, in per cent: the world always steps by its 16 ms, and a slower game
// only waits longer between steps (at 50 %, a step every 32 ms).
struct GameSpeed {
    static constexpr int kFull = 100;
    // The speeds offered, in the order they are offered.
    static constexpr std::array<int, 6> kOffered{100, 90, 80, 70, 60, 50};

    // The offered speed nearest to a number (the faster of two as near).
    static int Nearest(int64_t percent);
};

struct Settings {
    static constexpr int kMaxVolume = 10; // volumes, and the rumble, run from 0 (none) to 10

    int musicVolume = kMaxVolume;
    int effectsVolume = kMaxVolume;
    bool fullScreen = false;
    WindowSize windowSize; // 1280 x 720
    bool paperMotion = true; // the paper's grid dents under bullets and explosions
    bool showFps = false;    // "fps: N" once a second on standard output
    bool pauseOnFocusLoss = true;
    int rumble = kDefaultRumble; // how hard the pad shakes, 0 (never) to 10
    ControlSettings controls = ControlSettings::Defaults(); // the player's keys and pad
    int gameSpeed = GameSpeed::kFull; // one of GameSpeed::kOffered
    bool softFlashes = false; // the brightest flashes of an explosion chain are softened
    // The language the game speaks: kAutomatic (the system's or the browser's) or a code of
    // utils/translation/languages.h.
    std::string language = kAutomatic;
    static constexpr const char* kAutomatic = "auto";

    static constexpr int kDefaultRumble = 6;

    // "Back to defaults".
    static Settings Defaults() { return Settings(); }

    bool operator==(const Settings& other) const;
    bool operator!=(const Settings& other) const { return !(*this == other); }
};

// Calls visit with each option of the settings, as a pointer to its member.
template <typename Visit>
void ForEachOption(Visit&& visit)
{
    visit(&Settings::musicVolume);
    visit(&Settings::effectsVolume);
    visit(&Settings::fullScreen);
    visit(&Settings::windowSize);
    visit(&Settings::paperMotion);
    visit(&Settings::showFps);
    visit(&Settings::pauseOnFocusLoss);
    visit(&Settings::rumble);
    visit(&Settings::controls);
    visit(&Settings::gameSpeed);
    visit(&Settings::softFlashes);
    visit(&Settings::language);
}

// onto, with every option in which now differs from was taken from now (the controls action by
// action): what one game changed, written over what another may have changed meanwhile.
Settings WithChanges(Settings onto, const Settings& was, const Settings& now);

// The SDL_mixer volumes (0 to MIX_MAX_VOLUME, 128) of the volume levels 0 to 10: level 10 is the
// game's own, 83 for the music and 128 for the effects. Levels outside 0 to 10 count as the
// nearest end.
int MusicMixerVolume(int level);
int EffectsMixerVolume(int level);
// The pad's rumble strength, 0 to 1, of a rumble level 0 to 10 (outside: the nearest end).
float RumbleStrength(int level);

// The settings of one run: the kept ones with the command line on top ("-full" full screen,
// "-r WIDTH" a window of that width, when it gives one, "-no_grid" no paper motion, "-fps" the
// fps shown, "-speed N" the game's speed). Nothing of it goes back into the file.
Settings ForThisRun(Settings kept, const CommandLine& commandLine);
