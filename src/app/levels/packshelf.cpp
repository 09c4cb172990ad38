#include "app/levels/packshelf.h"

#include "app/levels/mylevels.h"
#include "app/levels/packarchive.h"
#include "app/profile/levelpar.h"
#include "app/replay/replayfile.h"
#include "app/text/translate.h"
#include "utils/log.h"

#include <algorithm>
#include <filesystem>
#include <set>

namespace fs = std::filesystem;

namespace {

// The folders directly inside folder, by name, leaving out those whose name begins with ".".
std::vector<std::string> PackFolders(const std::string& folder)
{
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (!name.empty() && name[0] != '.' && it->is_directory(error))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

ShelfPack ShelfPackOf(const PackContents& contents, const std::string& folder, ShelfPack::Source source)
{
    ShelfPack pack;
    pack.source = source;
    pack.list = contents.list;
    pack.folder = folder;
    pack.listFile = folder + "/" + contents.files[0].path;
    for (std::size_t i = 0; i < contents.list.levels.size(); ++i) {
        const PackLevel& level = contents.list.levels[i];
        const auto file = std::find_if(contents.files.begin(), contents.files.end(),
                                       [&](const PackFile& held) { return held.path == level.file; });
        const std::string name = source == ShelfPack::Source::kGame ? SpokenLevelName(level.name) : level.name;
        pack.levels.push_back(ShelfLevel{static_cast<int>(i + 1), folder + "/" + level.file, name,
                                         LevelHash(file->bytes), level.parLoops, level.parTime});
    }
    return pack;
}

// The titles of the books the game brings, which it translates.
constexpr const char* kOwnTitles[] = {NoTr("menu value", "Notebook 2"), NoTr("menu value", "My levels")};

ShelfPack MyLevelsPack(const std::string& folder)
{
    const MyLevels mine(folder);
    std::string problem;
    if (!mine.Tidy(problem))
        kolm::WarnOnce(problem, "My levels' list cannot be brought up to date: " + problem);
    ShelfPack pack;
    pack.source = ShelfPack::Source::kMine;
    pack.list.id = MyLevels::kId;
    pack.list.title = MyLevels::kTitle;
    pack.list.version = "1";
    pack.folder = folder;
    pack.listFile = mine.ListFile();
    for (const MyLevels::Level& level : mine.List()) {
        pack.list.levels.push_back(PackLevel{level.file, level.name, level.parLoops, level.parTime});
        pack.levels.push_back(ShelfLevel{static_cast<int>(pack.levels.size() + 1), level.path, level.name, level.hash,
                                         level.parLoops, level.parTime});
    }
    return pack;
}

} // namespace

std::vector<ShelfLevel> ShelfLevelsOf(const kolm::CLevelList& list)
{
    std::vector<ShelfLevel> levels;
    for (int position = 1; position < list.Count(); ++position) {
        const kolm::CLevelList::LevelEntry& entry = list.EntryAt(position);
        const LevelPar par = ParOf(entry);
        levels.push_back(ShelfLevel{position, entry.filename, NameOf(entry), LevelFileHash(entry.filename), par.loops,
                                    static_cast<int>(par.milliseconds)});
    }
    return levels;
}

PackShelf PackShelf::Default() { return PackShelf(PackPlaces::Default(), MyLevels::DefaultFolder()); }

void PackShelf::AddPacksOf(const std::string& folder, ShelfPack::Source source, std::vector<ShelfPack>& packs) const
{
    for (const std::string& name : PackFolders(folder)) {
        const std::string packFolder = folder + "/" + name;
        PackContents contents;
        std::string problem;
        if (ReadPackFolder(packFolder, contents, problem) && contents.list.id != name)
            problem = "its pack.xml gives the id " + contents.list.id + ", not its folder's name";
        std::error_code error;
        if (source == ShelfPack::Source::kInstalled && problem.empty() && !places_.own.empty() &&
            fs::exists(places_.own + "/" + name, error))
            problem = "its id is the id of one of the game's own notebooks";
        if (problem.empty())
            packs.push_back(ShelfPackOf(contents, packFolder, source));
        else
            kolm::WarnOncePerFile(packFolder, "the pack " + packFolder + " cannot be played: " + problem);
    }
}

std::vector<ShelfPack> PackShelf::Packs() const
{
    std::vector<ShelfPack> packs;
    if (!places_.own.empty())
        AddPacksOf(places_.own, ShelfPack::Source::kGame, packs);
    if (!places_.installed.empty())
        AddPacksOf(places_.installed, ShelfPack::Source::kInstalled, packs);
    if (!myLevelsFolder_.empty()) {
        ShelfPack mine = MyLevelsPack(myLevelsFolder_);
        if (!mine.levels.empty())
            packs.push_back(std::move(mine));
    }
    return packs;
}

std::string ShownTitle(const ShelfPack& pack)
{
    if (pack.source != ShelfPack::Source::kInstalled)
        for (const char* own : kOwnTitles)
            if (pack.list.title == own)
                return Tr("menu value", own);
    return pack.list.title.empty() ? pack.list.id : pack.list.title;
}
