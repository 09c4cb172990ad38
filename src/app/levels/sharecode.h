#pragma once
// A level shared as text: its share code is "1" (the code's version) followed by the level
// file's bytes, raw-deflated and written in URL-safe base64 without padding ("1q1YyMjAwNL..."),
// so that a code fits in a message or a link and decodes to the very bytes shared, and with
// them the level's hash (app/replay/replayfile.h: LevelHash). A link is the page's address with
// "#level=CODE".
#include <cstddef>
#include <string>

// The largest level file a code holds: 64 KB.
inline constexpr std::size_t kLargestSharedLevel = 64 * 1024;

// The code of a level file's bytes. False, with the problem in one line, for a file larger than
// 64 KB.
bool EncodeShareCode(const std::string& level, std::string& code, std::string& problem);

// The level file's bytes a code holds. Blanks and line ends around the code, and a whole link
// ("...#level=CODE"), are taken as the code itself. False, with the problem in one line, for a
// code that does not decode (another version, a character outside URL-safe base64, a broken
// or cut deflate stream, bytes after its end) or decodes to more than 64 KB.
bool DecodeShareCode(const std::string& code, std::string& level, std::string& problem);

// The link that opens the level on the page at address: "ADDRESS#level=CODE" (any fragment of
// the address replaced).
std::string ShareLink(const std::string& address, const std::string& code);
