// The platform on SDL 2: the window (sdlwindow.h), the pads (sdlpads.h), and SDL's events turned
// into the game's own.
#include "engine/platform/platform.h"

#include "engine/input/gamekeys.h"
#include "engine/platform/sdl2/sdlpads.h"
#include "engine/platform/sdl2/sdlwindow.h"
#include "engine/platform/sdl2/x11display.h"
#include "utils/log.h"
#include "utils/stringutils.h"

#include <SDL.h>

#include <cstdlib>
#include <deque>
#include <optional>

namespace {

class SdlPlatform : public Platform {
public:
    SdlPlatform(std::unique_ptr<SdlWindow> window, bool classic)
        : window_(std::move(window)), pads_(std::make_unique<SdlPads>(classic))
    {
    }
    ~SdlPlatform() override
    {
        pads_.reset();
        window_.reset();
        SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_GAMECONTROLLER);
    }

    bool Poll(GameEvent& event) override;
    bool SetFullScreen(bool on) override { return window_->SetFullScreen(on); }
    bool IsFullScreen() const override { return window_->IsFullScreen(); }
    bool SetWindowedSize(int width, int height) override { return window_->SetWindowedSize(width, height); }
    void DesktopSize(int& width, int& height) const override;
    PictureRect Picture() const override { return window_->Picture(); }
    void ShowCursor(bool shown) override { SDL_ShowCursor(shown ? SDL_ENABLE : SDL_DISABLE); }
    std::string KeyLabel(int32_t key) const override;
    void Rumble(float strength, uint32_t milliseconds) override { pads_->Rumble(playerPad_, strength, milliseconds); }
    void SetTextInput(bool on) override;
    void SetClipboardText(const std::string& text) override { SDL_SetClipboardText(text.c_str()); }
    std::vector<std::string> PreferredLocales() const override;

private:
    // The game's event for one of SDL's; false for one the game does not hear.
    bool Translate(const SDL_Event& sdlEvent, GameEvent& event);
    bool TranslateWindowEvent(const SDL_WindowEvent& windowEvent, GameEvent& event);
    bool TranslateKey(const SDL_Event& sdlEvent, GameEvent& event);
    // The characters of the text as events to come.
    void Type(const std::string& text);

    std::unique_ptr<SdlWindow> window_;
    std::unique_ptr<SdlPads> pads_;
    int32_t playerPad_ = -1; // the pad used last
    std::optional<GameEvent> switched_; // after the picture's kExposed, the window key's switch
    std::deque<GameEvent> typed_;       // characters typed or pasted, still to be handed out
    bool textInput_ = false;
};

bool SdlPlatform::Poll(GameEvent& event)
{
    if (switched_) {
        event = *switched_;
        switched_.reset();
        return true;
    }
    if (!typed_.empty()) {
        event = typed_.front();
        typed_.pop_front();
        return true;
    }
    SDL_Event sdlEvent;
    while (SDL_PollEvent(&sdlEvent)) {
        if (!Translate(sdlEvent, event)) {
            if (typed_.empty())
                continue;
            event = typed_.front();
            typed_.pop_front();
            return true;
        }
        if (NoteUse(event, pads_->FamilyOf(event.pad)) && event.IsPad())
            playerPad_ = event.pad;
        return true;
    }
    return false;
}

bool SdlPlatform::Translate(const SDL_Event& sdlEvent, GameEvent& event)
{
    switch (sdlEvent.type) {
    case SDL_QUIT:
        event = GameEvent::Of(GameEvent::Type::kQuit);
        return true;
    case SDL_WINDOWEVENT:
        return TranslateWindowEvent(sdlEvent.window, event);
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        return TranslateKey(sdlEvent, event);
    case SDL_TEXTINPUT:
        Type(sdlEvent.text.text);
        return false;
    case SDL_DROPFILE:
        NoteDropped(sdlEvent.drop.file);
        SDL_free(sdlEvent.drop.file);
        return false;
    case SDL_MOUSEMOTION:
        event = GameEvent::MouseMotion(sdlEvent.motion.x, sdlEvent.motion.y);
        return true;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        event = GameEvent::MouseButton(sdlEvent.button.button, sdlEvent.type == SDL_MOUSEBUTTONDOWN, sdlEvent.button.x,
                                       sdlEvent.button.y);
        return true;
    case SDL_MOUSEWHEEL:
        event = GameEvent::Of(GameEvent::Type::kMouseWheel);
        event.y = sdlEvent.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -sdlEvent.wheel.y : sdlEvent.wheel.y;
        return event.y != 0;
    default:
        return pads_->Translate(sdlEvent, event);
    }
}

bool SdlPlatform::TranslateWindowEvent(const SDL_WindowEvent& windowEvent, GameEvent& event)
{
    switch (windowEvent.event) {
    case SDL_WINDOWEVENT_SIZE_CHANGED:
        window_->Resized();
        event = GameEvent::Of(GameEvent::Type::kExposed);
        return true;
    case SDL_WINDOWEVENT_EXPOSED:
    case SDL_WINDOWEVENT_SHOWN:
    case SDL_WINDOWEVENT_RESTORED:
        event = GameEvent::Of(GameEvent::Type::kExposed);
        return true;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
        event = GameEvent::Of(GameEvent::Type::kFocusGained);
        return true;
    case SDL_WINDOWEVENT_FOCUS_LOST:
        event = GameEvent::Of(GameEvent::Type::kFocusLost);
        return true;
    default:
        return false;
    }
}

// Keys by where they sit: the key at W's place is the game's 119 on any layout. A held key's
// repeats and keys the game has no number for are not heard. The window's own keys are heard as
// the picture to show again, then, when they switched full screen, as the switch.
bool SdlPlatform::TranslateKey(const SDL_Event& sdlEvent, GameEvent& event)
{
    const SdlWindow::WindowKey windowKey = window_->TakeWindowKey(sdlEvent);
    if (windowKey != SdlWindow::WindowKey::kNone) {
        event = GameEvent::Of(GameEvent::Type::kExposed);
        if (windowKey == SdlWindow::WindowKey::kSwitched) {
            switched_ = GameEvent::Of(GameEvent::Type::kFullScreen);
            switched_->value = window_->IsFullScreen() ? 1 : 0;
        }
        return sdlEvent.type == SDL_KEYDOWN;
    }
    const SDL_KeyboardEvent& key = sdlEvent.key;
    const gamekeys::KeyPlace* place = gamekeys::PlaceOfScancode(key.keysym.scancode);
    if (!place || key.repeat)
        return false;
    event = GameEvent::Key(place->number, key.type == SDL_KEYDOWN);
    event.alt = (key.keysym.mod & KMOD_ALT) != 0;
    if (textInput_ && key.type == SDL_KEYDOWN && key.keysym.sym == SDLK_v && (key.keysym.mod & KMOD_CTRL)) {
        if (char* pasted = SDL_GetClipboardText()) {
            Type(pasted);
            SDL_free(pasted);
        }
    }
    return true;
}

void SdlPlatform::Type(const std::string& text)
{
    for (char32_t code : kolm::DecodeUtf8(text)) {
        if (code < 0x20 || code == 0x7F)
            continue; // line ends and other controls are keys, not text
        GameEvent typed = GameEvent::Of(GameEvent::Type::kText);
        typed.value = static_cast<int32_t>(code);
        typed_.push_back(typed);
    }
}

void SdlPlatform::SetTextInput(bool on)
{
    if (on == textInput_)
        return;
    textInput_ = on;
    if (on)
        SDL_StartTextInput();
    else
        SDL_StopTextInput();
}

void SdlPlatform::DesktopSize(int& width, int& height) const
{
    SDL_DisplayMode mode;
    if (SDL_GetDesktopDisplayMode(0, &mode) != 0) {
        width = height = 0;
        return;
    }
    width = mode.w;
    height = mode.h;
}

// SDL 2 reads them from the system (on Linux the LANG and LANGUAGE variables).
std::vector<std::string> SdlPlatform::PreferredLocales() const
{
    std::vector<std::string> locales;
    SDL_Locale* preferred = SDL_GetPreferredLocales();
    for (const SDL_Locale* locale = preferred; locale && locale->language; ++locale)
        locales.push_back(std::string(locale->language) + (locale->country ? std::string("_") + locale->country : ""));
    SDL_free(preferred);
    return locales;
}

std::string SdlPlatform::KeyLabel(int32_t key) const
{
    const gamekeys::KeyPlace* place = gamekeys::PlaceOfNumber(key);
    if (!place)
        return std::string();
    const char* name = SDL_GetKeyName(SDL_GetKeyFromScancode(static_cast<SDL_Scancode>(place->scancode)));
    return name && *name ? name : place->name;
}

} // namespace

std::unique_ptr<Platform> Platform::Start(const WindowOptions& options)
{
    // SDL (the audio, which stays open to the end, among it) is shut down when the process ends.
    static const bool quitsAtExit = std::atexit(SDL_Quit) == 0;
    (void)quitsAtExit;
    std::string problem;
    if (!x11display::StartVideo(problem)) {
        kolm::Complain(problem);
        return nullptr;
    }
    // The game reads keys as it hears them, never as typed text.
    SDL_StopTextInput();
    std::unique_ptr<SdlWindow> window = SdlWindow::Open(options);
    if (!window) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_GAMECONTROLLER);
        return nullptr;
    }
    return std::make_unique<SdlPlatform>(std::move(window), options.classic);
}
