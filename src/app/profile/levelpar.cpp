// A level's name and par from its list.
#include "app/profile/levelpar.h"

#include "app/text/translate.h"

#include <cstdlib>

namespace {

// The attribute as a whole number above 0, or 0.
long PositiveAttribute(const kolm::CLevelList::LevelEntry& level, const char* name)
{
    const auto found = level.attributes.find(name);
    if (found == level.attributes.end() || found->second.empty())
        return 0;
    char* end = nullptr;
    const long value = std::strtol(found->second.c_str(), &end, 10);
    return *end == '\0' && value > 0 && value <= 24L * 60 * 60 * 1000 ? value : 0;
}

} // namespace

std::string NameOf(const kolm::CLevelList::LevelEntry& level)
{
    const auto found = level.attributes.find("name");
    return found == level.attributes.end() ? std::string() : SpokenLevelName(found->second);
}

LevelPar ParOf(const kolm::CLevelList::LevelEntry& level)
{
    LevelPar par;
    par.loops = static_cast<int>(PositiveAttribute(level, "par_loops"));
    par.milliseconds = static_cast<uint32_t>(PositiveAttribute(level, "par_time"));
    return par;
}

std::string LevelLabel(int position, const std::string& name)
{
    const std::string number = std::to_string(position);
    return name.empty() ? Fill(Tr("menu line", "Level %s"), {number}) : number + ". " + name;
}

std::vector<LevelPar> ParsOf(const kolm::CLevelList& list)
{
    std::vector<LevelPar> pars;
    for (int position = 1; position < list.Count(); ++position)
        pars.push_back(ParOf(list.EntryAt(position)));
    return pars;
}

std::string SpokenLevelName(const std::string& name) { return name.empty() ? name : Tr("level name", name.c_str()); }
