#include "app/applysettings.h"

#include "engine/renderdevice.h"

#include <SDL_mixer.h>

void ApplyVolumes(const Settings& settings)
{
    Mix_VolumeMusic(MusicMixerVolume(settings.musicVolume));
    Mix_Volume(-1, EffectsMixerVolume(settings.effectsVolume));
}

WindowSize WindowOnThisDesktop(const WindowSize& size)
{
    int width = 0;
    int height = 0;
    DesktopSize(width, height);
    return size.OnDesktop(width, height);
}

void ApplyWindow(const Settings& settings)
{
    const WindowSize window = WindowOnThisDesktop(settings.windowSize);
    SetWindowedSize(window.width, window.height);
    SetFullScreen(settings.fullScreen);
}
