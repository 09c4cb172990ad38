#include "app/commandline.h"

#include "app/settings.h"
#include "engine/numeric.h"
#include "utils/stringutils.h"

#include <iostream>

namespace {

// A list position of 1 or more; anything else is reported and ignored.
int ReadStartLevel(const std::string& text)
{
    int64_t position = 0;
    if (kolm::ParseWholeNumber(text, 1, 9999, position))
        return static_cast<int>(position);
    std::cerr << "tobrakka: -level needs a level list position from 1 to 9999, not \"" << text << "\"" << std::endl;
    return 0;
}

// The offered speed nearest to a number from 1 to 1000; anything else is reported and ignored.
int ReadGameSpeed(const std::string& text)
{
    int64_t percent = 0;
    if (kolm::ParseWholeNumber(text, 1, 1000, percent)) {
        const int speed = GameSpeed::Nearest(percent);
        if (speed != percent)
            std::cerr << "tobrakka: -speed plays at 100, 90, 80, 70, 60 or 50 per cent: " << speed << " for \"" << text << "\"" << std::endl;
        return speed;
    }
    std::cerr << "tobrakka: -speed needs a speed in per cent (100, 90, 80, 70, 60 or 50), not \"" << text << "\"" << std::endl;
    return 0;
}

} // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments)
{
    CommandLine options;
    // The word after "-r" is examined again on the next round like any other argument, so
    // "-r -full" sets full screen.
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "-r" && i + 1 < arguments.size())
            options.requestedWidth = kolm::ToInt(arguments[i + 1]);
        else if (argument == "-full")
            options.fullScreen = true;
        else if (argument == "-fps")
            options.showFps = true;
        else if (argument == "-no_grid")
            options.noGrid = true;
        else if (argument == "-classic")
            options.classic = true;
        else if (argument == "-continue")
            options.continueGame = true;
        else if (argument == "-level" && i + 1 < arguments.size())
            options.startLevel = ReadStartLevel(arguments[i + 1]);
        else if (argument == "-speed" && i + 1 < arguments.size())
            options.gameSpeed = ReadGameSpeed(arguments[i + 1]);
    }
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
