#pragma once
// A platform with no window for the tests of what the game asks of one: it counts the rumbles
// and remembers the cursor, full screen and the clipboard, and hands out the events a test queues.
#include "engine/platform/platform.h"

#include <deque>
#include <string>
#include <vector>

namespace testsupport {

class FakePlatform : public Platform {
public:
    struct Rumbled {
        float strength;
        uint32_t milliseconds;
    };

    // Queues an event for Poll, noting the device it uses (a pad of the family).
    void Queue(const GameEvent& event, pads::Family family = pads::Family::kGeneric);

    bool Poll(GameEvent& event) override;
    bool SetFullScreen(bool on) override
    {
        fullScreen = on;
        return true;
    }
    bool IsFullScreen() const override { return fullScreen; }
    bool SetWindowedSize(int, int) override { return true; }
    void DesktopSize(int& width, int& height) const override { width = 1920, height = 1080; }
    PictureRect Picture() const override { return PictureRect(); }
    void ShowCursor(bool shown) override { cursorShown = shown; }
    std::string KeyLabel(int32_t key) const override;
    void Rumble(float strength, uint32_t milliseconds) override { rumbles.push_back({strength, milliseconds}); }
    void SetClipboardText(const std::string& text) override { clipboard = text; }
    std::vector<std::string> PreferredLocales() const override { return locales; }
    // A file dropped onto the window.
    void Drop(const std::string& path) { NoteDropped(path); }

    bool fullScreen = false;
    bool cursorShown = true;
    std::vector<Rumbled> rumbles;
    std::string clipboard;
    std::vector<std::string> locales; // the person's languages, most preferred first
    // What a key of the game's numbers types here (an AZERTY keyboard's Z at W's place, say);
    // keys not listed are named by their place.
    std::vector<std::pair<int32_t, std::string>> layout;

private:
    std::deque<GameEvent> queued_;
};

} // namespace testsupport
