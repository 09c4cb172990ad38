#pragma once
// The machine the game runs on, behind one seam: the window with its OpenGL context and render
// device, the keyboard, the mouse and the pads. Every event of the platform comes out of Poll
// turned into the game's own (engine/input/gameevent.h), once. There are two implementations, one on
// SDL 2 (engine/sdl2/) and one in a web page (engine/browser/); each build compiles its own.
//
// The window: all drawing happens in a fixed 1280 x 720 picture, presented in the window
// letterboxed (as large as the window allows with its shape kept, black bars filling the rest;
// a high-DPI window at its real pixels). Full screen takes the desktop's own size (no video-mode
// switch); F11 and Alt+Enter switch between window and full screen at any moment, and the window
// may be resized: the window takes those keys and sizes itself, and Poll hands the game kExposed
// instead, then kFullScreen when the keys switched it (in a page, whatever switched it), so that
// the setting follows. Outside the classic game the window is never smaller than 640 x 360. The
// classic game opens the window it is asked for and keeps it, the picture
// stretched over it, full screen a mode of the window's size, and all keys are the game's.
//
// The pads: outside the classic game every pad the platform knows plays as soon as it is
// connected, and the last one used is the player's; the classic game plays the one it opened at
// start-up (a "360" pad preferred). The console lines of the pads and of a window that cannot be
// made are the game's long-standing ones.
#include "engine/input/gameevent.h"
#include "engine/input/padbuttons.h"
#include "engine/render/picturerect.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct WindowOptions {
    int width = 1280; // the window's size when it is not full screen
    int height = 720;
    bool fullScreen = false;
    bool classic = false;
    const char* caption = "";
};

// What the person last played with: the keyboard and mouse, or a pad of some family.
struct LastDevice {
    bool pad = false;
    pads::Family family = pads::Family::kGeneric;

    bool operator==(const LastDevice& other) const { return pad == other.pad && (!pad || family == other.family); }
    bool operator!=(const LastDevice& other) const { return !(*this == other); }
};

class Platform {
public:
    // Starts the platform, opens the window, creates the render device and installs it as the
    // backend every draw goes through, and opens the pads. Null, after saying why on standard
    // error ("D3D_OBJ ERR: Could not create Direct3D Object" for a window or OpenGL context that
    // cannot be made, "D3D_DEV ERR: Could not create Direct3D Device" for a device that cannot),
    // when the game cannot run here.
    static std::unique_ptr<Platform> Start(const WindowOptions& options);
    // Releases every texture, the device, the window.
    virtual ~Platform() = default;

    // The next waiting event in the game's terms; false when none is waiting.
    virtual bool Poll(GameEvent& event) = 0;

    // Switches between window and full screen; false when the switch could not be made (the
    // window stays as it was) or the game is the classic one.
    virtual bool SetFullScreen(bool on) = 0;
    virtual bool IsFullScreen() const = 0;
    // The window's size when it is not full screen, applied at once when it is a window now (the
    // classic game keeps its window). False when it cannot be made; the window stays as it was.
    virtual bool SetWindowedSize(int width, int height) = 0;
    // The desktop's size; 0 x 0 when not known.
    virtual void DesktopSize(int& width, int& height) const = 0;
    // Where the picture lies in the window, in the units of the mouse's window pixels.
    virtual PictureRect Picture() const = 0;
    virtual void ShowCursor(bool shown) = 0;

    // What the key at the place of a key number types on the player's own layout, as the
    // player would call it ("Z" for the place of W on a French keyboard, "Space", "F5").
    virtual std::string KeyLabel(int32_t key) const = 0;

    // What the person last used to play, judged from the events Poll has handed out.
    LastDevice LastUsed() const { return lastUsed_; }
    // Shakes the player's pad, if it can, at a strength from 0 to 1 for so long.
    virtual void Rumble(float strength, uint32_t milliseconds) = 0;

    // While on, the characters the player types, and what Ctrl+V pastes, come as kText events
    // (besides the keys themselves); off from the start, so that play hears keys alone.
    virtual void SetTextInput(bool) {}
    // Puts the text on the system's clipboard (the page: the browser's), where it can.
    virtual void SetClipboardText(const std::string&) {}
    // The languages the person prefers, most preferred first, as the system or the browser names
    // them ("fr_CA", "pt-BR", "de"); none when it does not say.
    virtual std::vector<std::string> PreferredLocales() const { return {}; }
    // Told the language the game speaks from now on, by its code ("fr", "pt_BR"): the page letters
    // its own words in it.
    virtual void SpeaksLanguage(const std::string&) const {}

    // The files the player dropped onto the window (the page: onto its picture), oldest first, as
    // paths the game can open; each is handed out once. They wait, up to kDropsKept, until a
    // screen that takes them asks.
    std::vector<std::string> TakeDroppedFiles();
    static constexpr std::size_t kDropsKept = 16;

protected:
    void NoteDropped(const std::string& path);

    // Notes the device behind an event the person made; true when the event used it (a key or
    // button pressed, a stick pushed), false for a release, a move or a stick at rest.
    bool NoteUse(const GameEvent& event, pads::Family padFamily);

private:
    LastDevice lastUsed_;
    std::vector<std::string> dropped_;
};
