#include "engine/renderdevice.h"

#include "engine/glrenderbackend.h"
#include "engine/random.h"
#include "engine/texturecache.h"

#include <SDL.h>
#ifndef __EMSCRIPTEN__
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#endif

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <iostream>
#include <memory>
#include <thread>

int g_windowWidth = 1280;
int g_windowHeight = 720;

namespace {

std::unique_ptr<GlRenderBackend> g_device;

// What the window is and may become.
struct WindowState {
    bool classic = false;
    bool fullScreen = false;
    int windowedWidth = 1280; // the window's size when it is not full screen
    int windowedHeight = 720;
    int desktopWidth = 0; // the desktop's size before the game opened its window; 0 if unknown
    int desktopHeight = 0;
    int bitsPerPixel = 0; // the desktop's, kept for every mode change: a change of depth would lose the OpenGL context
};

WindowState g_window;

constexpr const char* kNeedsADisplay = " (the game needs a display; without one, run it under xvfb-run)";

void ReportDeviceFailure(const char* caption, const char* text)
{
    std::cerr << caption << ": " << text << std::endl;
}

// Before the first window, while SDL's video information still describes the desktop itself.
void PrepareWindow(const WindowOptions& options)
{
    g_window = WindowState();
    g_window.classic = options.classic;
    g_window.windowedWidth = g_windowWidth;
    g_window.windowedHeight = g_windowHeight;
    const SDL_VideoInfo* info = SDL_GetVideoInfo();
#ifdef __EMSCRIPTEN__
    // A page's SDL leaves the pixel format of its video information unset, and a canvas has no
    // depth to keep.
    g_window.bitsPerPixel = 0;
#else
    g_window.bitsPerPixel = info && info->vfmt ? info->vfmt->BitsPerPixel : 0;
#endif
    g_window.desktopWidth = info ? info->current_w : 0;
    g_window.desktopHeight = info ? info->current_h : 0;
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 0);
#ifndef __EMSCRIPTEN__
    // A web page's frames are paced by the browser; its SDL has no swap control to turn off.
    SDL_GL_SetAttribute(SDL_GL_SWAP_CONTROL, 0);
#endif
}

#ifndef __EMSCRIPTEN__

// SDL 2 (under sdl12-compat) asks the window manager to lay a full-screen window over the
// screen. With none (a bare X server: a kiosk, a test display) nobody does, and the window keeps
// the place it had as a window, partly off the screen. A window that no manager has framed (the
// root's own child) is put at the screen's corner then.
void PlaceUnmanagedFullScreenWindow()
{
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWMInfo(&info) != 1 || info.subsystem != SDL_SYSWM_X11)
        return;
    if (info.info.x11.lock_func)
        info.info.x11.lock_func();
    Display* display = info.info.x11.display;
    const Window window = info.info.x11.window;
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned childCount = 0;
    if (XQueryTree(display, window, &root, &parent, &children, &childCount)) {
        if (children)
            XFree(children);
        XWindowAttributes attributes;
        if (parent == root && XGetWindowAttributes(display, window, &attributes) && (attributes.x != 0 || attributes.y != 0)) {
            XMoveWindow(display, window, 0, 0);
            XSync(display, False);
        }
    }
    if (info.info.x11.unlock_func)
        info.info.x11.unlock_func();
}
#endif

// Opens the window, or changes it. Full screen is the desktop's own size, so that the screen
// keeps its mode (the classic game asks for a mode of the window's size). SDL keeps the
// OpenGL context through the change as long as the depth and the OpenGL flag stay.
bool SetMode(bool fullScreen)
{
    int width = g_window.windowedWidth;
    int height = g_window.windowedHeight;
    Uint32 flags = SDL_OPENGL;
    if (fullScreen) {
        flags |= SDL_FULLSCREEN;
        if (!g_window.classic && g_window.desktopWidth > 0 && g_window.desktopHeight > 0) {
            width = g_window.desktopWidth;
            height = g_window.desktopHeight;
        }
    } else if (!g_window.classic) {
        flags |= SDL_RESIZABLE;
    }
    SDL_Surface* surface = SDL_SetVideoMode(width, height, g_window.bitsPerPixel, flags);
    if (!surface)
        return false;
#ifndef __EMSCRIPTEN__
    if (fullScreen && !g_window.classic)
        PlaceUnmanagedFullScreenWindow();
#endif
    g_window.fullScreen = fullScreen;
    g_windowWidth = surface->w;
    g_windowHeight = surface->h;
    if (g_device)
        g_device->SetPresentArea(g_windowWidth, g_windowHeight, WindowPicture());
    return true;
}

// Resize requests that were queued for the window before a switch describe a window that is
// gone: following them would undo the switch.
void DropQueuedResizes()
{
    SDL_PumpEvents();
    SDL_Event stale[8];
    while (SDL_PeepEvents(stale, 8, SDL_GETEVENT, SDL_VIDEORESIZEMASK) > 0) {
    }
}

// The window resized by the player or the desktop: the picture follows it.
void Resize(int width, int height)
{
    if (!g_device || g_window.fullScreen || width < 1 || height < 1)
        return;
    if (width == g_windowWidth && height == g_windowHeight)
        return;
    g_window.windowedWidth = width;
    g_window.windowedHeight = height;
    SetMode(false);
}

bool IsWindowKey(const SDL_Event& event)
{
    if (event.type != SDL_KEYDOWN && event.type != SDL_KEYUP)
        return false;
    const SDLKey key = event.key.keysym.sym;
    return key == SDLK_F11 || (key == SDLK_RETURN && (event.key.keysym.mod & KMOD_ALT) != 0);
}

#ifndef __EMSCRIPTEN__
// An X server with no other client (a bare Xvfb in a script, a kiosk or a test rig) resets when
// its last client leaves and refuses connections until it is done; a game started right after
// another one meets it doing so, and a display started together with the game may not be up
// yet. So the connection is tried for a while before the game gives up.
constexpr auto kDisplayPatience = std::chrono::seconds(2);
constexpr auto kDisplayRetryPause = std::chrono::milliseconds(20);

// A connection to the X display named by DISPLAY, or null when it refused for kDisplayPatience.
// The caller keeps it open while SDL connects: SDL closes a probe connection of its own before
// it opens the one it keeps, and the server must not be left without a client in between.
Display* ConnectToDisplay()
{
    const auto giveUp = std::chrono::steady_clock::now() + kDisplayPatience;
    for (;;) {
        if (Display* display = XOpenDisplay(nullptr))
            return display;
        if (std::chrono::steady_clock::now() >= giveUp)
            return nullptr;
        std::this_thread::sleep_for(kDisplayRetryPause);
    }
}

// A display that goes away under a running game (its X server ends, the connection breaks) is
// told to Xlib's handler for lost connections, whose own answer ends the process with exit():
// the clean-up that runs then (SDL's, the OpenGL driver's) waits on the display that is gone,
// spinning a core for ever and deaf to SIGTERM. The game ends at once instead, saying why;
// everything it keeps on disk was written when it changed.
[[noreturn]] int EndOnLostDisplay(Display* display)
{
    std::fprintf(stderr, "lost the connection to X display %s\n", DisplayString(display));
    std::_Exit(1);
}

// True when SDL is to draw on the X display that DISPLAY names.
bool DisplayNamed()
{
    const char* driver = std::getenv("SDL_VIDEODRIVER");
    const char* display = std::getenv("DISPLAY");
    return driver && std::strcmp(driver, "x11") == 0 && display && *display;
}
#endif

bool CreateRenderDevice()
{
    const GlPlatform platform{SDL_GL_GetProcAddress, [] { SDL_GL_SwapBuffers(); }};
    g_device = GlRenderBackend::Create(g_windowWidth, g_windowHeight, platform, RendererOptions());
    if (!g_device) {
        ReportDeviceFailure("D3D_DEV ERR", "Could not create Direct3D Device");
        return false;
    }
    g_device->SetPresentArea(g_windowWidth, g_windowHeight, WindowPicture());
    SetRenderBackend(g_device.get());
    return true;
}

} // namespace

bool RenderInit(const WindowOptions& options)
{
    SeedRuntimeRandom(static_cast<uint32_t>(std::time(nullptr)));
    // The game draws with OpenGL, which SDL offers only on X11: without this, SDL would fall
    // back to a text-mode driver on a machine with no display and take over the terminal.
#ifdef __EMSCRIPTEN__
    // A web page draws on its canvas.
    const bool started = SDL_Init(SDL_INIT_VIDEO | SDL_INIT_JOYSTICK | SDL_INIT_NOPARACHUTE) >= 0 && SDL_GetVideoInfo();
#else
    setenv("SDL_VIDEODRIVER", "x11", 0);
    // The game scales and letterboxes its picture itself. With its own OpenGL scaling on,
    // sdl12-compat would have the game draw into a framebuffer of its own and copy that into the
    // window at every swap: one more full-screen pass a frame, which a software rasteriser feels.
    setenv("SDL12COMPAT_OPENGL_SCALING", "0", 0);
    const bool named = DisplayNamed();
    Display* held = named ? ConnectToDisplay() : nullptr;
    if (named && !held) {
        std::cerr << "cannot connect to X display " << XDisplayName(nullptr) << kNeedsADisplay << std::endl;
        return false;
    }
    const bool started = SDL_Init(SDL_INIT_VIDEO | SDL_INIT_JOYSTICK | SDL_INIT_NOPARACHUTE) >= 0 && SDL_GetVideoInfo();
    if (held)
        XCloseDisplay(held);
    XSetIOErrorHandler(EndOnLostDisplay);
#endif
    if (!started) {
        std::cerr << SDL_GetError() << kNeedsADisplay << std::endl;
        return false;
    }
    PrepareWindow(options);
    if (!SetMode(options.fullScreen)) {
        ReportDeviceFailure("D3D_OBJ ERR", "Could not create Direct3D Object");
        return false;
    }
    return CreateRenderDevice();
}

void BeginFrame() { GetRenderBackend().BeginFrame(); }

void EndFrame() { GetRenderBackend().EndFrame(); }

void PresentAgain() { GetRenderBackend().PresentAgain(); }

void RenderShutdown()
{
    ReleaseAllTextures();
    if (g_device) {
        SetRenderBackend(nullptr);
        g_device.reset();
    }
}

bool HandleWindowEvent(const SDL_Event& event)
{
    if (g_window.classic)
        return false;
    if (event.type == SDL_VIDEORESIZE) {
        Resize(event.resize.w, event.resize.h);
        return true;
    }
    if (!IsWindowKey(event))
        return false;
    if (event.type == SDL_KEYDOWN)
        SetFullScreen(!g_window.fullScreen);
    return true;
}

bool MayHaveLostPicture(const SDL_Event& event)
{
    return event.type == SDL_VIDEOEXPOSE || (event.type == SDL_ACTIVEEVENT && event.active.gain != 0);
}

bool SetFullScreen(bool on)
{
    if (g_window.classic || !g_device)
        return false;
    if (on == g_window.fullScreen)
        return true;
    if (SetMode(on)) {
        DropQueuedResizes();
        return true;
    }
    SetMode(!on); // the window as it was, should the failed change have left it otherwise
    return false;
}

bool IsFullScreen() { return g_window.fullScreen; }

bool SetWindowedSize(int width, int height)
{
    if (g_window.classic || !g_device || width < 1 || height < 1)
        return false;
    const int oldWidth = g_window.windowedWidth;
    const int oldHeight = g_window.windowedHeight;
    g_window.windowedWidth = width;
    g_window.windowedHeight = height;
    if (g_window.fullScreen || (width == g_windowWidth && height == g_windowHeight))
        return true;
    if (SetMode(false)) {
        DropQueuedResizes();
        return true;
    }
    g_window.windowedWidth = oldWidth;
    g_window.windowedHeight = oldHeight;
    SetMode(false);
    return false;
}

void DesktopSize(int& width, int& height)
{
    width = g_window.desktopWidth;
    height = g_window.desktopHeight;
}

PictureRect WindowPicture()
{
    return g_window.classic ? PictureRect::Stretched(g_windowWidth, g_windowHeight)
                            : PictureRect::Letterboxed(g_windowWidth, g_windowHeight);
}

vector2& WindowToVirtual(vector2& out, const vector2& in)
{
    out = WindowPicture().WindowToPicture(in);
    return out;
}

vector2 VirtualToClip(const vector2& p)
{
    return vector2(p.x / 1280.0f * 2.0f - 1.0f, 1.0f - p.y / 720.0f * 2.0f);
}
