#pragma once
// How the game's lettering spells a text with its glyphs, the same in the game and in the
// build that draws the glyphs (so every character a translation letters has its picture):
// letters as capitals (Latin, with their accents: "é" as "É", "ł" as "Ł", "ß" as "SS"; a script
// without capitals, Japanese, as it is written), and a lower-case "x" whose nearest neighbours
// (blanks aside) are digits as the times sign, so "1280 x 720" reads as a size.
#include <string>

namespace translation {

std::u32string LetteringSpelling(const std::u32string& text);

} // namespace translation
