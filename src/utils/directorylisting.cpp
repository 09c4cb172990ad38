#include "utils/directorylisting.h"

#include "utils/stringutils.h"

#include <dirent.h>
#include <sys/stat.h>

namespace kolm {
namespace {

struct PatternParts {
    std::string directory;
    std::string mask;
};

PatternParts SplitPattern(std::string pattern)
{
    pattern = ReplaceAll(pattern, "\\", "/");
    if (pattern == ".")
        pattern = "./*.*";
    pattern = Trim(pattern);

    PatternParts parts;
    const auto slash = pattern.rfind('/');
    if (slash == std::string::npos) {
        parts.directory = ".";
        parts.mask = pattern;
        return parts;
    }
    parts.directory = slash == 0 ? "/" : pattern.substr(0, slash);
    parts.mask = pattern.substr(slash + 1);
    if (parts.mask.find('.') == std::string::npos)
        parts.mask = "*.*";
    return parts;
}

bool IsDirectory(const std::string& directory, const std::string& name)
{
    struct stat info;
    const std::string path = directory + "/" + name;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// Appends the entries of one kind (directories or files) that match the mask.
void ListGroup(const PatternParts& parts, bool directories, std::vector<std::string>& out)
{
    DIR* dir = opendir(parts.directory.c_str());
    if (!dir)
        return;
    while (const dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.empty() || name == "." || name == "..")
            continue;
        if (IsDirectory(parts.directory, name) != directories)
            continue;
        if (WildcardMatch(directories ? name + "." : name, parts.mask))
            out.push_back(name);
    }
    closedir(dir);
}

} // namespace

bool WildcardMatch(const std::string& name, const std::string& mask)
{
    // A mask with no pieces (empty, or nothing but stars) matches every name.
    const std::vector<std::string> pieces = Split(mask, "*");
    if (pieces.empty())
        return true;
    const bool anchoredStart = mask.front() != '*';
    const bool anchoredEnd = mask.back() != '*';

    std::string::size_type searchStart = 0;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const std::string& piece = pieces[i];
        const auto at = name.find(piece, searchStart);
        if (at == std::string::npos)
            return false;
        if (i == 0 && anchoredStart && at != 0)
            return false;
        if (i + 1 == pieces.size() && anchoredEnd && at + piece.size() != name.size())
            return false;
        searchStart = at + piece.size();
    }
    return true;
}

void DirectoryListing::Read(const std::string& pattern)
{
    names_.clear();
    position_ = 0;
    const PatternParts parts = SplitPattern(pattern);
    ListGroup(parts, true, names_);
    ListGroup(parts, false, names_);
}

bool DirectoryListing::AtEnd() const { return position_ >= names_.size(); }

std::string DirectoryListing::Next()
{
    if (AtEnd())
        return std::string();
    return names_[position_++];
}

} // namespace kolm
