#pragma once
// Helpers shared by the test suites: a temporary folder, a clock the test moves by hand, and a
// capturing render backend installed for the test's duration.
#include "engine/render/renderbackend.h"

#include <cstdint>
#include <string>

namespace testsupport {

class TempDir {
public:
    TempDir();
    ~TempDir();
    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }
    void Write(const std::string& name, const std::string& contents) const;
    void MakeDir(const std::string& name) const;

private:
    std::string path_;
};

// While alive, kolm::GetTicks() returns Now(); Advance moves it, and so does kolm::Sleep, which
// sleeps on this clock instead of the system's (it keeps the part of a millisecond it slept).
class FakeClock {
public:
    explicit FakeClock(uint32_t start = 1000);
    ~FakeClock();
    void Advance(uint32_t ms);
    void Set(uint32_t ms);
    static uint32_t Now();
    // Sleeps taken and microseconds slept since the clock was made.
    static uint32_t Sleeps();
    static uint64_t SleptMicroseconds();

private:
    static void Sleep(uint32_t microseconds);
};

// Where a captured quad lies, in the units of the 1280 x 720 virtual screen (y downwards).
struct Box {
    float left, top, right, bottom;
};
Box BoxOf(const QuadStrip& quad);

// While alive, every quad and texture goes to this capturing backend; the texture cache is
// emptied when it starts and when it ends.
class ScopedCapture {
public:
    ScopedCapture();
    ~ScopedCapture();
    CapturingRenderBackend& Backend() { return backend_; }

private:
    CapturingRenderBackend backend_;
};

// Sets an environment variable (unsets it for null) for the holder's lifetime.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const char* value);
    ~ScopedEnvironment();
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    const char* name_;
    bool had_;
    std::string previous_;
};

// Runs fn with the current directory changed to dir, then changes back.
template <typename Fn>
void InDirectory(const std::string& dir, Fn fn);

std::string CurrentDirectory();
// A display number (":N") that no X server uses now, different for each test process.
std::string FreeDisplay();
// The command run in a virtual display of its own (an Xvfb that picks a free number). A game
// that replays a script must not share its display: a window opening or closing under the pointer
// on a shared display hands the game a mouse move, and with it an aim the script never made.
std::string OnItsOwnDisplay(const std::string& command);
void ChangeDirectory(const std::string& dir);

template <typename Fn>
void InDirectory(const std::string& dir, Fn fn)
{
    const std::string previous = CurrentDirectory();
    ChangeDirectory(dir);
    fn();
    ChangeDirectory(previous);
}

// Writes a small RGBA PNG, or an RGB JPG, (rows top to bottom) for image tests.
void WritePng(const std::string& fileName, int width, int height, const uint8_t* rgba);
void WriteJpg(const std::string& fileName, int width, int height, const uint8_t* rgb);

// Writes a PNG of 8-bit samples in any colour type (0 grey, 2 RGB, 3 palette, 4 grey and alpha,
// 6 RGBA), with optional PLTE and tRNS chunk contents, for the kinds of file stb cannot write.
// rows holds the samples of every row, top to bottom, without filter bytes.
struct PngParts {
    int width = 0;
    int height = 0;
    int colourType = 0;
    std::string rows;
    std::string palette;      // PLTE: r, g, b for each index ("" writes none)
    std::string transparency; // tRNS ("" writes none)
};
void WriteRawPng(const std::string& fileName, const PngParts& parts);

// Writes "whole.png" (64 x 48, every channel of every pixel different) and "whole.jpg" (64 x 48,
// one grey) into the folder: pictures that decode, for tests that cut or spoil them.
void WriteWholePictures(const TempDir& dir);

// count bytes of noise, the same for the same seed.
std::string RandomBytes(std::size_t count, unsigned seed);

// The whole contents of a file ("" when it cannot be read).
std::string ReadFile(const std::string& fileName);

} // namespace testsupport
