#include "harness/dailyreport.h"

#include "app/daily/dailyfinder.h"
#include "harness/dailybotcheck.h"
#include "utils/log.h"

#include <cstdio>
#include <filesystem>
#include <unistd.h>

namespace {

std::string ScratchFile()
{
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::temp_directory_path(error);
    const std::string name = "tobrakka-daily-" + std::to_string(getpid()) + ".txt";
    return error ? name : (folder / name).string();
}

std::string Row(const char* bot, uint32_t seed, const BotRun& run)
{
    char line[160];
    std::snprintf(line, sizeof line, "| %s | %u | %s | %u | %.1f |\n", bot, seed, run.cleared ? "yes" : "no", run.loops,
                  run.time / 1000.0);
    return line;
}

std::string Report(const DailyFound& found)
{
    std::string report = found.text + "\n" + found.name + ", " + found.date.Text() + ": candidate " +
                         std::to_string(found.candidate + 1) + (found.kept ? "" : ", not within the rules") + "\n\n";
    report += "| bot | seed | cleared | loops | game time (s) |\n|---|---|---|---|---|\n";
    report += Row("practised", 1, found.figures.practised);
    for (std::size_t i = 0; i < found.figures.novice.size(); ++i)
        report += Row("novice", static_cast<uint32_t>(i + 1), found.figures.novice[i]);
    const DailyPar par = found.Par();
    char medals[160];
    std::snprintf(medals, sizeof medals,
                  "\nnovice average %u.%u loops: gold in %u loops or fewer, silver in %u or fewer, bronze for a clear\n",
                  par.noviceTenths / 10, par.noviceTenths % 10, par.practisedLoops, par.SilverLoops());
    return report + medals;
}

} // namespace

int PrintDailyLevel(const std::string& dateText)
{
    DailyDate date;
    std::string problem;
    if (!DailyDate::Read(dateText, date, problem)) {
        kolm::Warn(problem);
        return 2;
    }
    const std::string scratch = ScratchFile();
    DailyFinder finder(date, scratch, [](const std::string& file) { return std::make_unique<DailyBotCheck>(file); });
    while (!finder.Advance(1000)) {
    }
    std::remove(scratch.c_str());
    if (!finder.Problem().empty()) {
        kolm::Warn("no level for " + date.Text() + ": " + finder.Problem());
        return 1;
    }
    kolm::SayText(Report(finder.Found()));
    return 0;
}
