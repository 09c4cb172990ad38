// Needs a display: run under xvfb-run (CTest label "gl").
#include "app/profile/commandline.h"
#include "engine/gl/glrenderbackend.h"
#include "engine/platform/platform.h"
#include "engine/render/renderbackend.h"
#include "engine/render/renderdevice.h"
#include "engine/render/screenshot.h"
#include "engine/render/sprite.h"
#include "engine/render/texturecache.h"

#include "support/processrunner.h"
#include "support/testsupport.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

// Last: Xlib's macros (None, Bool, Status) would clash with the declarations above.
#include <SDL_syswm.h>
#include <X11/Xutil.h>

namespace {

struct WindowTest : ::testing::Test {
    std::unique_ptr<Platform> platform;

    bool Open(const WindowOptions& options = WindowOptions())
    {
        platform = Platform::Start(options);
        return platform != nullptr;
    }
};

// The game's window's size.
std::pair<int, int> WindowSize()
{
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(SDL_GL_GetCurrentWindow(), &width, &height);
    return {width, height};
}

const uint8_t* PixelAt(const std::vector<uint8_t>& rgba, int x, int y) { return &rgba[(y * 1280 + x) * 4]; }

QuadStrip QuadCovering(float left, float top, float right, float bottom, uint32_t colour)
{
    const vector2 tl = VirtualToClip(vector2(left, top));
    const vector2 br = VirtualToClip(vector2(right, bottom));
    QuadStrip quad;
    quad.v[0] = QuadVertex{tl.x, br.y, 1.0f, colour, 0.0f, 1.0f};
    quad.v[1] = QuadVertex{tl.x, tl.y, 1.0f, colour, 0.0f, 0.0f};
    quad.v[2] = QuadVertex{br.x, br.y, 1.0f, colour, 1.0f, 1.0f};
    quad.v[3] = QuadVertex{br.x, tl.y, 1.0f, colour, 1.0f, 0.0f};
    return quad;
}

// What the X server holds in the game's window, as RGB rows top to bottom.
std::vector<uint8_t> WindowPixels()
{
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(SDL_GL_GetCurrentWindow(), &info))
        return {};
    XSync(info.info.x11.display, False);
    XImage* image = XGetImage(info.info.x11.display, info.info.x11.window, 0, 0, 1280, 720, AllPlanes, ZPixmap);
    if (!image)
        return {};
    std::vector<uint8_t> rgb;
    for (int y = 0; y < 720; ++y) {
        for (int x = 0; x < 1280; ++x) {
            const unsigned long pixel = XGetPixel(image, x, y);
            rgb.push_back(static_cast<uint8_t>((pixel & image->red_mask) >> 16));
            rgb.push_back(static_cast<uint8_t>((pixel & image->green_mask) >> 8));
            rgb.push_back(static_cast<uint8_t>(pixel & image->blue_mask));
        }
    }
    XDestroyImage(image);
    return rgb;
}

} // namespace

TEST_F(WindowTest, OpensA1280x720WindowAndDrawsIntoTheTarget)
{
    ASSERT_TRUE(Open());
    EXPECT_EQ(WindowSize(), std::make_pair(1280, 720));

    const uint8_t white[4 * 4] = {255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255};
    RenderBackend& backend = GetRenderBackend();
    const TextureHandle texture = backend.CreateTexture(2, 2, white);
    ASSERT_NE(texture, 0u);

    BeginFrame();
    backend.SubmitQuad(texture, QuadCovering(100, 100, 300, 200, PackColour(1.0f, 0.5f, 0.0f, 1.0f)));
    EndFrame();

    std::vector<uint8_t> rgba;
    ASSERT_TRUE(backend.ReadTarget(rgba));
    const uint8_t* inside = PixelAt(rgba, 200, 150);
    EXPECT_EQ(inside[0], 255);
    EXPECT_NEAR(inside[1], 127, 1);
    EXPECT_EQ(inside[2], 0);
    EXPECT_EQ(inside[3], 255);
    const uint8_t* outside = PixelAt(rgba, 50, 50);
    EXPECT_EQ(outside[0] | outside[1] | outside[2] | outside[3], 0) << "cleared to transparent black";
    backend.DeleteTexture(texture);
}

TEST_F(WindowTest, AScreenshotIsOpaqueInTheColoursOfTheWindow)
{
    ASSERT_TRUE(Open());
    const uint8_t white[4] = {255, 255, 255, 255};
    RenderBackend& backend = GetRenderBackend();
    const TextureHandle texture = backend.CreateTexture(1, 1, white);
    BeginFrame();
    backend.SubmitQuad(texture, QuadCovering(100, 100, 700, 500, PackColour(1.0f, 0.5f, 0.0f, 0.4f)));
    backend.SubmitQuad(texture, QuadCovering(400, 300, 900, 600, PackColour(0.2f, 0.4f, 1.0f, 0.7f)));
    EndFrame();
    testsupport::TempDir dir;
    ASSERT_TRUE(SaveScreenshot(dir.File("shot.png")));
    const std::vector<uint8_t> window = WindowPixels();
    ASSERT_EQ(window.size(), 1280u * 720u * 3u);

    int width = 0;
    int height = 0;
    std::vector<uint8_t> shot;
    ASSERT_TRUE(DecodeImageFile(dir.File("shot.png"), width, height, shot));
    ASSERT_EQ(shot.size(), 1280u * 720u * 4u);
    int notOpaque = 0;
    int differing = 0;
    for (std::size_t i = 0; i < 1280u * 720u; ++i) {
        notOpaque += shot[i * 4 + 3] != 255;
        differing += shot[i * 4] != window[i * 3] || shot[i * 4 + 1] != window[i * 3 + 1] ||
                     shot[i * 4 + 2] != window[i * 3 + 2];
    }
    EXPECT_EQ(notOpaque, 0);
    EXPECT_EQ(differing, 0);
    // Where the quads overlap, 70% of the blue one over 40% of the orange one over black (the
    // texture is opaque, the colours are not, so both are blended).
    const uint8_t* overlap = &shot[(450 * 1280 + 500) * 4];
    EXPECT_NEAR(overlap[0], 66, 2);
    EXPECT_NEAR(overlap[1], 87, 2);
    EXPECT_NEAR(overlap[2], 178, 2);
    backend.DeleteTexture(texture);
}

TEST_F(WindowTest, TheWindowShowsTheTargetPresentedByCopyAndByBlit)
{
    ASSERT_TRUE(Open());
    auto& backend = static_cast<GlRenderBackend&>(GetRenderBackend());
    const RendererOptions byDefault = backend.Options();
    // Noise in every channel, alpha too, stretched and tinted over the whole window: a row
    // presented one off, upside down or with red and blue swapped would show.
    const std::string noise = testsupport::RandomBytes(64 * 36 * 4, 23);
    const TextureHandle texture = backend.CreateTexture(64, 36, reinterpret_cast<const uint8_t*>(noise.data()));
    ASSERT_NE(texture, 0u);
    std::vector<uint8_t> pictures[2];
    for (const bool byCopy : {true, false}) {
        RendererOptions options = byDefault;
        options.presentByCopy = byCopy ? Choice::On : Choice::Off;
        ASSERT_TRUE(backend.SetOptions(options));
        BeginFrame();
        backend.SubmitQuad(texture, QuadCovering(0, 0, 1280, 720, 0xFFFFFFFFu));
        backend.SubmitQuad(texture, QuadCovering(200, 100, 1000, 650, PackColour(0.3f, 1.0f, 0.6f, 0.5f)));
        EndFrame();
        std::vector<uint8_t>& target = pictures[byCopy];
        ASSERT_TRUE(backend.ReadTarget(target));
        const std::vector<uint8_t> window = WindowPixels();
        ASSERT_EQ(window.size(), 1280u * 720u * 3u);
        int differing = 0;
        for (std::size_t i = 0; i < 1280u * 720u; ++i)
            differing += target[i * 4] != window[i * 3] || target[i * 4 + 1] != window[i * 3 + 1] ||
                         target[i * 4 + 2] != window[i * 3 + 2];
        EXPECT_EQ(differing, 0) << (byCopy ? "by copy" : "by blit");
    }
    backend.SetOptions(byDefault);
    int differing = 0;
    for (std::size_t i = 0; i < pictures[0].size(); i += 4)
        differing += !std::equal(&pictures[0][i], &pictures[0][i] + 4, &pictures[1][i]);
    EXPECT_LE(differing, 1280 * 720 / 10000) << "the two layouts drew more than the rasteriser's rounding apart";
    backend.DeleteTexture(texture);
}

TEST_F(WindowTest, ABackendSwapsTheWindowsBuffersThroughTheFunctionItIsGiven)
{
    ASSERT_TRUE(Open());
    int swaps = 0;
    const GlPlatform platform{SDL_GL_GetProcAddress, [&swaps] { ++swaps; }};
    const std::unique_ptr<GlRenderBackend> backend = GlRenderBackend::Create(1280, 720, platform, RendererOptions());
    ASSERT_NE(backend, nullptr);
    backend->BeginFrame();
    backend->EndFrame();
    EXPECT_EQ(swaps, 1);
    backend->PresentAgain();
    EXPECT_EQ(swaps, 2);
}

TEST_F(WindowTest, ABackendCannotBeMadeWithoutTheFramebufferFunctionsButWithoutSeparateBlending)
{
    ASSERT_TRUE(Open());
    const char* const needed[] = {"glGenFramebuffers", "glDeleteFramebuffers", "glBindFramebuffer",
                                  "glFramebufferTexture2D", "glCheckFramebufferStatus", "glBlitFramebuffer"};
    const auto lacking = [](const char* missing) {
        return GlPlatform{[missing](const char* name) {
                              return std::strcmp(name, missing) == 0 ? nullptr : SDL_GL_GetProcAddress(name);
                          },
                          [] { SDL_GL_SwapWindow(SDL_GL_GetCurrentWindow()); }};
    };
    for (const char* missing : needed)
        EXPECT_EQ(GlRenderBackend::Create(1280, 720, lacking(missing), RendererOptions()), nullptr) << missing;
    EXPECT_NE(GlRenderBackend::Create(1280, 720, lacking("glBlendFuncSeparate"), RendererOptions()), nullptr);
}

TEST_F(WindowTest, WidthOptionOpensAWindowWithTheRightHeight)
{
    const CommandLine options = ParseCommandLine({"-r", "1920"});
    WindowOptions windowOptions;
    ASSERT_TRUE(RequestedWindow(options.requestedWidth, windowOptions.width, windowOptions.height));
    ASSERT_TRUE(Open(windowOptions));
    EXPECT_EQ(WindowSize(), std::make_pair(1920, 1080));
}

TEST(GameBinary, KeepsSteppingAndEndsWithStatusZeroOnEscape)
{
    testsupport::TempDir dir;
    dir.Write("escape.script", "title down 32\n1600 down 27\n");
    const testsupport::ProcessResult result = testsupport::RunProcess(
        ".", {}, std::string(TOBRAKKA_GAME_BINARY) + " -fps -script " + dir.File("escape.script"), 60);
    EXPECT_EQ(result.exitStatus, 0) << result.output;
    EXPECT_NE(result.output.find("fps: "), std::string::npos) << result.output;
}

TEST(GameBinary, WithoutADisplayItSaysSoAndFails)
{
    const testsupport::ProcessResult result =
        testsupport::RunProcess(".", {"DISPLAY=", "SDL_VIDEODRIVER="}, TOBRAKKA_GAME_BINARY, 30);
    EXPECT_NE(result.exitStatus, 0);
    EXPECT_NE(result.exitStatus, -1) << "it must end by itself, not be killed";
    EXPECT_NE(result.output.find("xvfb-run"), std::string::npos) << result.output;
    EXPECT_EQ(std::count(result.output.begin(), result.output.end(), '\n'), 1) << result.output;
}

TEST(GameBinary, WaitsForADisplayThatIsStartingOrResetting)
{
    // A bare Xvfb, started half a second after the game, which resets whenever its last client
    // (each game in turn) leaves.
    testsupport::TempDir dir;
    dir.Write("quit.script", "title down 32\n16 quit\n");
    const std::string display = testsupport::FreeDisplay();
    const std::string game = std::string(TOBRAKKA_GAME_BINARY) + " -script " + dir.File("quit.script");
    const std::string script = "(sleep 0.5; exec Xvfb " + display + " -screen 0 1280x720x24 -nolisten tcp) 2>/dev/null & x=$!; " +
                               "failed=0; for i in 1 2 3 4 5 6; do DISPLAY=" + display + " " + game +
                               " || failed=1; done; kill $x; wait $x; exit $failed";
    const testsupport::ProcessResult result =
        testsupport::RunProcess(".", {"SDL_AUDIODRIVER=dummy"}, "sh -c '" + script + "'", 90);
    EXPECT_EQ(result.exitStatus, 0) << result.output;
    EXPECT_EQ(result.output.find("X display"), std::string::npos) << result.output;
}

TEST(GameBinary, ADisplayThatNeverComesUpEndsTheGameWithALineNamingIt)
{
    const std::string display = testsupport::FreeDisplay();
    const auto start = std::chrono::steady_clock::now();
    const testsupport::ProcessResult result =
        testsupport::RunProcess(".", {"DISPLAY=" + display, "SDL_AUDIODRIVER=dummy"}, TOBRAKKA_GAME_BINARY, 30);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_EQ(result.exitStatus, 1) << result.output;
    EXPECT_EQ(result.output.rfind("cannot connect to X display " + display + " (", 0), 0u) << result.output;
    EXPECT_EQ(std::count(result.output.begin(), result.output.end(), '\n'), 1) << result.output;
    EXPECT_LT(seconds, 6.0) << "it gives up after about two seconds";
}

TEST(GameBinary, ADisplayThatGoesAwayEndsTheGameWithALineNamingIt)
{
    // The game's X server killed under it in the middle of play: the game must end by itself,
    // soon, with status 1, rather than hang (it has ten seconds before the script kills it).
    const std::string display = testsupport::FreeDisplay();
    const std::string script = "Xvfb " + display + " -screen 0 1280x720x24 -nolisten tcp 2>/dev/null & x=$!; " +
                               "DISPLAY=" + display + " " + TOBRAKKA_GAME_BINARY + " -demo 30 & g=$!; sleep 3; " +
                               "kill $x; wait $x; for i in $(seq 100); do kill -0 $g 2>/dev/null || break; sleep 0.1; done; " +
                               "kill -9 $g 2>/dev/null && echo hung; wait $g; echo status $?";
    const testsupport::ProcessResult result =
        testsupport::RunProcess(".", {"SDL_AUDIODRIVER=dummy"}, "sh -c '" + script + "'", 60);
    EXPECT_EQ(result.output.find("hung"), std::string::npos) << result.output;
    EXPECT_NE(result.output.find("status 1\n"), std::string::npos) << result.output;
    EXPECT_NE(result.output.find("lost the connection to X display " + display + "\n"), std::string::npos) << result.output;
}
