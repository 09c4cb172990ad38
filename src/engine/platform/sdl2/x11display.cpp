#include "engine/platform/sdl2/x11display.h"

#include "utils/log.h"

#include <SDL_syswm.h>
#include <X11/Xlib.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace x11display {
namespace {

constexpr const char* kNeedsADisplay = " (the game needs a display; without one, run it under xvfb-run)";
constexpr Uint32 kSubsystems = SDL_INIT_VIDEO | SDL_INIT_GAMECONTROLLER;

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
    kolm::Complain(std::string("lost the connection to X display ") + DisplayString(display));
    std::_Exit(1);
}

// True when SDL is to draw on the X display that DISPLAY names.
bool DisplayNamed()
{
    const char* driver = std::getenv("SDL_VIDEODRIVER");
    const char* display = std::getenv("DISPLAY");
    return driver && std::strcmp(driver, "x11") == 0 && display && *display;
}

// The window as X knows it, with the display locked while the work runs.
template <typename Work>
void WithX11Window(SDL_Window* window, Work work)
{
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11)
        return;
    work(info.info.x11.display, info.info.x11.window);
}

} // namespace

bool StartVideo(std::string& problem)
{
    // The game draws with OpenGL through X11: without this, SDL could fall back to a console
    // driver on a machine with no display and take over the terminal.
    setenv("SDL_VIDEODRIVER", "x11", 0);
    const bool named = DisplayNamed();
    Display* held = named ? ConnectToDisplay() : nullptr;
    if (named && !held) {
        problem = std::string("cannot connect to X display ") + XDisplayName(nullptr) + kNeedsADisplay;
        return false;
    }
    const bool started = SDL_InitSubSystem(kSubsystems) == 0;
    if (held)
        XCloseDisplay(held);
    XSetIOErrorHandler(EndOnLostDisplay);
    if (!started)
        problem = std::string(SDL_GetError()) + kNeedsADisplay;
    return started;
}

void CoverScreenIfUnmanaged(SDL_Window* window)
{
    SDL_Rect screen;
    if (SDL_GetDisplayBounds(SDL_GetWindowDisplayIndex(window), &screen) != 0)
        return;
    WithX11Window(window, [&screen](Display* display, Window xwindow) {
        Window root = 0;
        Window parent = 0;
        Window* children = nullptr;
        unsigned childCount = 0;
        if (!XQueryTree(display, xwindow, &root, &parent, &children, &childCount))
            return;
        if (children)
            XFree(children);
        // A window that no manager has framed is the root's own child.
        if (parent != root)
            return;
        XMoveResizeWindow(display, xwindow, screen.x, screen.y, static_cast<unsigned>(screen.w),
                          static_cast<unsigned>(screen.h));
        XSync(display, False);
    });
}

} // namespace x11display
