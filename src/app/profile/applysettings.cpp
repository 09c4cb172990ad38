#include "app/profile/applysettings.h"

#include "audio/audiodevice.h"
#include "app/text/translate.h"
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

const translation::Language& AutomaticLanguage(const Platform* platform)
{
    if (platform)
        for (const std::string& locale : platform->PreferredLocales())
            if (const translation::Language* spoken = translation::LanguageOfLocale(locale))
                return *spoken;
    return translation::kEnglish;
}

void ApplyLanguage(const Platform* platform, const Settings& settings)
{
    const translation::Language* chosen = translation::LanguageOfCode(settings.language);
    const translation::Language& spoken = chosen ? *chosen : AutomaticLanguage(platform);
    Speak(&spoken);
    if (platform)
        platform->SpeaksLanguage(spoken.code);
}
