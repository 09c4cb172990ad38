#pragma once
// Warnings about a data file that gives the game nothing to play: one line on standard error,
// printed at most once per file name in a run however often the file is read, so that a level
// played again and again does not repeat it.
#include <string>

namespace kolm {

// Prints the program's name, ": " and the message as one line, unless a warning about the file
// was printed already.
void WarnOncePerFile(const std::string& fileName, const std::string& message);
// The program named in the warnings: "tobrakka" unless another program (the headless driver)
// says otherwise.
void SetWarningProgram(const std::string& name);

} // namespace kolm
