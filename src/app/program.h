#pragma once
#include <string>
#include <vector>

class InputSource;

// The whole run of the game: start-up, the title screen, one game phase, shutdown. The tools'
// input source, when one is given, plays and watches beside the person at the keyboard. Returns
// the process exit status: 0, or 1 when no window or render device could be made.
int RunProgram(const std::vector<std::string>& arguments, InputSource* tools);
