#pragma once
// Warnings about a data file that gives the game nothing to play, or a player's file that cannot
// be read or written: one line on standard error, printed at most once in a run however often the
// file is read, so that a level played again and again does not repeat it.
#include <string>

namespace kolm {

// Prints the program's name, ": " and the message as one line, unless a warning about the file
// was printed already.
void WarnOncePerFile(const std::string& fileName, const std::string& message);
// Prints the program's name, ": " and the message as one line, unless a warning with the same key
// was printed already (a file name is the key of WarnOncePerFile).
void WarnOnce(const std::string& key, const std::string& message);
// The program named in the warnings: "tobrakka" unless another program (the headless driver)
// says otherwise.
void SetWarningProgram(const std::string& name);

} // namespace kolm
