#include "engine/platform/sdl2/sdlwindow.h"

#include "engine/render/renderbackend.h"
#include "engine/platform/sdl2/x11display.h"
#include "engine/render/texturecache.h"
#include "utils/log.h"

namespace {

// The smallest window the game lets the player make: the picture at half its size, the smallest
// at which its lettering can still be read.
constexpr int kSmallestWidth = 640;
constexpr int kSmallestHeight = 360;

void ReportDeviceFailure(const char* caption, const char* text)
{
    kolm::Complain(std::string(caption) + ": " + text);
}

Uint32 WindowFlags(const WindowOptions& options)
{
    Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_ALLOW_HIGHDPI;
    if (!options.classic)
        flags |= SDL_WINDOW_RESIZABLE;
    if (options.fullScreen)
        flags |= options.classic ? SDL_WINDOW_FULLSCREEN : SDL_WINDOW_FULLSCREEN_DESKTOP;
    return flags;
}

} // namespace

std::unique_ptr<SdlWindow> SdlWindow::Open(const WindowOptions& options)
{
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 0);
    SDL_Window* window = SDL_CreateWindow(options.caption, SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED,
                                          options.width, options.height, WindowFlags(options));
    if (!window) {
        ReportDeviceFailure("D3D_OBJ ERR", "Could not create Direct3D Object");
        return nullptr;
    }
    auto opened = std::make_unique<SdlWindow>(kolm::Passkey<SdlWindow>(), options, window);
    opened->context_ = SDL_GL_CreateContext(window);
    if (!opened->context_) {
        ReportDeviceFailure("D3D_OBJ ERR", "Could not create Direct3D Object");
        return nullptr;
    }
    if (!options.classic)
        SDL_SetWindowMinimumSize(window, kSmallestWidth, kSmallestHeight);
    // No wait for the screen's refresh: the frame loop's 16 ms step paces the frames.
    SDL_GL_SetSwapInterval(0);
    if (!opened->CreateDevice()) {
        ReportDeviceFailure("D3D_DEV ERR", "Could not create Direct3D Device");
        return nullptr;
    }
    if (options.fullScreen && !options.classic)
        x11display::CoverScreenIfUnmanaged(window);
    opened->Resized();
    return opened;
}

SdlWindow::SdlWindow(kolm::Passkey<SdlWindow>, const WindowOptions& options, SDL_Window* window)
    : window_(window), classic_(options.classic), fullScreen_(options.fullScreen), windowedWidth_(options.width),
      windowedHeight_(options.height)
{
}

SdlWindow::~SdlWindow()
{
    ReleaseAllTextures();
    if (device_) {
        SetRenderBackend(nullptr);
        device_.reset();
    }
    if (context_)
        SDL_GL_DeleteContext(context_);
    SDL_DestroyWindow(window_);
}

bool SdlWindow::CreateDevice()
{
    int width = 0;
    int height = 0;
    SDL_GL_GetDrawableSize(window_, &width, &height);
    SDL_Window* window = window_;
    const GlPlatform platform{SDL_GL_GetProcAddress, [window] { SDL_GL_SwapWindow(window); }};
    device_ = GlRenderBackend::Create(width, height, platform, RendererOptions());
    if (!device_)
        return false;
    SetRenderBackend(device_.get());
    return true;
}

SdlWindow::WindowKey SdlWindow::TakeWindowKey(const SDL_Event& event)
{
    if (classic_ || (event.type != SDL_KEYDOWN && event.type != SDL_KEYUP))
        return WindowKey::kNone;
    const SDL_Scancode key = event.key.keysym.scancode;
    const bool enter = key == SDL_SCANCODE_RETURN || key == SDL_SCANCODE_KP_ENTER;
    if (key != SDL_SCANCODE_F11 && !(enter && (event.key.keysym.mod & KMOD_ALT) != 0))
        return WindowKey::kNone;
    if (event.type == SDL_KEYDOWN && !event.key.repeat && SetFullScreen(!fullScreen_))
        return WindowKey::kSwitched;
    return WindowKey::kTaken;
}

void SdlWindow::Resized()
{
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(window_, &width, &height);
    if (!fullScreen_ && !classic_ && (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN) == 0 && width > 0 &&
        height > 0) {
        windowedWidth_ = width;
        windowedHeight_ = height;
    }
    int pixelsWide = 0;
    int pixelsHigh = 0;
    SDL_GL_GetDrawableSize(window_, &pixelsWide, &pixelsHigh);
    device_->SetPresentArea(pixelsWide, pixelsHigh, PictureIn(pixelsWide, pixelsHigh));
}

PictureRect SdlWindow::PictureIn(int width, int height) const
{
    // A window shrunk to nothing still has a picture of one pixel.
    width = width > 0 ? width : 1;
    height = height > 0 ? height : 1;
    return classic_ ? PictureRect::Stretched(width, height) : PictureRect::Letterboxed(width, height);
}

PictureRect SdlWindow::Picture() const
{
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(window_, &width, &height);
    return PictureIn(width, height);
}

bool SdlWindow::ApplyMode(bool fullScreen)
{
    if (fullScreen && classic_) {
        SDL_DisplayMode mode{};
        mode.w = windowedWidth_;
        mode.h = windowedHeight_;
        SDL_SetWindowDisplayMode(window_, &mode);
    }
    const Uint32 flag = !fullScreen ? 0 : classic_ ? SDL_WINDOW_FULLSCREEN : SDL_WINDOW_FULLSCREEN_DESKTOP;
    if (SDL_SetWindowFullscreen(window_, flag) != 0)
        return false;
    fullScreen_ = fullScreen;
    if (fullScreen && !classic_)
        x11display::CoverScreenIfUnmanaged(window_);
    else if (!fullScreen)
        SDL_SetWindowSize(window_, windowedWidth_, windowedHeight_);
    Resized();
    return true;
}

bool SdlWindow::SetFullScreen(bool on)
{
    if (classic_)
        return false;
    if (on == fullScreen_)
        return true;
    if (ApplyMode(on))
        return true;
    ApplyMode(!on); // the window as it was, should the failed change have left it otherwise
    return false;
}

bool SdlWindow::SetWindowedSize(int width, int height)
{
    if (classic_ || width < 1 || height < 1)
        return false;
    windowedWidth_ = width;
    windowedHeight_ = height;
    if (!fullScreen_)
        SDL_SetWindowSize(window_, width, height);
    Resized();
    return true;
}
