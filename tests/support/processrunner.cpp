#include "processrunner.h"

#include <cstdio>
#include <sys/wait.h>

namespace testsupport {

ProcessResult RunProcess(const std::string& directory, const std::vector<std::string>& environment,
                         const std::string& commandLine, int timeoutSeconds)
{
    // The game keeps the player's progress under XDG_STATE_HOME, settings under XDG_CONFIG_HOME
    // and replays under XDG_DATA_HOME: a program run by a test keeps them in its own working
    // directory unless the test says otherwise, never reading or filling those of whoever runs
    // the tests. (env takes its -u options before any assignment.)
    std::string unset;
    std::string assign = " XDG_STATE_HOME=\"$PWD/.state\" XDG_CONFIG_HOME=\"$PWD/.config\" XDG_DATA_HOME=\"$PWD/.data\"";
    for (const std::string& assignment : environment) {
        if (!assignment.empty() && assignment.back() == '=')
            unset += " -u " + assignment.substr(0, assignment.size() - 1);
        else
            assign += " '" + assignment + "'";
    }
    std::string shell = "cd '" + directory + "' && env" + unset + assign;
    shell += " timeout -s KILL " + std::to_string(timeoutSeconds) + " " + commandLine + " 2>&1";

    ProcessResult result;
    FILE* pipe = popen(shell.c_str(), "r");
    if (!pipe)
        return result;
    char buffer[4096];
    std::size_t got = 0;
    while ((got = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        result.output.append(buffer, got);
    const int status = pclose(pipe);
    if (WIFEXITED(status))
        result.exitStatus = WEXITSTATUS(status);
    return result;
}

} // namespace testsupport
