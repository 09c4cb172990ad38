#pragma once
// Zips for the pack tests, good and bad: made entry by entry with miniz, then, for what a
// careful writer would never write (an absolute name, a link, a size that lies), changed byte by
// byte as a hostile one would.
#include "app/levels/packarchive.h"

#include <cstdint>
#include <string>
#include <vector>

namespace packzips {

// A zip of the entries, each named as given.
std::string Zip(const std::vector<PackFile>& entries);
// The zip with every occurrence of from (a name, or a part of one) replaced by to, of the same
// length.
std::string Renamed(std::string zip, const std::string& from, const std::string& to);
// The zip with the entry's central record marked as a Unix symbolic link.
std::string MarkedAsLink(std::string zip, const std::string& name);
// The zip with the entry's central record giving its unpacked size as size.
std::string WithStatedSize(std::string zip, const std::string& name, uint32_t size);

// A pack of the given id, version and author with one level per text, files "level-N.txt"
// named "Level N", as the game zips it.
PackContents Pack(const std::string& id, const std::string& version, const std::string& author,
                  const std::vector<std::string>& levels);

} // namespace packzips
