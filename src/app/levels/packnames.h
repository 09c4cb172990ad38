#pragma once
// The names a level pack may use, checked before anything of a pack is written or played: its
// id (its folder's name among the installed packs), its version, and the paths of the files it
// holds (the level files its pack.xml lists, the entries of its zip).
#include <string>

// The longest pack id, and the longest path of a file inside a pack.
inline constexpr std::size_t kLongestPackId = 64;
inline constexpr std::size_t kLongestPackPath = 200;

// An id is 1 to 64 characters of a-z, 0-9 and "-" ("paper-cuts").
bool IsPackId(const std::string& id);

// The id a pack of the title gets: its letters and digits in lower case, every other run of
// characters one "-", at most 64 ("Paper Cuts!" gives "paper-cuts"); "my-levels" for a title
// with no letter or digit of a-z and 0-9.
std::string PackIdOf(const std::string& title);

// A version is one to four whole numbers of up to nine digits joined by dots ("3", "1.2",
// "2.0.10").
bool IsPackVersion(const std::string& version);
// Negative when a is older than b, 0 when they are the same version ("1.0" is "1"), positive
// when a is newer; each number compared as a number ("1.10" is newer than "1.9").
int CompareVersions(const std::string& a, const std::string& b);

// Why the path cannot name a file inside a pack's folder, or empty text when it can: a path is
// relative, its parts joined by "/" and none of them empty, "." or ".."; it holds no backslash,
// control character or any of : " & < > (which pack.xml could not name as written), and is at
// most 200 characters long.
std::string PackPathProblem(const std::string& path);
