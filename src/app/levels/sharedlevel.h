#pragma once
// A level passed by link: the link the editor's Share line puts on the clipboard, and the
// keeping of a level a pasted link or code holds in the player's own levels (Make levels, and
// the page opened at "index.html#level=CODE").
//
// A level kept so plays as the rest of My levels: GameScreen::Change(kPlay, position - 1) with
// its book the folder's list (MyLevels::ListFile()).
#include "app/levels/mylevels.h"

#include <string>

// The page a share link opens (docs/tools.md).
inline constexpr const char* kSharePage = "https://tobrakka.invalid/play/index.html";

// The link of the level file at path: the page's address with "#level=CODE". False, with the
// problem in one line, for a file that cannot be read or is larger than 64 KB.
bool ShareLinkOfFile(const std::string& path, std::string& link, std::string& problem);

struct KeptLevel {
    std::string path; // the level's file in My levels
    int position = 0; // in My levels' list, from 1
};

// Decodes a code or a whole link (app/levels/sharecode.h), reads the level as the game reads a
// level file, and keeps it at the end of My levels under name. False, with the problem in one
// line, for a code that does not decode, a text that is no level (no length line, a length that
// is not above 0) or a level that cannot be written; nothing is written then.
bool KeepSharedLevel(MyLevels& mine, const std::string& codeOrLink, const std::string& name, KeptLevel& kept,
                     std::string& problem);

// Keeps the level file at path (one dropped onto the window or the page) at the end of My
// levels, by the same rules; false, with the problem in one line, for a file that cannot be read,
// is over 64 KB or is no level.
bool KeepLevelFile(MyLevels& mine, const std::string& path, KeptLevel& kept, std::string& problem);
