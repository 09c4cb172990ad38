#include "app/levels/packinstaller.h"

#include "app/levels/filebytes.h"
#include "app/levels/packarchive.h"
#include "app/levels/packnames.h"
#include "utils/log.h"
#include "utils/playerfile.h"

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// A folder made under a unique name beside the installed packs (a dot keeps it off the shelf),
// removed with what it holds unless it is kept.
class TemporaryFolder {
public:
    TemporaryFolder(const std::string& packs, const char* purpose)
    {
        std::string name = packs + "/." + purpose + "-XXXXXX";
        if (mkdtemp(name.data()))
            path_ = name;
    }
    ~TemporaryFolder()
    {
        std::error_code ignored;
        if (!path_.empty())
            fs::remove_all(path_, ignored);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

std::string Title(const PackList& list) { return "\"" + (list.title.empty() ? list.id : list.title) + "\""; }

std::string LevelCount(const PackList& list)
{
    return std::to_string(list.levels.size()) + (list.levels.size() == 1 ? " level" : " levels");
}

// Where a pack goes, and the pack it replaces there, if any.
struct Place {
    std::string target;
    bool updating = false;
    PackList present;
};

// Why the pack may not go to its place, or empty text.
std::string PlaceProblem(const PackList& list, const PackPlaces& places, Place& place)
{
    std::error_code error;
    if (!places.own.empty() && fs::exists(places.own + "/" + list.id, error))
        return "its id " + list.id + " is the id of one of the game's own notebooks";
    place.target = places.installed + "/" + list.id;
    place.updating = fs::exists(fs::symlink_status(place.target, error));
    if (!place.updating)
        return std::string();
    PackContents present;
    std::string problem;
    if (!ReadPackFolder(place.target, present, problem))
        return place.target + " is in the way and holds no pack that reads (" + problem + "); it is left as it is";
    place.present = present.list;
    if (present.list.author != list.author)
        return "another pack, " + Title(present.list) + " by \"" + present.list.author + "\", is installed as " + list.id;
    if (CompareVersions(list.version, present.list.version) <= 0)
        return "version " + present.list.version + " of " + list.id + " is installed already (the zip holds version " +
               list.version + ")";
    return std::string();
}

bool WriteFiles(const PackContents& pack, const std::string& folder, std::string& problem)
{
    for (const PackFile& file : pack.files) {
        const fs::path path = fs::path(folder) / file.path;
        std::error_code error;
        fs::create_directories(path.parent_path(), error);
        if (error) {
            problem = "cannot make the folder " + path.parent_path().string() + ": " + error.message();
            return false;
        }
        if (!WriteFileSafely(path.string(), file.bytes, problem))
            return false;
    }
    return true;
}

// Puts the whole folder in the target's place, the present pack (when updating) moved aside
// first and removed once the new one is in place, or put back when it cannot be.
bool MoveIntoPlace(const std::string& packs, const std::string& whole, const Place& place, std::string& problem)
{
    std::optional<TemporaryFolder> aside;
    if (place.updating) {
        aside.emplace(packs, "replaced");
        if (aside->Path().empty() || std::rename(place.target.c_str(), aside->Path().c_str()) != 0) {
            problem = "cannot move the installed version of the pack aside";
            return false;
        }
    }
    if (std::rename(whole.c_str(), place.target.c_str()) != 0) {
        problem = "cannot rename the unpacked pack to " + place.target;
        if (aside)
            std::rename(aside->Path().c_str(), place.target.c_str());
        return false;
    }
    return true;
}

std::string Installed(const PackList& list, const Place& place)
{
    if (place.updating)
        return "updated the pack " + Title(list) + " (" + list.id + ") from version " + place.present.version + " to " +
               list.version + ", " + LevelCount(list) + ", in " + place.target;
    return "installed the pack " + Title(list) + " (" + list.id + ", version " + list.version + ", " + LevelCount(list) +
           ") in " + place.target;
}

// Writes the checked pack into a temporary folder and that into its place.
bool WriteIntoPlace(const PackContents& pack, const std::string& packs, const Place& place, std::string& problem)
{
    std::error_code error;
    fs::create_directories(packs, error);
    TemporaryFolder unpacked(packs, "install");
    if (unpacked.Path().empty()) {
        problem = "cannot make a folder in " + packs;
        return false;
    }
    return WriteFiles(pack, unpacked.Path(), problem) && MoveIntoPlace(packs, unpacked.Path(), place, problem);
}

PackInstall Install(const PackContents& pack, const PackPlaces& places, PackInstall result)
{
    Place place;
    std::string problem = PlaceProblem(pack.list, places, place);
    if (problem.empty())
        WriteIntoPlace(pack, places.installed, place, problem);
    result.installed = problem.empty();
    result.line = result.installed ? Installed(pack.list, place) : result.line + problem;
    return result;
}

} // namespace

PackPlaces PackPlaces::Default() { return PackPlaces{kolm::PlayerFilePath("XDG_DATA_HOME", ".local/share", "packs"), "data/packs"}; }

PackInstall InstallPack(const std::string& zipPath, const PackPlaces& places)
{
    PackInstall result;
    result.line = "cannot install " + zipPath + ": ";
    std::string zip;
    std::string problem;
    PackContents pack;
    if (places.installed.empty())
        problem = "there is no folder for packs (neither XDG_DATA_HOME nor HOME is set)";
    else if (!ReadFileBytes(zipPath, kLargestPackZip, zip, problem))
        problem = "the file " + problem;
    else
        ReadPackZip(zip, pack, problem);
    if (!problem.empty()) {
        result.line += problem;
        return result;
    }
    result.id = pack.list.id;
    return Install(pack, places, result);
}

int InstallPackFromCommandLine(const std::string& zipPath)
{
    const PackInstall result = InstallPack(zipPath, PackPlaces::Default());
    if (result.installed)
        kolm::Say(result.line);
    else
        kolm::Warn(result.line);
    return result.installed ? 0 : 1;
}
