#include "app/levels/packlist.h"

#include "app/levels/packnames.h"
#include "utils/levellist/clevellist.h"
#include "utils/playerfile.h"
#include "utils/stringutils.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <string_view>
#include <utility>

namespace {

using Attributes = std::map<std::string, std::string>;

// The entities the attributes are written with, each read back in one pass.
const std::pair<std::string_view, char> kEntities[] = {
    {"&amp;", '&'}, {"&quot;", '"'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&apos;", '\''}};

std::string Unescaped(const std::string& text)
{
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        for (const auto& [entity, character] : kEntities) {
            if (c == '&' && std::string_view(text).substr(i, entity.size()) == entity) {
                c = character;
                i += entity.size() - 1;
                break;
            }
        }
        plain += c;
    }
    return plain;
}

std::string Escaped(const std::string& text)
{
    std::string written;
    for (const char c : text) {
        switch (c) {
        case '&': written += "&amp;"; break;
        case '"': written += "&quot;"; break;
        case '<': written += "&lt;"; break;
        case '>': written += "&gt;"; break;
        default: written += static_cast<unsigned char>(c) < 0x20 || c == 0x7f ? ' ' : c;
        }
    }
    return written;
}

std::string Get(const Attributes& attributes, const char* name)
{
    const auto found = attributes.find(name);
    return found == attributes.end() ? std::string() : Unescaped(found->second);
}

std::string TextProblem(const std::string& what, const std::string& text)
{
    return text.size() > kLongestPackText ? what + " is longer than " + std::to_string(kLongestPackText) + " bytes"
                                          : std::string();
}

// A par attribute: 0 when it is missing, false when it is no whole number from 1 to highest.
bool ReadPar(const Attributes& attributes, const char* name, int64_t highest, int& value)
{
    const auto found = attributes.find(name);
    int64_t number = 0;
    if (found != attributes.end() && !kolm::ParseWholeNumber(found->second, 1, highest, number))
        return false;
    value = static_cast<int>(number);
    return true;
}

std::string LevelProblem(const kolm::CLevelList::LevelEntry& entry, int position, PackLevel& level)
{
    const std::string which = "level " + std::to_string(position);
    if (entry.filename.empty())
        return "it has no level at position " + std::to_string(position);
    level.file = entry.filename;
    const std::string pathProblem = PackPathProblem(level.file);
    if (!pathProblem.empty())
        return which + "'s file " + kolm::QuotedFromFile(level.file) + " " + pathProblem;
    level.name = Get(entry.attributes, "name");
    if (!ReadPar(entry.attributes, "par_loops", kHighestParLoops, level.parLoops))
        return which + "'s par_loops is no whole number from 1 to " + std::to_string(kHighestParLoops);
    if (!ReadPar(entry.attributes, "par_time", kHighestParTime, level.parTime))
        return which + "'s par_time is no whole number of milliseconds from 1 to " + std::to_string(kHighestParTime);
    return TextProblem(which + "'s name", level.name);
}

std::string LevelsProblem(const kolm::CLevelList& read, PackList& list)
{
    if (read.Count() < 2)
        return "it lists no level";
    for (int position = 1; position < read.Count(); ++position) {
        PackLevel level;
        const std::string problem = LevelProblem(read.EntryAt(position), position, level);
        if (!problem.empty())
            return problem;
        list.levels.push_back(level);
    }
    return list.levels.size() > kMostPackLevels ? "it lists more than " + std::to_string(kMostPackLevels) + " levels"
                                                : std::string();
}

std::string Attribute(const char* name, const std::string& text)
{
    return std::string(" ") + name + "=\"" + Escaped(text) + "\"";
}

} // namespace

bool PackList::operator==(const PackList& other) const
{
    const auto same = [](const PackLevel& a, const PackLevel& b) {
        return a.file == b.file && a.name == b.name && a.parLoops == b.parLoops && a.parTime == b.parTime;
    };
    return id == other.id && title == other.title && author == other.author && version == other.version &&
           licence == other.licence && levels.size() == other.levels.size() &&
           std::equal(levels.begin(), levels.end(), other.levels.begin(), same);
}

std::string PackMetadataProblem(const PackList& list)
{
    if (list.id.empty())
        return "it gives no pack id";
    if (!IsPackId(list.id))
        return "its id " + kolm::QuotedFromFile(list.id) + " is not an id (1 to " + std::to_string(kLongestPackId) +
               " of a-z, 0-9 and -)";
    if (!IsPackVersion(list.version))
        return "its version " + kolm::QuotedFromFile(list.version) + " is not a version (such as 1 or 1.2)";
    for (const auto& [what, text] : {std::pair<const char*, const std::string&>{"its title", list.title},
                                     {"its author", list.author}, {"its licence", list.licence}}) {
        const std::string problem = TextProblem(what, text);
        if (!problem.empty())
            return problem;
    }
    return std::string();
}

bool ReadPackList(const std::string& text, PackList& list, std::string& problem)
{
    kolm::CLevelList read("pack.xml");
    read.ReadText(text);
    const Attributes& root = read.ListAttributes();
    list = PackList();
    list.id = Get(root, "id");
    list.title = Get(root, "title");
    list.author = Get(root, "author");
    list.version = Get(root, "version");
    list.licence = Get(root, "licence");
    problem = PackMetadataProblem(list);
    const std::string levelsProblem = LevelsProblem(read, list);
    if (problem.empty())
        problem = levelsProblem;
    return problem.empty();
}

std::string FormatPackList(const PackList& list)
{
    std::string text = "<LevelList" + Attribute("id", list.id) + Attribute("title", list.title) +
                       Attribute("author", list.author) + Attribute("version", list.version) +
                       Attribute("licence", list.licence) + ">\n";
    for (std::size_t i = 0; i < list.levels.size(); ++i) {
        const PackLevel& level = list.levels[i];
        text += "  <Level position=\"" + std::to_string(i + 1) + "\"" + Attribute("filename", level.file);
        if (!level.name.empty())
            text += Attribute("name", level.name);
        if (level.parLoops > 0)
            text += " par_loops=\"" + std::to_string(level.parLoops) + "\"";
        if (level.parTime > 0)
            text += " par_time=\"" + std::to_string(level.parTime) + "\"";
        text += "></Level>\n";
    }
    return text + "</LevelList>\n";
}
