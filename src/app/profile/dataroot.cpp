#include "app/profile/dataroot.h"

#include "utils/datafiles.h"
#include "utils/log.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Where the program was started, and whether it has left that directory since.
std::string startDirectory;
bool leftStartDirectory = false;

bool HoldsData(const fs::path& directory)
{
    std::error_code error;
    return fs::is_regular_file(directory / datafiles::kLevelList, error);
}

std::string Listed(const std::vector<std::string>& places)
{
    std::string text;
    for (std::size_t i = 0; i < places.size(); ++i)
        text += (i == 0 ? "" : (i + 1 == places.size() ? " or " : ", ")) + places[i];
    return text;
}

} // namespace

DataRootChoice ChooseDataRoot(const char* dataVariable, const std::string& executableDirectory,
                              const std::string& programName)
{
    DataRootChoice choice;
    if (dataVariable && *dataVariable) {
        choice.directory = dataVariable;
        if (!HoldsData(choice.directory))
            choice.warning = programName + ": TOBRAKKA_DATA names " + choice.directory + ", which has no " + datafiles::kLevelList +
                             "; the game's files there are missing";
        return choice;
    }
    std::vector<std::string> tried;
    if (!executableDirectory.empty()) {
        const fs::path beside(executableDirectory);
        for (const fs::path& place : {beside, (beside / "../share/games/tobrakka").lexically_normal()}) {
            if (HoldsData(place)) {
                choice.directory = place.string();
                return choice;
            }
            tried.push_back(place.string());
        }
    }
    const std::string places = tried.empty() ? "the executable's directory (unknown)" : Listed(tried);
    choice.warning = programName + ": cannot find the game's data: no " + datafiles::kLevelList + " in " + places +
                     "; set TOBRAKKA_DATA to the directory that holds data/ (carrying on from the current directory)";
    return choice;
}

void EnterDataRoot(const std::string& programName)
{
    std::error_code error;
    const fs::path start = fs::current_path(error);
    startDirectory = error ? std::string() : start.string();
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    DataRootChoice choice =
        ChooseDataRoot(std::getenv("TOBRAKKA_DATA"), error ? std::string() : executable.parent_path().string(), programName);
    if (!choice.directory.empty()) {
        fs::current_path(choice.directory, error);
        if (error) {
            choice.warning = programName + ": cannot enter the data directory " + choice.directory + ": " +
                             error.message() + " (carrying on from the current directory)";
        } else {
            leftStartDirectory = !startDirectory.empty() && !fs::equivalent(start, fs::current_path(error), error);
        }
    }
    if (!choice.warning.empty())
        kolm::Complain(choice.warning);
}

std::string FromStartDirectory(const std::string& path)
{
    if (!leftStartDirectory || path.empty() || fs::path(path).is_absolute())
        return path;
    return (fs::path(startDirectory) / path).string();
}
