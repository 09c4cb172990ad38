#pragma once
// Runs a program to its end and collects its exit status and standard output.
#include <string>
#include <vector>

namespace testsupport {

struct ProcessResult {
    int exitStatus = -1; // -1 when it did not exit normally
    std::string output;  // standard output and standard error, interleaved
};

// Runs the command line through the shell from the given directory, with extra environment
// assignments ("NAME=value", or "NAME=" to remove a variable), killing it after timeoutSeconds.
// XDG_STATE_HOME is the directory's ".state", XDG_CONFIG_HOME its ".config" and XDG_DATA_HOME
// its ".data" unless the assignments set them.
ProcessResult RunProcess(const std::string& directory, const std::vector<std::string>& environment,
                         const std::string& commandLine, int timeoutSeconds);

} // namespace testsupport
