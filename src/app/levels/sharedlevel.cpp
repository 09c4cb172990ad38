#include "app/levels/sharedlevel.h"

#include "app/levels/filebytes.h"
#include "app/levels/sharecode.h"
#include "world/leveltimeline.h"

bool ShareLinkOfFile(const std::string& path, std::string& link, std::string& problem)
{
    std::string bytes;
    std::string code;
    if (!ReadFileBytes(path, kLargestSharedLevel, bytes, problem) || !EncodeShareCode(bytes, code, problem))
        return false;
    link = ShareLink(kSharePage, code);
    return true;
}

namespace {

// Where a level's text came from, as the line that refuses it says.
struct LevelSource {
    const char* text;  // "the shared text"
    const char* level; // "the shared level"
};
constexpr LevelSource kShared{"the shared text", "the shared level"};
constexpr LevelSource kDropped{"the file", "the file's level"};

// What keeps the text from being played as a level; empty text when nothing does.
std::string NoLevel(const std::string& text, const LevelSource& what)
{
    const LevelFile level = ParseLevelText(text);
    if (!level.hasLength)
        return std::string(what.text) + " is no level: it has no length line";
    if (level.length <= 0)
        return std::string(what.level) + "'s length is " + std::to_string(level.length) + " ms; a level lasts 1 ms or more";
    return std::string();
}

// Keeps the level's text at the end of My levels.
bool KeepLevelText(MyLevels& mine, const std::string& text, const std::string& name, const LevelSource& what,
                   KeptLevel& kept, std::string& problem)
{
    problem = NoLevel(text, what);
    std::string file;
    if (!problem.empty() || !mine.Add(name, text, file, problem))
        return false;
    const std::vector<MyLevels::Level> levels = mine.List();
    for (std::size_t i = 0; i < levels.size(); ++i) {
        if (levels[i].file == file)
            kept = KeptLevel{levels[i].path, static_cast<int>(i + 1)};
    }
    return true;
}

} // namespace

bool KeepSharedLevel(MyLevels& mine, const std::string& codeOrLink, const std::string& name, KeptLevel& kept,
                     std::string& problem)
{
    std::string text;
    return DecodeShareCode(codeOrLink, text, problem) && KeepLevelText(mine, text, name, kShared, kept, problem);
}

bool KeepLevelFile(MyLevels& mine, const std::string& path, KeptLevel& kept, std::string& problem)
{
    std::string text;
    if (!ReadFileBytes(path, kLargestSharedLevel, text, problem)) {
        problem = "the file " + problem;
        return false;
    }
    return KeepLevelText(mine, text, "", kDropped, kept, problem);
}
