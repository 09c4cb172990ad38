#include "app/levels/packarchive.h"

#include "app/levels/filebytes.h"
#include "app/levels/packnames.h"
#include "utils/playerfile.h"

#include <miniz.h>

#include <algorithm>
#include <cstdint>
#include <ctime>
#include <set>

namespace {

const char* const kListName = "pack.xml";
// Every entry of a zip the game makes is dated 2020-01-01, so that the same pack makes the same
// zip.
constexpr std::time_t kEntryTime = 1577836800;
// A zip entry's Unix mode lies in the top half of its external attributes.
constexpr uint32_t kFileTypeMask = 0170000;
constexpr uint32_t kSymbolicLink = 0120000;

// A zip being read, ended when it goes out of scope.
class ZipReader {
public:
    explicit ZipReader(const std::string& bytes) { open_ = mz_zip_reader_init_mem(&zip_, bytes.data(), bytes.size(), 0); }
    ~ZipReader() { mz_zip_reader_end(&zip_); }
    ZipReader(const ZipReader&) = delete;
    ZipReader& operator=(const ZipReader&) = delete;
    bool Open() const { return open_; }
    mz_zip_archive* Get() { return &zip_; }

private:
    mz_zip_archive zip_{};
    bool open_ = false;
};

struct Entry {
    mz_uint index = 0;
    std::string name;
    std::size_t size = 0;
};

std::string EntryName(mz_zip_archive* zip, mz_uint index)
{
    char name[kLongestPackId + kLongestPackPath + 3];
    const mz_uint length = mz_zip_reader_get_filename(zip, index, name, sizeof name);
    return std::string(name, length ? length - 1 : 0);
}

// The problem of one entry, or empty text: its name, kind and size.
std::string EntryProblem(mz_zip_archive* zip, const mz_zip_archive_file_stat& stat, Entry& entry)
{
    entry.index = stat.m_file_index;
    entry.name = EntryName(zip, stat.m_file_index);
    entry.size = static_cast<std::size_t>(std::min<mz_uint64>(stat.m_uncomp_size, kLargestPack + 1));
    const std::string quoted = "its entry " + kolm::QuotedFromFile(entry.name);
    const std::size_t stored = mz_zip_reader_get_filename(zip, stat.m_file_index, nullptr, 0);
    if (stored > entry.name.size() + 1 || entry.name.find('\0') != std::string::npos)
        return quoted + " has a name that is too long or holds a NUL byte";
    const bool folder = stat.m_is_directory && !entry.name.empty() && entry.name.back() == '/';
    const std::string pathProblem = PackPathProblem(folder ? entry.name.substr(0, entry.name.size() - 1) : entry.name);
    if (!pathProblem.empty())
        return quoted + " " + pathProblem;
    if (((stat.m_external_attr >> 16) & kFileTypeMask) == kSymbolicLink)
        return quoted + " is a link";
    if (stat.m_is_encrypted || !stat.m_is_supported)
        return quoted + " is encrypted or packed in a way the game does not read";
    if (stat.m_uncomp_size > kLargestPack)
        return quoted + " is larger than " + SizeText(kLargestPack);
    return std::string();
}

// Every entry checked, the files among them kept: false, with the problem, at the first that is
// wrong, or when they are too many or too large together.
bool ReadEntries(mz_zip_archive* zip, std::vector<Entry>& files, std::string& problem)
{
    const mz_uint count = mz_zip_reader_get_num_files(zip);
    if (count > kMostPackEntries) {
        problem = "it holds more than " + std::to_string(kMostPackEntries) + " entries";
        return false;
    }
    std::set<std::string> names;
    std::size_t total = 0;
    for (mz_uint index = 0; index < count && problem.empty(); ++index) {
        mz_zip_archive_file_stat stat{};
        Entry entry;
        if (!mz_zip_reader_file_stat(zip, index, &stat))
            problem = "its entry " + std::to_string(index + 1) + " cannot be read";
        else
            problem = EntryProblem(zip, stat, entry);
        if (problem.empty() && !names.insert(entry.name).second)
            problem = "it holds " + kolm::QuotedFromFile(entry.name) + " twice";
        total += entry.size;
        if (problem.empty() && total > kLargestPack)
            problem = "it unpacks to more than " + SizeText(kLargestPack);
        if (problem.empty() && !stat.m_is_directory)
            files.push_back(entry);
    }
    return problem.empty();
}

// The folder inside the zip that holds pack.xml: "" at its top, "NAME/" one folder down.
bool FindListFolder(const std::vector<Entry>& files, std::string& folder, std::string& problem)
{
    int found = 0;
    for (const Entry& entry : files) {
        const std::size_t slash = entry.name.find('/');
        if (entry.name == kListName) {
            folder.clear();
            return true;
        }
        if (slash != std::string::npos && entry.name.compare(slash + 1, std::string::npos, kListName) == 0) {
            folder = entry.name.substr(0, slash + 1);
            ++found;
        }
    }
    problem = found > 1 ? "it holds more than one pack.xml" : "it holds no pack.xml: it is not a level pack";
    return found == 1;
}

const Entry* FindEntry(const std::vector<Entry>& files, const std::string& name)
{
    for (const Entry& entry : files) {
        if (entry.name == name)
            return &entry;
    }
    return nullptr;
}

bool Unpack(mz_zip_archive* zip, const Entry& entry, std::string& bytes, std::string& problem)
{
    bytes.assign(entry.size, '\0');
    if (entry.size == 0 || mz_zip_reader_extract_to_mem(zip, entry.index, bytes.data(), bytes.size(), 0))
        return true;
    problem = "its entry " + kolm::QuotedFromFile(entry.name) + " is broken (" +
              mz_zip_get_error_string(mz_zip_peek_last_error(zip)) + ")";
    return false;
}

// pack.xml and the level files it lists, unpacked.
bool UnpackPack(mz_zip_archive* zip, const std::vector<Entry>& files, const std::string& folder, PackContents& pack,
                std::string& problem)
{
    const Entry* list = FindEntry(files, folder + kListName);
    pack.files.push_back(PackFile{kListName, std::string()});
    if (list->size > kLargestPackList) {
        problem = "its pack.xml is larger than " + SizeText(kLargestPackList);
        return false;
    }
    if (!Unpack(zip, *list, pack.files[0].bytes, problem))
        return false;
    if (!ReadPackList(pack.files[0].bytes, pack.list, problem)) {
        problem = "its pack.xml is no pack's list: " + problem;
        return false;
    }
    std::set<std::string> unpacked;
    for (const PackLevel& level : pack.list.levels) {
        if (!unpacked.insert(level.file).second)
            continue;
        const Entry* entry = FindEntry(files, folder + level.file);
        if (!entry) {
            problem = "its pack.xml lists " + kolm::QuotedFromFile(level.file) + ", which it does not hold";
            return false;
        }
        pack.files.push_back(PackFile{level.file, std::string()});
        if (!Unpack(zip, *entry, pack.files.back().bytes, problem))
            return false;
    }
    return true;
}

} // namespace

bool ReadPackZip(const std::string& zip, PackContents& pack, std::string& problem)
{
    pack = PackContents();
    problem.clear();
    ZipReader reader(zip);
    if (!reader.Open()) {
        problem = "it is not a zip file, or a broken one";
        return false;
    }
    std::vector<Entry> files;
    std::string folder;
    return ReadEntries(reader.Get(), files, problem) && FindListFolder(files, folder, problem) &&
           UnpackPack(reader.Get(), files, folder, pack, problem);
}

std::string ZipPack(const PackContents& pack)
{
    mz_zip_archive zip{};
    mz_zip_writer_init_heap(&zip, 0, 0);
    std::time_t time = kEntryTime;
    for (const PackFile& file : pack.files) {
        const std::string name = pack.list.id + "/" + file.path;
        mz_zip_writer_add_mem_ex_v2(&zip, name.c_str(), file.bytes.data(), file.bytes.size(), nullptr, 0,
                                    MZ_BEST_COMPRESSION, 0, 0, &time, nullptr, 0, nullptr, 0);
    }
    void* bytes = nullptr;
    std::size_t size = 0;
    mz_zip_writer_finalize_heap_archive(&zip, &bytes, &size);
    std::string written(static_cast<const char*>(bytes), size);
    mz_free(bytes);
    mz_zip_writer_end(&zip);
    return written;
}

bool PackFromLevels(const PackList& list, const std::vector<std::string>& levelBytes, PackContents& pack,
                    std::string& problem)
{
    pack = PackContents();
    const std::string listText = FormatPackList(list);
    if (!ReadPackList(listText, pack.list, problem))
        return false;
    if (levelBytes.size() != list.levels.size()) {
        problem = "the pack has " + std::to_string(list.levels.size()) + " levels and " +
                  std::to_string(levelBytes.size()) + " level files";
        return false;
    }
    pack.files.push_back(PackFile{kListName, listText});
    std::set<std::string> added;
    for (std::size_t i = 0; i < list.levels.size(); ++i) {
        if (added.insert(list.levels[i].file).second)
            pack.files.push_back(PackFile{list.levels[i].file, levelBytes[i]});
    }
    return true;
}

bool ReadPackFolder(const std::string& folder, PackContents& pack, std::string& problem)
{
    pack = PackContents();
    pack.files.push_back(PackFile{kListName, std::string()});
    if (!ReadFileBytes(folder + "/" + kListName, kLargestPackList, pack.files[0].bytes, problem)) {
        problem = "its pack.xml " + problem;
        return false;
    }
    if (!ReadPackList(pack.files[0].bytes, pack.list, problem)) {
        problem = "its pack.xml is no pack's list: " + problem;
        return false;
    }
    std::set<std::string> read;
    std::size_t total = 0;
    for (const PackLevel& level : pack.list.levels) {
        if (!read.insert(level.file).second)
            continue;
        pack.files.push_back(PackFile{level.file, std::string()});
        if (!ReadFileBytes(folder + "/" + level.file, kLargestPack, pack.files.back().bytes, problem)) {
            problem = "its level file " + kolm::QuotedFromFile(level.file) + " " + problem;
            return false;
        }
        total += pack.files.back().bytes.size();
    }
    if (total > kLargestPack)
        problem = "its level files are larger than " + SizeText(kLargestPack) + " together";
    return problem.empty();
}
