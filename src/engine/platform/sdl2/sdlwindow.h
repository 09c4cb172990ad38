#pragma once
// The game's window on SDL 2: an OpenGL (compatibility) context with the render device drawing
// into it, full screen at the desktop's size or a mode of the window's own (the classic game),
// the picture's place in the window as it is now, and the window's own keys (F11, Alt+Enter). Outside
// the classic game the window is never smaller than 640 x 360.
#include "engine/gl/glrenderbackend.h"
#include "engine/platform/platform.h"
#include "utils/passkey.h"

#include <SDL.h>

#include <memory>

class SdlWindow {
public:
    // Opens the window and creates the device; null, after the game's line on standard error,
    // when either cannot be made.
    static std::unique_ptr<SdlWindow> Open(const WindowOptions& options);
    // Only Open makes a window.
    SdlWindow(kolm::Passkey<SdlWindow>, const WindowOptions& options, SDL_Window* window);
    ~SdlWindow();
    SdlWindow(const SdlWindow&) = delete;
    SdlWindow& operator=(const SdlWindow&) = delete;

    // F11 and Alt+Enter, pressed and released, are the window's: the press switches full screen.
    // The classic game's keys are all the game's.
    enum class WindowKey { kNone, kTaken, kSwitched };
    WindowKey TakeWindowKey(const SDL_Event& event);
    // The window's size changed (by the player, the desktop or a switch): the picture follows.
    void Resized();

    bool SetFullScreen(bool on);
    bool IsFullScreen() const { return fullScreen_; }
    bool SetWindowedSize(int width, int height);
    // Where the picture lies in window points (the mouse's units).
    PictureRect Picture() const;

private:
    bool CreateDevice();
    // Full screen or not, as asked; false when SDL refused.
    bool ApplyMode(bool fullScreen);
    PictureRect PictureIn(int width, int height) const;

    SDL_Window* window_;
    SDL_GLContext context_ = nullptr;
    std::unique_ptr<GlRenderBackend> device_;
    bool classic_;
    bool fullScreen_;
    int windowedWidth_; // the window's size when it is not full screen
    int windowedHeight_;
};
