#include "app/profile/applysettings.h"

#include "audio/audiodevice.h"
#include "engine/platform/platform.h"

void ApplyVolumes(const Settings& settings)
{
    SetMixerVolumes(MusicMixerVolume(settings.musicVolume), EffectsMixerVolume(settings.effectsVolume));
}

WindowSize WindowOnThisDesktop(const Platform& platform, const WindowSize& size)
{
    int width = 0;
    int height = 0;
    platform.DesktopSize(width, height);
    return size.OnDesktop(width, height);
}

void ApplyWindow(Platform& platform, const Settings& settings)
{
    const WindowSize window = WindowOnThisDesktop(platform, settings.windowSize);
    platform.SetWindowedSize(window.width, window.height);
    platform.SetFullScreen(settings.fullScreen);
}
