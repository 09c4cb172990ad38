#include "engine/renderdevice.h"

#include "engine/glrenderbackend.h"
#include "engine/random.h"
#include "engine/texturecache.h"

#include <SDL.h>
#include <X11/Xlib.h>

#include <chrono>
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

constexpr const char* kNeedsADisplay = " (the game needs a display; without one, run it under xvfb-run)";

void ReportDeviceFailure(const char* caption, const char* text)
{
    std::cerr << caption << ": " << text << std::endl;
}

bool OpenWindow(bool fullScreen)
{
    const SDL_VideoInfo* info = SDL_GetVideoInfo();
    const int bitsPerPixel = info && info->vfmt ? info->vfmt->BitsPerPixel : 0;
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_SWAP_CONTROL, 0);
    const Uint32 flags = SDL_OPENGL | (fullScreen ? SDL_FULLSCREEN : 0);
    return SDL_SetVideoMode(g_windowWidth, g_windowHeight, bitsPerPixel, flags) != nullptr;
}

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

// True when SDL is to draw on the X display that DISPLAY names.
bool DisplayNamed()
{
    const char* driver = std::getenv("SDL_VIDEODRIVER");
    const char* display = std::getenv("DISPLAY");
    return driver && std::strcmp(driver, "x11") == 0 && display && *display;
}

bool CreateRenderDevice()
{
    g_device = GlRenderBackend::Create(g_windowWidth, g_windowHeight);
    if (!g_device) {
        ReportDeviceFailure("D3D_DEV ERR", "Could not create Direct3D Device");
        return false;
    }
    SetRenderBackend(g_device.get());
    return true;
}

} // namespace

bool RenderInit(bool fullScreen)
{
    SeedRuntimeRandom(static_cast<uint32_t>(std::time(nullptr)));
    // The game draws with OpenGL, which SDL offers only on X11: without this, SDL would fall
    // back to a text-mode driver on a machine with no display and take over the terminal.
    setenv("SDL_VIDEODRIVER", "x11", 0);
    const bool named = DisplayNamed();
    Display* held = named ? ConnectToDisplay() : nullptr;
    if (named && !held) {
        std::cerr << "cannot connect to X display " << XDisplayName(nullptr) << kNeedsADisplay << std::endl;
        return false;
    }
    const bool started = SDL_Init(SDL_INIT_VIDEO | SDL_INIT_JOYSTICK | SDL_INIT_NOPARACHUTE) >= 0 && SDL_GetVideoInfo();
    if (held)
        XCloseDisplay(held);
    if (!started) {
        std::cerr << SDL_GetError() << kNeedsADisplay << std::endl;
        return false;
    }
    if (!OpenWindow(fullScreen)) {
        ReportDeviceFailure("D3D_OBJ ERR", "Could not create Direct3D Object");
        return false;
    }
    return CreateRenderDevice();
}

void BeginFrame() { GetRenderBackend().BeginFrame(); }

void EndFrame() { GetRenderBackend().EndFrame(); }

void RenderShutdown()
{
    ReleaseAllTextures();
    if (g_device) {
        SetRenderBackend(nullptr);
        g_device.reset();
    }
}

vector2& WindowToVirtual(vector2& out, const vector2& in)
{
    out.x = static_cast<float>(in.x / static_cast<float>(g_windowWidth) * 1280.0);
    out.y = static_cast<float>(in.y / static_cast<float>(g_windowHeight) * 720.0);
    return out;
}

vector2 VirtualToClip(const vector2& p)
{
    return vector2(p.x / 1280.0f * 2.0f - 1.0f, 1.0f - p.y / 720.0f * 2.0f);
}
