#include "testsupport.h"

#include "engine/render/texturecache.h"
#include "engine/core/ticks.h"
#include "engine/core/vectormath.h"

#include <stb/stb_image_write.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include <ftw.h>

namespace testsupport {
namespace {

uint32_t g_now = 0;
uint32_t g_microseconds = 0; // slept beyond g_now
uint32_t g_sleeps = 0;
uint64_t g_slept = 0;

int RemoveEntry(const char* path, const struct stat*, int, struct FTW*) { return std::remove(path); }

} // namespace

std::string FreeDisplay()
{
    struct stat info;
    for (int n = 200 + getpid() % 600;; ++n) {
        const std::string number = std::to_string(n);
        if (stat(("/tmp/.X11-unix/X" + number).c_str(), &info) != 0 && stat(("/tmp/.X" + number + "-lock").c_str(), &info) != 0)
            return ":" + number;
    }
}

std::string OnItsOwnDisplay(const std::string& command) { return std::string(TOBRAKKA_OWN_DISPLAY) + " " + command; }

TempDir::TempDir()
{
    char pattern[] = "/tmp/tobrakka-test-XXXXXX";
    const char* made = mkdtemp(pattern);
    if (!made)
        throw std::runtime_error("mkdtemp failed");
    path_ = made;
}

TempDir::~TempDir() { nftw(path_.c_str(), RemoveEntry, 16, FTW_DEPTH | FTW_PHYS); }

void TempDir::Write(const std::string& name, const std::string& contents) const
{
    std::ofstream file(File(name), std::ios::binary);
    file << contents;
}

void TempDir::MakeDir(const std::string& name) const { mkdir(File(name).c_str(), 0755); }

FakeClock::FakeClock(uint32_t start)
{
    g_now = start;
    g_microseconds = 0;
    g_sleeps = 0;
    g_slept = 0;
    kolm::SetTickSource(&FakeClock::Now);
    kolm::SetSleepFunction(&FakeClock::Sleep);
}

FakeClock::~FakeClock()
{
    kolm::SetTickSource(nullptr);
    kolm::SetSleepFunction(nullptr);
}

void FakeClock::Sleep(uint32_t microseconds)
{
    ++g_sleeps;
    g_slept += microseconds;
    g_microseconds += microseconds;
    g_now += g_microseconds / 1000;
    g_microseconds %= 1000;
}

uint32_t FakeClock::Sleeps() { return g_sleeps; }

uint64_t FakeClock::SleptMicroseconds() { return g_slept; }

void FakeClock::Advance(uint32_t ms) { g_now += ms; }

void FakeClock::Set(uint32_t ms) { g_now = ms; }

uint32_t FakeClock::Now() { return g_now; }

// The texture cache outlives backends: images cached against another backend would carry that
// backend's handles, which this one may hand out again for other images.
ScopedCapture::ScopedCapture()
{
    ReleaseAllTextures();
    SetRenderBackend(&backend_);
}

ScopedCapture::~ScopedCapture()
{
    ReleaseAllTextures();
    SetRenderBackend(nullptr);
}

std::string CurrentDirectory()
{
    char buffer[4096];
    return getcwd(buffer, sizeof buffer) ? std::string(buffer) : std::string(".");
}

void ChangeDirectory(const std::string& dir)
{
    if (chdir(dir.c_str()) != 0)
        throw std::runtime_error("cannot enter " + dir);
}

void WritePng(const std::string& fileName, int width, int height, const uint8_t* rgba)
{
    stbi_write_png(fileName.c_str(), width, height, 4, rgba, width * 4);
}

ScopedEnvironment::ScopedEnvironment(const char* name, const char* value) : name_(name)
{
    const char* previous = std::getenv(name);
    had_ = previous != nullptr;
    if (had_)
        previous_ = previous;
    value ? setenv(name, value, 1) : unsetenv(name);
}

ScopedEnvironment::~ScopedEnvironment() { had_ ? setenv(name_, previous_.c_str(), 1) : unsetenv(name_); }

} // namespace testsupport

namespace testsupport {

void WriteJpg(const std::string& fileName, int width, int height, const uint8_t* rgb)
{
    stbi_write_jpg(fileName.c_str(), width, height, 3, rgb, 90);
}

namespace {

void AppendBigEndian(std::string& out, uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out += static_cast<char>((value >> shift) & 0xFF);
}

uint32_t Crc32(const std::string& bytes)
{
    uint32_t crc = 0xFFFFFFFFu;
    for (unsigned char byte : bytes) {
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// A zlib stream of uncompressed ("stored") deflate blocks.
std::string StoredZlib(const std::string& data)
{
    std::string out("\x78\x01", 2);
    std::size_t at = 0;
    do {
        const std::size_t length = std::min<std::size_t>(data.size() - at, 65535);
        const bool last = at + length == data.size();
        out += static_cast<char>(last ? 1 : 0);
        out += static_cast<char>(length & 0xFF);
        out += static_cast<char>(length >> 8);
        out += static_cast<char>(~length & 0xFF);
        out += static_cast<char>((~length >> 8) & 0xFF);
        out += data.substr(at, length);
        at += length;
    } while (at < data.size());
    uint32_t a = 1;
    uint32_t b = 0;
    for (unsigned char byte : data) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    AppendBigEndian(out, b << 16 | a);
    return out;
}

void AppendChunk(std::string& png, const char* type, const std::string& contents)
{
    AppendBigEndian(png, static_cast<uint32_t>(contents.size()));
    const std::string typed = type + contents;
    png += typed;
    AppendBigEndian(png, Crc32(typed));
}

} // namespace

void WriteRawPng(const std::string& fileName, const PngParts& parts)
{
    static const int kSamplesPerPixel[7] = {1, 0, 3, 1, 2, 0, 4};
    const std::size_t rowBytes = static_cast<std::size_t>(parts.width) * kSamplesPerPixel[parts.colourType];
    std::string header;
    AppendBigEndian(header, static_cast<uint32_t>(parts.width));
    AppendBigEndian(header, static_cast<uint32_t>(parts.height));
    header += std::string{8, static_cast<char>(parts.colourType), 0, 0, 0};
    std::string filtered;
    for (int y = 0; y < parts.height; ++y)
        filtered += '\0' + parts.rows.substr(y * rowBytes, rowBytes);

    std::string png("\x89PNG\r\n\x1a\n", 8);
    AppendChunk(png, "IHDR", header);
    if (!parts.palette.empty())
        AppendChunk(png, "PLTE", parts.palette);
    if (!parts.transparency.empty())
        AppendChunk(png, "tRNS", parts.transparency);
    AppendChunk(png, "IDAT", StoredZlib(filtered));
    AppendChunk(png, "IEND", "");
    std::ofstream(fileName, std::ios::binary) << png;
}

void WriteWholePictures(const TempDir& dir)
{
    std::vector<uint8_t> rgba(64 * 48 * 4);
    for (std::size_t i = 0; i < rgba.size(); ++i)
        rgba[i] = static_cast<uint8_t>(i * 31);
    WritePng(dir.File("whole.png"), 64, 48, rgba.data());
    std::vector<uint8_t> rgb(64 * 48 * 3, 90);
    WriteJpg(dir.File("whole.jpg"), 64, 48, rgb.data());
}

std::string RandomBytes(std::size_t count, unsigned seed)
{
    std::mt19937 generator(seed);
    std::string bytes(count, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(generator() & 0xFF);
    return bytes;
}

std::string ReadFile(const std::string& fileName)
{
    std::ifstream file(fileName, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

Box BoxOf(const QuadStrip& quad)
{
    Box box{1e9f, 1e9f, -1e9f, -1e9f};
    for (const QuadVertex& vertex : quad.v) {
        const float x = (vertex.x + 1.0f) * 0.5f * kVirtualWidth;
        const float y = (1.0f - vertex.y) * 0.5f * kVirtualHeight;
        box = Box{std::min(box.left, x), std::min(box.top, y), std::max(box.right, x), std::max(box.bottom, y)};
    }
    return box;
}

} // namespace testsupport
