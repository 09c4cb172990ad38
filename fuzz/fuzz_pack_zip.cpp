// A pack's zip: the input is the bytes of a .zip. It is read and checked in memory; a zip that
// is refused says why in one line; one that is a pack installs into a packs folder of the
// fuzzer's own, which then holds exactly the pack's files in its id's folder and nothing else.
#include "app/levels/packarchive.h"
#include "app/levels/packinstaller.h"

#include "tempfile.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace fs = std::filesystem;

namespace {

void Require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "fuzz_pack_zip: %s\n", what);
        std::abort();
    }
}

std::string ReadAll(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// Installs the pack and checks what the packs folder then holds; empties it again.
void RequireInstalledWhole(const PackContents& pack, const fuzzsupport::TempFile& zip, const fs::path& packs)
{
    const PackInstall result = InstallPack(zip.Path(), PackPlaces{packs.string(), std::string()});
    Require(result.installed && result.line.find('\n') == std::string::npos, "a pack that reads installs");
    std::size_t files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(packs)) {
        Require(entry.path().string().rfind((packs / pack.list.id).string(), 0) == 0, "a file outside the pack's folder");
        files += entry.is_regular_file() ? 1 : 0;
    }
    Require(files == pack.files.size(), "the installed pack holds other files than its own");
    for (const PackFile& file : pack.files)
        Require(ReadAll(packs / pack.list.id / file.path) == file.bytes, "an installed file differs");
    fs::remove_all(packs / pack.list.id);
}

// The fuzzer's own packs folder, removed with what it holds when the fuzzer ends.
struct PacksFolder {
    fs::path path;
    ~PacksFolder() { fs::remove_all(path); }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    static const fuzzsupport::TempFile zip("pack-zip");
    static const PacksFolder folder{zip.Path() + "-packs"};
    const fs::path& packs = folder.path;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    PackContents pack;
    std::string problem;
    if (!ReadPackZip(bytes, pack, problem)) {
        Require(!problem.empty() && problem.find('\n') == std::string::npos, "a refused zip says why in one line");
        return 0;
    }
    Require(!pack.files.empty() && pack.files[0].path == "pack.xml", "a pack's first file is its list");
    zip.Write(bytes);
    RequireInstalledWhole(pack, zip, packs);
    PackContents again;
    Require(ReadPackZip(ZipPack(pack), again, problem) && again.files.size() == pack.files.size(),
            "the game's own zip of a pack does not read back");
    return 0;
}
