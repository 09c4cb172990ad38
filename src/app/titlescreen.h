#pragma once
class InputSource;

// Shows "data/gfx/title_screen.jpg" over the whole screen until one of the game's keys, a left
// click or five seconds. Returns false when the window was closed instead. An input source,
// when given, sends its title-screen events first.
bool RunTitleScreen(InputSource* input = nullptr);
