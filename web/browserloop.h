#pragma once
// The page's driver of the game: the browser calls it back at each animation frame, and it ticks
// the program with the time when something is due. It never waits itself: between frames the
// browser has the thread.
#include "app/edit/levelcheck.h"
#include "app/play/inputsource.h"

#include <memory>
#include <string>
#include <vector>

// Starts the program and hands it to the browser's animation frames, keeping the tools (the
// input script, the digest) alive as long as it runs. When it has shut down, the page is told
// with its exit status (Module.onGameEnded).
// check: how the editor has the bot check a level.
void RunProgramInBrowser(const std::vector<std::string>& arguments, std::unique_ptr<InputSource> tools,
                         LevelCheckMaker check);
