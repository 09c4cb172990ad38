#include "harness/tooloptions.h"

#include "app/dataroot.h"
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
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        if (option == "-digest" || option == "-menus") {
            (option == "-digest" ? options.digest : options.menus) = true;
            continue;
        }
        const bool takesValue = option == "-script" || option == "-record" || option == "-seed" ||
                                option == "-demo" || option == "-shots";
        if (!takesValue)
            continue;
        if (i + 1 >= arguments.size()) {
            error = option + " needs a value";
            return false;
        }
        const std::string& value = arguments[++i];
        if (option == "-script") {
            options.script = FromStartDirectory(value);
        } else if (option == "-record") {
            options.record = FromStartDirectory(value);
        } else if (option == "-shots") {
            options.shotsFolder = FromStartDirectory(value);
        } else if (option == "-seed") {
            options.seeded = ReadCount(value, options.seed);
            if (!options.seeded) {
                error = "-seed needs a whole number, not \"" + value + "\"";
                return false;
            }
        } else if (!ReadCount(value, options.demoSeconds, 1)) {
            error = "-demo needs a number of seconds, not \"" + value + "\"";
            return false;
        }
    }
    return true;
}
