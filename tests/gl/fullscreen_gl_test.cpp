// Full screen at the desktop's size with the picture letterboxed, the window keys and a resized
// window.
#include "app/profile/commandline.h"
#include "engine/input/gamekeys.h"
#include "app/menu/optionscard.h"
#include "app/profile/settingskeeper.h"
#include "audio/soundoutput.h"
#include "engine/render/picturerect.h"
#include "engine/platform/platform.h"
#include "engine/render/renderbackend.h"
#include "engine/render/renderdevice.h"
#include "engine/render/sprite.h"

#include "support/processrunner.h"
#include "support/sdlinput.h"
#include "support/testsupport.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <sys/wait.h>
#include <unistd.h>
#include <string>
#include <vector>

// Last: Xlib's macros (None, Bool, Status) would clash with the declarations above.
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

// An RGB picture of a whole X screen or window, rows top to bottom.
struct ScreenImage {
    int left = 0; // where on the screen it was read
    int top = 0;
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels; // 0xRRGGBB

    uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }

    // Pixels of a rectangle that are not black, and how many were looked at.
    std::pair<int, int> Lit(int left, int top, int right, int bottom) const
    {
        int lit = 0;
        int seen = 0;
        for (int y = top; y < bottom; ++y) {
            for (int x = left; x < right; ++x) {
                lit += At(x, y) != 0;
                ++seen;
            }
        }
        return {lit, seen};
    }
};

uint32_t BigEndian32(const std::string& bytes, std::size_t at)
{
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i)
        value = value << 8 | static_cast<uint8_t>(bytes[at + i]);
    return value;
}

// Reads the screen an Xvfb keeps in its -fbdir: an XWD file of 32-bit pixels.
ScreenImage ReadXvfbScreen(const std::string& fileName)
{
    std::ifstream in(fileName, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ScreenImage image;
    if (bytes.size() < 100 || BigEndian32(bytes, 44) != 32)
        return image;
    const std::size_t start = BigEndian32(bytes, 0) + BigEndian32(bytes, 76) * 12; // header, colours
    const std::size_t stride = BigEndian32(bytes, 48);
    const bool littleEndian = BigEndian32(bytes, 28) == 0;
    image.width = static_cast<int>(BigEndian32(bytes, 16));
    image.height = static_cast<int>(BigEndian32(bytes, 20));
    if (bytes.size() < start + stride * image.height)
        return ScreenImage();
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const std::size_t at = start + stride * y + x * 4;
            const uint32_t raw = littleEndian ? __builtin_bswap32(BigEndian32(bytes, at)) : BigEndian32(bytes, at);
            image.pixels.push_back(raw & 0xFFFFFF);
        }
    }
    return image;
}

// What the X server shows where the game's window is (read from the screen, which holds
// the window whether SDL has put it inside a full-screen window of its own or not).
ScreenImage WindowImage()
{
    ScreenImage image;
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(SDL_GL_GetCurrentWindow(), &info))
        return image;
    Display* display = info.info.x11.display;
    XSync(display, False);
    XWindowAttributes attributes;
    XGetWindowAttributes(display, info.info.x11.window, &attributes);
    int left = 0;
    int top = 0;
    Window child;
    XTranslateCoordinates(display, info.info.x11.window, attributes.root, 0, 0, &left, &top, &child);
    XImage* x = XGetImage(display, attributes.root, left, top, attributes.width, attributes.height, AllPlanes, ZPixmap);
    if (!x)
        return image;
    image.left = left;
    image.top = top;
    image.width = attributes.width;
    image.height = attributes.height;
    for (int row = 0; row < image.height; ++row)
        for (int column = 0; column < image.width; ++column)
            image.pixels.push_back(static_cast<uint32_t>(XGetPixel(x, column, row) & 0xFFFFFF));
    XDestroyImage(x);
    return image;
}

// The window's size in its own pixels.
std::pair<int, int> WindowPixels()
{
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(SDL_GL_GetCurrentWindow(), &width, &height);
    return {width, height};
}

// Whether the events hold a key of the game's.
bool HoldsAKey(const std::vector<GameEvent>& events)
{
    for (const GameEvent& event : events) {
        if (event.IsKey())
            return true;
    }
    return false;
}

// An Xvfb of the test's own, named by DISPLAY while it lives: a window that goes full screen
// on the shared display would pass the pointer over the windows of the tests beside it.
class PrivateDisplay {
public:
    PrivateDisplay() : name_(testsupport::FreeDisplay())
    {
        const char* previous = std::getenv("DISPLAY");
        previous_ = previous ? previous : "";
        server_ = fork();
        if (server_ == 0) {
            const int quiet = open("/dev/null", O_WRONLY);
            dup2(quiet, 2);
            execlp("Xvfb", "Xvfb", name_.c_str(), "-screen", "0", "1920x1080x24", "-nolisten", "tcp", static_cast<char*>(nullptr));
            _exit(127);
        }
        setenv("DISPLAY", name_.c_str(), 1); // the game waits for a display that is starting
    }
    ~PrivateDisplay()
    {
        setenv("DISPLAY", previous_.c_str(), 1);
        kill(server_, SIGTERM);
        waitpid(server_, nullptr, 0);
    }

private:
    std::string name_;
    std::string previous_;
    pid_t server_ = -1;
};

struct WindowKeysTest : ::testing::Test {
    PrivateDisplay screen; // 1920 x 1080
    std::unique_ptr<Platform> platform;

    void Open(const WindowOptions& options = WindowOptions())
    {
        platform = Platform::Start(options);
        ASSERT_TRUE(platform);
        testsupport::PollAll(*platform);
    }
    // The key pressed and released; whether the game heard either.
    bool Press(int32_t key, bool alt = false)
    {
        testsupport::PushKey(key, true, alt);
        testsupport::PushKey(key, false, alt);
        return HoldsAKey(testsupport::PollAll(*platform));
    }

    // Fills the whole picture with one colour through a texture made before any switch.
    void DrawFrame(TextureHandle texture)
    {
        QuadStrip quad;
        const uint32_t orange = PackColour(1.0f, 0.5f, 0.0f, 1.0f);
        quad.v[0] = QuadVertex{-1.0f, -1.0f, 1.0f, orange, 0.0f, 1.0f};
        quad.v[1] = QuadVertex{-1.0f, 1.0f, 1.0f, orange, 0.0f, 0.0f};
        quad.v[2] = QuadVertex{1.0f, -1.0f, 1.0f, orange, 1.0f, 1.0f};
        quad.v[3] = QuadVertex{1.0f, 1.0f, 1.0f, orange, 1.0f, 0.0f};
        BeginFrame();
        GetRenderBackend().SubmitQuad(texture, quad);
        EndFrame();
    }

    // The window shows the picture in its letterbox and black around it.
    void ExpectLetterboxed(const char* what)
    {
        const ScreenImage window = WindowImage();
        ASSERT_EQ(window.width, WindowPixels().first) << what;
        const PictureRect picture = platform->Picture();
        EXPECT_EQ(window.At(picture.x + picture.width / 2, picture.y + picture.height / 2) >> 16, 0xFFu) << what;
        EXPECT_NE(window.At(picture.x + 1, picture.y + 1), 0u) << what;
        if (picture.y > 0) {
            EXPECT_EQ(window.Lit(0, 0, window.width, picture.y).first, 0) << what << ": the bar above";
        }
    }
};

} // namespace

TEST_F(WindowKeysTest, F11AndAltEnterSwitchToTheDesktopsSizeAndBackAndTheTexturesLiveOn)
{
    Open();
    const uint8_t white[4] = {255, 255, 255, 255};
    const TextureHandle texture = GetRenderBackend().CreateTexture(1, 1, white);

    EXPECT_FALSE(Press(gamekeys::kF11)) << "the press and the release are the window's";
    EXPECT_TRUE(platform->IsFullScreen());
    EXPECT_EQ(WindowPixels(), std::make_pair(1920, 1080));
    DrawFrame(texture);
    ExpectLetterboxed("full screen");
    const ScreenImage shown = WindowImage();
    EXPECT_EQ(shown.left, 0) << "over the whole screen, with no window manager to put it there";
    EXPECT_EQ(shown.top, 0);

    EXPECT_TRUE(Press(gamekeys::kReturn)) << "Enter alone is the game's";
    EXPECT_FALSE(Press(gamekeys::kReturn, true));
    EXPECT_FALSE(platform->IsFullScreen());
    EXPECT_EQ(WindowPixels(), std::make_pair(1280, 720));

    SDL_SetWindowSize(SDL_GL_GetCurrentWindow(), 1000, 800);
    testsupport::PollAll(*platform);
    EXPECT_EQ(WindowPixels(), std::make_pair(1000, 800));
    DrawFrame(texture);
    ExpectLetterboxed("a window of 5:4");
    const vector2 aimed = platform->Picture().WindowToPicture(vector2(500, 400));
    EXPECT_NEAR(aimed.x, 640.0f, 1.0f);
    EXPECT_NEAR(aimed.y, 360.0f, 1.0f) << "the window's centre is the picture's";
    GetRenderBackend().DeleteTexture(texture);
}

TEST_F(WindowKeysTest, AWindowShrunkToAPixelStillDrawsAndTheMouseStaysOnThePicture)
{
    Open();
    const uint8_t white[4] = {255, 255, 255, 255};
    const TextureHandle texture = GetRenderBackend().CreateTexture(1, 1, white);
    SDL_SetWindowSize(SDL_GL_GetCurrentWindow(), 1, 1);
    testsupport::PollAll(*platform);
    DrawFrame(texture);
    const GameEvent mouse = platform->Picture().MouseInPicture(GameEvent::MouseMotion(0, 5));
    EXPECT_GE(mouse.x, 0);
    EXPECT_LE(mouse.x, 1280);
    EXPECT_GE(mouse.y, 0);
    EXPECT_LE(mouse.y, 720);
    SDL_SetWindowSize(SDL_GL_GetCurrentWindow(), 800, 0); // SDL keeps a window at least a pixel high
    testsupport::PollAll(*platform);
    DrawFrame(texture);
    EXPECT_GE(WindowPixels().second, 1);
    GetRenderBackend().DeleteTexture(texture);
}

TEST_F(WindowKeysTest, TheWindowIsNeverMadeSmallerThanHalfThePicture)
{
    Open();
    SDL_SetWindowSize(SDL_GL_GetCurrentWindow(), 120, 60);
    testsupport::PollAll(*platform);
    EXPECT_EQ(WindowPixels(), std::make_pair(640, 360));
    EXPECT_TRUE(platform->SetWindowedSize(320, 180));
    EXPECT_EQ(WindowPixels(), std::make_pair(640, 360)) << "nor by a setting";
    SDL_SetWindowSize(SDL_GL_GetCurrentWindow(), 700, 200);
    testsupport::PollAll(*platform);
    EXPECT_EQ(WindowPixels(), std::make_pair(700, 360));
}

TEST_F(WindowKeysTest, TheOptionsShowFullScreenAsF11LeftItAndSwitchBackFromThere)
{
    Open();
    SetSoundEnabled(false);
    testsupport::TempDir dir;
    SettingsKeeper settings(SettingsFile(dir.File("settings")), CommandLine());
    Press(gamekeys::kF11);
    {
        OptionsCard options(settings, platform.get());
        EXPECT_EQ(options.Card().ChoiceAt(OptionsCard::kFullScreen).value, 1) << "as the window is";
        options.Hear(GameEvent::Key(gamekeys::kDown, true));
        options.Hear(GameEvent::Key(gamekeys::kDown, true));
        EXPECT_EQ(options.Hear(GameEvent::Key(gamekeys::kReturn, true)), MenuCard::Heard::kSettingsChanged);
    }
    EXPECT_FALSE(platform->IsFullScreen()) << "switched off, back to the window";
    EXPECT_FALSE(settings.Kept().fullScreen);
    SetSoundEnabled(true);
}

TEST_F(WindowKeysTest, TheClassicGameLeavesTheWindowKeysAndItsSizeAlone)
{
    WindowOptions classic;
    classic.classic = true;
    classic.height = 1024;
    Open(classic);
    EXPECT_TRUE(Press(gamekeys::kF11)) << "an ordinary key";
    EXPECT_TRUE(Press(gamekeys::kReturn, true));
    EXPECT_FALSE(platform->IsFullScreen());
    EXPECT_FALSE(platform->SetWindowedSize(1600, 900));
    EXPECT_EQ(WindowPixels(), std::make_pair(1280, 1024));
    EXPECT_TRUE(platform->Picture().Covers(1280, 1024)) << "stretched over the whole window";
}

namespace {

struct ScreenShape {
    int width, height;
    PictureRect picture;
};

} // namespace

// The real game with "-full" on screens of three shapes, each an Xvfb of its own whose screen
// the test reads while the game shows the paper.
TEST(FullScreenGame, FillsScreensOfEveryShapeWithThePictureLetterboxed)
{
    const ScreenShape screens[] = {{1920, 1080, PictureRect::Letterboxed(1920, 1080)},
                              {1280, 1024, PictureRect::Letterboxed(1280, 1024)},
                              {2560, 1080, PictureRect::Letterboxed(2560, 1080)}};
    for (const ScreenShape& screen : screens) {
        testsupport::TempDir dir;
        dir.Write("show.script", "title down 32\n300 screenshot shown.png\n800 down 27\n");
        const std::string display = testsupport::FreeDisplay();
        const std::string size = std::to_string(screen.width) + "x" + std::to_string(screen.height);
        const std::string script =
            "Xvfb " + display + " -screen 0 " + size + "x24 -nolisten tcp -fbdir " + dir.Path() + " 2>/dev/null & x=$!; " +
            "DISPLAY=" + display + " " + TOBRAKKA_GAME_BINARY + " -full -seed 1 -script show.script & g=$!; " +
            "while [ ! -e shown.png ] && kill -0 $g 2>/dev/null; do sleep 0.1; done; sleep 0.3; " +
            "cp Xvfb_screen0 screen.xwd; wait $g; status=$?; kill $x; wait $x; exit $status";
        const testsupport::ProcessResult result =
            testsupport::RunProcess(dir.Path(), {"SDL_AUDIODRIVER=dummy"}, "sh -c '" + script + "'", 90);
        ASSERT_EQ(result.exitStatus, 0) << size << ": " << result.output;

        const ScreenImage image = ReadXvfbScreen(dir.File("screen.xwd"));
        ASSERT_EQ(image.width, screen.width) << size;
        ASSERT_EQ(image.height, screen.height) << size;
        const PictureRect& p = screen.picture;
        const std::pair<int, int> inside = image.Lit(p.x, p.y, p.x + p.width, p.y + p.height);
        EXPECT_GT(inside.first, inside.second * 9 / 10) << size << ": the paper fills the picture";
        // Bars of pure black: not the X server's own background, so the window covers them.
        EXPECT_EQ(image.Lit(0, 0, screen.width, p.y).first, 0) << size << ": above";
        EXPECT_EQ(image.Lit(0, p.y + p.height, screen.width, screen.height).first, 0) << size << ": below";
        EXPECT_EQ(image.Lit(0, 0, p.x, screen.height).first, 0) << size << ": left";
        EXPECT_EQ(image.Lit(p.x + p.width, 0, screen.width, screen.height).first, 0) << size << ": right";
        // The paper reaches the letterbox's edges (its very first row and column are the
        // picture's own dark rim).
        EXPECT_GT(image.Lit(p.x, p.y + 2, p.x + p.width, p.y + 3).first, p.width * 9 / 10) << size << ": top";
        EXPECT_GT(image.Lit(p.x + 2, p.y, p.x + 3, p.y + p.height).first, p.height * 9 / 10) << size << ": left";
        EXPECT_GT(image.Lit(p.x, p.y + p.height - 3, p.x + p.width, p.y + p.height - 2).first, p.width * 9 / 10) << size << ": bottom";
        EXPECT_GT(image.Lit(p.x + p.width - 3, p.y, p.x + p.width - 2, p.y + p.height).first, p.height * 9 / 10) << size << ": right";
    }
}
