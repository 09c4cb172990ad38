#pragma once
// One way to report: every line the game and its tools print goes through here, on the stream it
// has always had. The game's status lines (a picture or sound that would not load, the audio
// driver, the pads, fps, digests) go to standard output; problems to standard error, most of them
// as "PROGRAM: message" (Warn), some of them said only once a run however often they arise (a
// file read again and again, a save that keeps failing).
#include <string>

namespace kolm {

// A line on standard output.
void Say(const std::string& line);
// Text on standard output as it stands, line ends and all (a table's rows, or a line the next
// output continues), flushed at once.
void SayText(const std::string& text);
// A line on standard error as it stands (a message with a form of its own).
void Complain(const std::string& line);
// Text on standard error as it stands (a usage text).
void ComplainText(const std::string& text);

// The program's name, ": " and the message, as a line on standard error.
void Warn(const std::string& message);
// The same, unless a warning with the same key was printed already in this run.
void WarnOnce(const std::string& key, const std::string& message);
// The same, keyed by the file the warning is about: a file is named once a run.
void WarnOncePerFile(const std::string& fileName, const std::string& message);

// The program named in the warnings: "tobrakka" unless another program (the headless driver)
// says otherwise.
void SetWarningProgram(const std::string& name);
const std::string& WarningProgram();

} // namespace kolm
