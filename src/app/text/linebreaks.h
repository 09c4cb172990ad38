#pragma once
// Where a text lettered on several lines breaks: at every "\n" the text holds, and wherever a line
// would grow wider than its place, at the last blank before that (the blank goes) or, in Japanese,
// which has no blanks, between two characters, though never before a closing mark or a small
// kana (、。」）！？ー…っ) nor after an opening one (「（). A word wider than the whole place
// stays whole on a line of its own, wider than the place.
#include "utils/datafiles.h"

#include <string>
#include <vector>

std::vector<std::string> BreakLines(const std::string& text, datafiles::GlyphSize size, float width);
