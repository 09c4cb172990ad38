#include "testsupport.h"

#include "engine/ticks.h"

#include <stb/stb_image_write.h>

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

int RemoveEntry(const char* path, const struct stat*, int, struct FTW*) { return std::remove(path); }

} // namespace

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
    kolm::SetTickSource(&FakeClock::Now);
}

FakeClock::~FakeClock() { kolm::SetTickSource(nullptr); }

void FakeClock::Advance(uint32_t ms) { g_now += ms; }

void FakeClock::Set(uint32_t ms) { g_now = ms; }

uint32_t FakeClock::Now() { return g_now; }

ScopedCapture::ScopedCapture() { SetRenderBackend(&backend_); }

ScopedCapture::~ScopedCapture() { SetRenderBackend(nullptr); }

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

} // namespace testsupport

namespace testsupport {

void WriteJpg(const std::string& fileName, int width, int height, const uint8_t* rgb)
{
    stbi_write_jpg(fileName.c_str(), width, height, 3, rgb, 90);
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

} // namespace testsupport
