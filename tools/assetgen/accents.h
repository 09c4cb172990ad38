#pragma once
// The accented capitals of the languages the game speaks, set in Humor Sans from its own letter
// and its own marks (` ^ ~ . , /), so they are inked in the same hand as the rest: "É" is "E"
// under a "`" turned over, "Ñ" is "N" under a "~", "Ç" is "C" over a ",", "Ł" is "L" through a
// small "/". The face must be selected at the lettering's size.
#include <cairo.h>

// Appends the letter's outline, with its baseline's left end at (x, y), to the current path;
// false (and nothing appended) for a letter that is not made this way.
bool AccentedPath(cairo_t* cr, char32_t letter, double x, double y);
// The letter without its mark ('E' for "É"), or 0 for a letter that is not made this way.
char AccentedBase(char32_t letter);
