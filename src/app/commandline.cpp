#include "app/commandline.h"

#include "engine/numeric.h"
#include "engine/renderdevice.h"
#include "utils/stringutils.h"

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
    }
    return options;
}

void ApplyWindowSize(int requestedWidth)
{
    const int height = TruncToInt32(requestedWidth * 0.5625);
    if (requestedWidth == 0 || height < 1)
        return;
    g_windowWidth = requestedWidth;
    g_windowHeight = height;
}
