#include "app/profile/commandline.h"

#include "app/profile/dataroot.h"
#include "app/profile/settings.h"
#include "engine/core/numeric.h"
#include "utils/log.h"
#include "utils/optiontable.h"
#include "utils/stringutils.h"

namespace {

// A list position of 1 or more; anything else is reported and ignored.
int ReadStartLevel(const std::string& text)
{
    int64_t position = 0;
    if (kolm::ParseWholeNumber(text, 1, 9999, position))
        return static_cast<int>(position);
    kolm::Warn("-level needs a level list position from 1 to 9999, not \"" + text + "\"");
    return 0;
}

// The offered speed nearest to a number from 1 to 1000; anything else is reported and ignored.
int ReadGameSpeed(const std::string& text)
{
    int64_t percent = 0;
    if (kolm::ParseWholeNumber(text, 1, 1000, percent)) {
        const int speed = GameSpeed::Nearest(percent);
        if (speed != percent)
            kolm::Warn("-speed plays at 100, 90, 80, 70, 60 or 50 per cent: " + std::to_string(speed) + " for \"" + text + "\"");
        return speed;
    }
    kolm::Warn("-speed needs a speed in per cent (100, 90, 80, 70, 60 or 50), not \"" + text + "\"");
    return 0;
}

} // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments)
{
    CommandLine options;
    // Each value is a word of its own as well: "-r -full" sets full screen. A value the game
    // cannot use is named (or, for "-r", taken as 0) and play goes on.
    const auto value = [](auto read) {
        return [read](const std::string& text, std::string&) {
            read(text);
            return true;
        };
    };
    kolm::OptionTable table;
    table.Valued("-r", value([&](const std::string& text) { options.requestedWidth = kolm::ToInt(text); }))
        .Switch("-full", [&] { options.fullScreen = true; })
        .Switch("-fps", [&] { options.showFps = true; })
        .Switch("-no_grid", [&] { options.noGrid = true; })
        .Switch("-classic", [&] { options.classic = true; })
        .Switch("-continue", [&] { options.continueGame = true; })
        .Valued("-level", value([&](const std::string& text) { options.startLevel = ReadStartLevel(text); }))
        .Valued("-speed", value([&](const std::string& text) { options.gameSpeed = ReadGameSpeed(text); }))
        .Valued("-replay", value([&](const std::string& text) { options.replayFile = FromStartDirectory(text); }))
        .Valued("-edit", value([&](const std::string& text) { options.editFile = FromStartDirectory(text); }))
        .Valued("-install", value([&](const std::string& text) { options.installFile = FromStartDirectory(text); }))
        .Valued("-shared", value([&](const std::string& text) { options.sharedLevel = text; }))
        .Valued("-daily", value([&](const std::string& text) { options.dailyDate = text; }));
    std::string unused;
    table.Read(arguments, kolm::OptionTable::kGame, unused);
    return options;
}

bool RequestedWindow(int requestedWidth, int& width, int& height)
{
    const int requestedHeight = TruncToInt32(requestedWidth * 0.5625);
    if (requestedWidth == 0 || requestedHeight < 1)
        return false;
    width = requestedWidth;
    height = requestedHeight;
    return true;
}
