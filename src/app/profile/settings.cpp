#include "app/profile/settings.h"

#include "app/profile/commandline.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int kMusicAtFullLevel = 83; // the game's music volume, of SDL_mixer's 128
constexpr int kEffectsAtFullLevel = 128;

// level / 10 of the full volume, rounded to the nearest.
int MixerVolume(int level, int full)
{
    const int clamped = std::clamp(level, 0, Settings::kMaxVolume);
    return (full * clamped * 2 + Settings::kMaxVolume) / (2 * Settings::kMaxVolume);
}

} // namespace

const std::array<WindowSize, 4>& WindowSize::Choices()
{
    static const std::array<WindowSize, 4> choices{Fixed(1280, 720), Fixed(1600, 900), Fixed(1920, 1080), Fit()};
    return choices;
}

std::string WindowSize::Name() const
{
    return fitsDesktop ? "fit" : std::to_string(width) + "x" + std::to_string(height);
}

WindowSize WindowSize::OnDesktop(int desktopWidth, int desktopHeight) const
{
    if (!fitsDesktop)
        return *this;
    const int blocks = std::min(desktopWidth / 16, desktopHeight / 9);
    return blocks < 1 ? WindowSize() : Fixed(16 * blocks, 9 * blocks);
}

int GameSpeed::Nearest(int64_t percent)
{
    int nearest = kFull;
    for (int offered : kOffered) {
        if (std::abs(percent - offered) < std::abs(percent - nearest))
            nearest = offered;
    }
    return nearest;
}

bool WindowSize::operator==(const WindowSize& other) const
{
    return fitsDesktop == other.fitsDesktop && (fitsDesktop || (width == other.width && height == other.height));
}

bool Settings::operator==(const Settings& other) const
{
    return musicVolume == other.musicVolume && effectsVolume == other.effectsVolume &&
           fullScreen == other.fullScreen && windowSize == other.windowSize && paperMotion == other.paperMotion &&
           showFps == other.showFps && pauseOnFocusLoss == other.pauseOnFocusLoss && rumble == other.rumble &&
           controls == other.controls && gameSpeed == other.gameSpeed && softFlashes == other.softFlashes &&
           language == other.language;
}

Settings WithChanges(Settings onto, const Settings& was, const Settings& now)
{
    const ControlSettings controls = WithChanges(onto.controls, was.controls, now.controls);
    ForEachOption([&](auto Settings::*option) {
        if (was.*option != now.*option)
            onto.*option = now.*option;
    });
    onto.controls = controls;
    return onto;
}

int MusicMixerVolume(int level) { return MixerVolume(level, kMusicAtFullLevel); }

int EffectsMixerVolume(int level) { return MixerVolume(level, kEffectsAtFullLevel); }

float RumbleStrength(int level) { return static_cast<float>(std::clamp(level, 0, Settings::kMaxVolume)) / Settings::kMaxVolume; }

Settings ForThisRun(Settings kept, const CommandLine& commandLine)
{
    if (commandLine.fullScreen)
        kept.fullScreen = true;
    int width = 0;
    int height = 0;
    if (RequestedWindow(commandLine.requestedWidth, width, height))
        kept.windowSize = WindowSize::Fixed(width, height);
    if (commandLine.noGrid)
        kept.paperMotion = false;
    if (commandLine.showFps)
        kept.showFps = true;
    if (commandLine.gameSpeed)
        kept.gameSpeed = commandLine.gameSpeed;
    return kept;
}
