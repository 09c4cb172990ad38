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

// What keeps the text from being played as a level; empty text when nothing does.
std::string NoLevel(const std::string& text)
{
    const LevelFile level = ParseLevelText(text);
    if (!level.hasLength)
        return "the shared text is no level: it has no length line";
    if (level.length <= 0)
        return "the shared level's length is " + std::to_string(level.length) + " ms; a level lasts 1 ms or more";
    return std::string();
}

} // namespace

bool KeepSharedLevel(MyLevels& mine, const std::string& codeOrLink, const std::string& name, KeptLevel& kept,
                     std::string& problem)
{
    std::string text;
    if (!DecodeShareCode(codeOrLink, text, problem))
        return false;
    problem = NoLevel(text);
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
