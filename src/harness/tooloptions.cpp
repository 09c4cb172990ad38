#include "harness/tooloptions.h"

#include "app/profile/dataroot.h"
#include "utils/optiontable.h"
#include "utils/stringutils.h"

namespace {

// A whole number from lowest to the largest 32-bit count.
bool ReadCount(const std::string& text, uint32_t& value, int64_t lowest = 0)
{
    int64_t parsed = 0;
    if (!kolm::ParseWholeNumber(text, lowest, UINT32_MAX, parsed))
        return false;
    value = static_cast<uint32_t>(parsed);
    return true;
}

} // namespace

bool ParseToolOptions(const std::vector<std::string>& arguments, ToolOptions& options, std::string& error)
{
    const auto file = [](std::string& path) {
        return [&path](const std::string& value, std::string&) {
            path = FromStartDirectory(value);
            return true;
        };
    };
    kolm::OptionTable table;
    table.Valued("-script", file(options.script))
        .Valued("-record", file(options.record))
        .Valued("-shots", file(options.shotsFolder))
        .Valued("-seed",
                [&](const std::string& value, std::string& problem) {
                    options.seeded = ReadCount(value, options.seed);
                    problem = "-seed needs a whole number, not \"" + value + "\"";
                    return options.seeded;
                })
        .Valued("-demo",
                [&](const std::string& value, std::string& problem) {
                    problem = "-demo needs a number of seconds, not \"" + value + "\"";
                    return ReadCount(value, options.demoSeconds, 1);
                })
        .Switch("-digest", [&] { options.digest = true; })
        .Switch("-menus", [&] { options.menus = true; });
    return table.Read(arguments, kolm::OptionTable::kGamesTools, error);
}
