// The platform in a web page: the canvas with its WebGL context (made through the page's SDL) and
// the render device, and the page's own events, taken from the browser directly and turned into
// the game's: keys by their place (KeyboardEvent.code), the mouse over the canvas, the window's
// focus and the page hidden, and pads through the Gamepad API in its standard layout. The page itself owns full
// screen (page.js), so the game's F11 never reaches here.
#include "engine/platform/platform.h"

#include "engine/platform/browser/browserpads.h"
#include "engine/input/gamekeys.h"
#include "engine/gl/glrenderbackend.h"
#include "engine/render/renderbackend.h"
#include "engine/render/texturecache.h"
#include "utils/log.h"
#include "utils/stringutils.h"

#include <SDL.h>
#include <emscripten.h>
#include <emscripten/html5.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <deque>
#include <map>

namespace {

constexpr const char* kCanvas = "#canvas";
constexpr int kCanvasWidth = 1280;
constexpr int kCanvasHeight = 720;

class BrowserPlatform : public Platform {
public:
    explicit BrowserPlatform(std::unique_ptr<GlRenderBackend> device);
    ~BrowserPlatform() override;

    bool Poll(GameEvent& event) override;
    bool SetFullScreen(bool on) override;
    bool IsFullScreen() const override;
    bool SetWindowedSize(int, int) override { return false; }
    void DesktopSize(int& width, int& height) const override;
    PictureRect Picture() const override;
    void ShowCursor(bool shown) override;
    std::string KeyLabel(int32_t key) const override;
    void Rumble(float strength, uint32_t milliseconds) override { pads_.Rumble(playerPad_, strength, milliseconds); }
    void SetTextInput(bool on) override { textInput_ = on; }
    void SetClipboardText(const std::string& text) override;
    std::vector<std::string> PreferredLocales() const override;
    void SpeaksLanguage(const std::string& code) const override;

private:
    // The characters of the text as events to come.
    void Type(const std::string& text);
    static EM_BOOL OnKey(int type, const EmscriptenKeyboardEvent* key, void* self);
    static EM_BOOL OnMouse(int type, const EmscriptenMouseEvent* mouse, void* self);
    static EM_BOOL OnWheel(int type, const EmscriptenWheelEvent* wheel, void* self);
    static EM_BOOL OnFocus(int type, const EmscriptenFocusEvent* focus, void* self);
    static EM_BOOL OnVisibility(int type, const EmscriptenVisibilityChangeEvent* change, void* self);
    static EM_BOOL OnFullScreen(int type, const EmscriptenFullscreenChangeEvent* change, void* self);
    void Listen();
    void Forget();
    // Notes what the key types on the player's layout, the first time it is pressed.
    void LearnLabel(int32_t number, const char* typed);
    static EM_BOOL OnTouch(int type, const EmscriptenTouchEvent* touch, void* self);
    // The event at a point of the canvas (CSS pixels from its corner, the mouse's units).
    static GameEvent AtCanvasPixel(GameEvent event, double cssX, double cssY);

    std::unique_ptr<GlRenderBackend> device_;
    BrowserPads pads_;
    std::deque<GameEvent> waiting_;
    bool padsSampled_ = false; // this round of polls has read the pads
    int32_t playerPad_ = -1;
    std::map<int32_t, std::string> labels_; // what keys type, as the player has pressed them
    bool textInput_ = false;
};

BrowserPlatform::BrowserPlatform(std::unique_ptr<GlRenderBackend> device) : device_(std::move(device))
{
    SetRenderBackend(device_.get());
    Listen();
}

BrowserPlatform::~BrowserPlatform()
{
    Forget();
    ReleaseAllTextures();
    SetRenderBackend(nullptr);
    device_.reset();
}

void BrowserPlatform::Listen()
{
    emscripten_set_keydown_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, this, false, OnKey);
    emscripten_set_keyup_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, this, false, OnKey);
    emscripten_set_mousemove_callback(kCanvas, this, false, OnMouse);
    emscripten_set_mousedown_callback(kCanvas, this, false, OnMouse);
    emscripten_set_mouseup_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, this, false, OnMouse);
    emscripten_set_wheel_callback(kCanvas, this, false, OnWheel);
    emscripten_set_touchstart_callback(kCanvas, this, false, OnTouch);
    emscripten_set_blur_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, this, false, OnFocus);
    emscripten_set_focus_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, this, false, OnFocus);
    emscripten_set_visibilitychange_callback(this, false, OnVisibility);
    emscripten_set_fullscreenchange_callback(EMSCRIPTEN_EVENT_TARGET_DOCUMENT, this, false, OnFullScreen);
}

void BrowserPlatform::Forget()
{
    emscripten_set_keydown_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, false, nullptr);
    emscripten_set_keyup_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, false, nullptr);
    emscripten_set_mousemove_callback(kCanvas, nullptr, false, nullptr);
    emscripten_set_mousedown_callback(kCanvas, nullptr, false, nullptr);
    emscripten_set_mouseup_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, false, nullptr);
    emscripten_set_wheel_callback(kCanvas, nullptr, false, nullptr);
    emscripten_set_touchstart_callback(kCanvas, nullptr, false, nullptr);
    emscripten_set_blur_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, false, nullptr);
    emscripten_set_focus_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, false, nullptr);
    emscripten_set_visibilitychange_callback(nullptr, false, nullptr);
    emscripten_set_fullscreenchange_callback(EMSCRIPTEN_EVENT_TARGET_DOCUMENT, nullptr, false, nullptr);
}

// Keys by where they sit; a held key's repeats and keys the game has no number for are not
// heard. The page keeps the keys the game hears from the browser (no scrolling on the arrows).
EM_BOOL BrowserPlatform::OnKey(int type, const EmscriptenKeyboardEvent* key, void* self)
{
    auto& platform = *static_cast<BrowserPlatform*>(self);
    const gamekeys::KeyPlace* place = gamekeys::PlaceOfBrowserCode(key->code);
    if (!place)
        return false;
    if (key->repeat)
        return true;
    const bool down = type == EMSCRIPTEN_EVENT_KEYDOWN;
    if (down)
        platform.LearnLabel(place->number, key->key);
    GameEvent event = GameEvent::Key(place->number, down);
    event.alt = key->altKey;
    platform.waiting_.push_back(event);
    // A key that types one character (its key names no key: "a", "é", not "Enter") types it.
    const bool typesOne = kolm::DecodeUtf8(key->key).size() == 1;
    if (down && platform.textInput_ && typesOne && !key->ctrlKey && !key->metaKey)
        platform.Type(key->key);
    // Ctrl+V lets the browser paste, which the page hands over as text (TakePasted).
    return !(down && platform.textInput_ && (key->ctrlKey || key->metaKey) && place->number == gamekeys::kV);
}

// What the page's paste listener (web/page.js) kept of the last paste; empty for none.
EM_JS(char*, TakePastedText, (), {
    const text = (typeof Module.takePasted === "function") ? Module.takePasted() : "";
    return stringToNewUTF8(text || "");
});

// The next file the page's drop listener (web/page.js) wrote into the game's files; empty for none.
EM_JS(char*, TakeDroppedPath, (), {
    const path = (typeof Module.takeDropped === "function") ? Module.takeDropped() : "";
    return stringToNewUTF8(path || "");
});

EM_JS(void, WriteClipboardText, (const char* text), {
    const words = UTF8ToString(text);
    if (navigator.clipboard && navigator.clipboard.writeText)
        navigator.clipboard.writeText(words).catch(() => {});
});

void BrowserPlatform::SetClipboardText(const std::string& text) { WriteClipboardText(text.c_str()); }

// The browser's languages, most preferred first, one a line.
EM_JS(char*, BrowserLanguages, (), {
    const languages = navigator.languages && navigator.languages.length ? navigator.languages : [navigator.language || ""];
    return stringToNewUTF8(languages.join("\n"));
});

std::vector<std::string> BrowserPlatform::PreferredLocales() const
{
    char* languages = BrowserLanguages();
    std::vector<std::string> locales = kolm::Split(languages ? languages : "", "\n");
    std::free(languages);
    return locales;
}

EM_JS(void, TellThePageTheLanguage, (const char* code), {
    if (Module.onLanguage)
        Module.onLanguage(UTF8ToString(code));
});

void BrowserPlatform::SpeaksLanguage(const std::string& code) const { TellThePageTheLanguage(code.c_str()); }

void BrowserPlatform::Type(const std::string& text)
{
    for (char32_t code : kolm::DecodeUtf8(text)) {
        if (code < 0x20 || code == 0x7F)
            continue;
        GameEvent typed = GameEvent::Of(GameEvent::Type::kText);
        typed.value = static_cast<int32_t>(code);
        waiting_.push_back(typed);
    }
}

GameEvent BrowserPlatform::AtCanvasPixel(GameEvent event, double cssX, double cssY)
{
    event.x = static_cast<float>(cssX);
    event.y = static_cast<float>(cssY);
    return event;
}

// The canvas as the page shows it, in CSS pixels: 16:9 in the page, the picture letterboxed in a
// canvas full screen on a screen of another shape. Shown at its own 1280 x 720 its pixels are
// the picture's; larger or smaller, the mouse keeps the fraction of the point it is over.
PictureRect BrowserPlatform::Picture() const
{
    double cssWidth = kCanvasWidth;
    double cssHeight = kCanvasHeight;
    emscripten_get_element_css_size(kCanvas, &cssWidth, &cssHeight);
    return PictureRect::Letterboxed(std::max(1, static_cast<int>(std::lround(cssWidth))),
                                    std::max(1, static_cast<int>(std::lround(cssHeight))));
}

EM_BOOL BrowserPlatform::OnMouse(int type, const EmscriptenMouseEvent* mouse, void* self)
{
    auto& platform = *static_cast<BrowserPlatform*>(self);
    // The page numbers its buttons from 0 (the left one), the game from 1.
    const int32_t button = mouse->button + 1;
    GameEvent event;
    if (type == EMSCRIPTEN_EVENT_MOUSEMOVE)
        event = GameEvent::MouseMotion(0, 0);
    else
        event = GameEvent::MouseButton(button, type == EMSCRIPTEN_EVENT_MOUSEDOWN);
    platform.waiting_.push_back(AtCanvasPixel(event, mouse->targetX, mouse->targetY));
    return type != EMSCRIPTEN_EVENT_MOUSEUP;
}

// Fingers coming down on the picture itself (the touch controls' sticks and buttons lie over it
// and keep their own): one tap for the event, at the first new finger. The browser's click made
// of the touch still follows, for the menus; five fingers at once are one tap.
EM_BOOL BrowserPlatform::OnTouch(int, const EmscriptenTouchEvent* touch, void* self)
{
    auto& platform = *static_cast<BrowserPlatform*>(self);
    for (int i = 0; i < touch->numTouches; ++i) {
        const EmscriptenTouchPoint& point = touch->touches[i];
        if (!point.isChanged)
            continue;
        platform.waiting_.push_back(
            AtCanvasPixel(GameEvent::Of(GameEvent::Type::kTap), point.targetX, point.targetY));
        break;
    }
    return false;
}

EM_BOOL BrowserPlatform::OnWheel(int, const EmscriptenWheelEvent* wheel, void* self)
{
    if (wheel->deltaY == 0.0)
        return false;
    GameEvent event = GameEvent::Of(GameEvent::Type::kMouseWheel);
    event.y = wheel->deltaY < 0.0 ? 1.0f : -1.0f; // the page counts a turn towards the player as positive
    static_cast<BrowserPlatform*>(self)->waiting_.push_back(event);
    return true;
}

EM_BOOL BrowserPlatform::OnVisibility(int, const EmscriptenVisibilityChangeEvent* change, void* self)
{
    // A hidden page (another tab, the window minimised, a phone's screen off) has lost the
    // player's attention as a window that lost the focus has; showing it again resumes nothing.
    if (change->hidden)
        static_cast<BrowserPlatform*>(self)->waiting_.push_back(GameEvent::Of(GameEvent::Type::kFocusLost));
    return false;
}

// The page's full screen (its button, F11, Alt+Enter, or the browser's own Escape out of it) is
// heard as the window keys' switch is natively: the setting follows.
EM_BOOL BrowserPlatform::OnFullScreen(int, const EmscriptenFullscreenChangeEvent* change, void* self)
{
    GameEvent event = GameEvent::Of(GameEvent::Type::kFullScreen);
    event.value = change->isFullscreen ? 1 : 0;
    auto& platform = *static_cast<BrowserPlatform*>(self);
    platform.waiting_.push_back(GameEvent::Of(GameEvent::Type::kExposed));
    platform.waiting_.push_back(event);
    return false;
}

EM_BOOL BrowserPlatform::OnFocus(int type, const EmscriptenFocusEvent*, void* self)
{
    const GameEvent::Type focus = type == EMSCRIPTEN_EVENT_BLUR ? GameEvent::Type::kFocusLost : GameEvent::Type::kFocusGained;
    static_cast<BrowserPlatform*>(self)->waiting_.push_back(GameEvent::Of(focus));
    return false;
}

void BrowserPlatform::LearnLabel(int32_t number, const char* typed)
{
    // A single character (not "Shift", "ArrowUp" or a dead key's "Dead").
    if (typed[0] && !typed[1] && std::isgraph(static_cast<unsigned char>(typed[0])))
        labels_[number] = std::string(1, static_cast<char>(std::toupper(static_cast<unsigned char>(typed[0]))));
}

bool BrowserPlatform::Poll(GameEvent& event)
{
    // The page's SDL hears the page's events too; the game reads none of its queue.
    SDL_Event ignored;
    while (SDL_PollEvent(&ignored)) {
    }
    // A paste is taken at once; it types only while a screen asks for text.
    char* pasted = TakePastedText();
    if (textInput_)
        Type(pasted);
    std::free(pasted);
    for (bool more = true; more;) {
        char* dropped = TakeDroppedPath();
        more = *dropped != '\0';
        if (more)
            NoteDropped(dropped);
        std::free(dropped);
    }
    if (waiting_.empty() && !padsSampled_) {
        padsSampled_ = true;
        pads_.Sample(waiting_);
    }
    if (waiting_.empty()) {
        padsSampled_ = false;
        return false;
    }
    event = waiting_.front();
    waiting_.pop_front();
    if (NoteUse(event, pads_.FamilyOf(event.pad)) && event.IsPad())
        playerPad_ = event.pad;
    return true;
}

bool BrowserPlatform::SetFullScreen(bool on)
{
    // The page decides; a browser grants full screen only while it handles the player's own input.
    return EM_ASM_INT({ return Module.tobrakkaFullScreen ? Module.tobrakkaFullScreen($0) : 0; }, on) != 0;
}

bool BrowserPlatform::IsFullScreen() const { return EM_ASM_INT({ return document.fullscreenElement ? 1 : 0; }) != 0; }

void BrowserPlatform::DesktopSize(int& width, int& height) const
{
    width = EM_ASM_INT({ return screen.width; });
    height = EM_ASM_INT({ return screen.height; });
}

void BrowserPlatform::ShowCursor(bool shown)
{
    EM_ASM({ if (Module.canvas) Module.canvas.style.cursor = $0 ? "" : "none"; }, shown);
}

std::string BrowserPlatform::KeyLabel(int32_t key) const
{
    const auto learnt = labels_.find(key);
    if (learnt != labels_.end())
        return learnt->second;
    const gamekeys::KeyPlace* place = gamekeys::PlaceOfNumber(key);
    return place ? place->name : std::string();
}

} // namespace

std::unique_ptr<Platform> Platform::Start(const WindowOptions& options)
{
    // A web page draws on its canvas; the page's SDL makes the WebGL context there.
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_NOPARACHUTE) < 0 || !SDL_SetVideoMode(kCanvasWidth, kCanvasHeight, 0, SDL_OPENGL)) {
        kolm::Complain("D3D_OBJ ERR: Could not create Direct3D Object");
        return nullptr;
    }
    SDL_WM_SetCaption(options.caption, options.caption);
    // The page shows the canvas as it stands when the frame ends: there is nothing to swap.
    const GlPlatform platform{SDL_GL_GetProcAddress, [] {}};
    std::unique_ptr<GlRenderBackend> device = GlRenderBackend::Create(kCanvasWidth, kCanvasHeight, platform, RendererOptions());
    if (!device) {
        kolm::Complain("D3D_DEV ERR: Could not create Direct3D Device");
        return nullptr;
    }
    device->SetPresentArea(kCanvasWidth, kCanvasHeight, PictureRect::Stretched(kCanvasWidth, kCanvasHeight));
    return std::make_unique<BrowserPlatform>(std::move(device));
}
